#include "browsingpane.h"
#include "editingtest.h"
#include "filechooser.h"
#include "recordeditor.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{

class RecordEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *d :
             {"game64", "gameamiga", "music64", "musicamiga", "screen64", "screenamiga"}) {
            QDir(tc.catalogue.dir()).mkpath(d);
            dirs.insert(d, QDir::toNativeSeparators(tc.catalogue.dir() + "/" + d));
        }
        tc.catalogue.setConfig(dirs);
    }
    RecordEditor *open(EditMode mode, int id = 0, const QString &machineText = {})
    {
        auto *w = tc.open<RecordEditor>(RecordEditorRequest{id, mode});
        if (w && !machineText.isNull())
            machine(w)->setCurrentText(machineText);
        return w;
    }
    static QComboBox *machine(QWidget *w) { return control<QComboBox>(w, "machineBox"); }
    static QPlainTextEdit *note(QWidget *w) { return control<QPlainTextEdit>(w, "noteEdit"); }
    static bool shown(QWidget *w, const char *name)
    {
        return !control<QWidget>(w, name)->isHidden();
    }

    EditingContext tc;
    QVariantMap dirs;
};

} // namespace

TEST_F(RecordEditorTest, NewModeAddsGamesInARowAndReportsEach)
{
    QSignalSpy added(&tc.events(), &WindowEvents::gameAdded);
    RecordEditor *w = open(EditMode::New, 0, "C64");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Insert New Game");
    EXPECT_FALSE(shown(w, "modifyButton"));
    edit(w, "titleEdit")->setText("Elite");
    edit(w, "publisherEdit")->setText("Firebird");
    note(w)->setPlainText("Docked at Lave");
    tc.dialogs.answers = {false, true};
    click(w, "saveButton");
    EXPECT_EQ(tc.catalogue.count(), 0) << "answered No";
    EXPECT_EQ(edit(w, "titleEdit")->text(), "Elite");
    click(w, "saveButton");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm adding Elite?");
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(tc.text(added.at(0).at(0).toInt(), "titolo"), "Elite");
    // Emptied for the next game, the title box has the focus.
    EXPECT_EQ(edit(w, "titleEdit")->text(), "");
    EXPECT_EQ(machine(w)->currentText(), "");
    EXPECT_EQ(note(w)->toPlainText(), "");
    EXPECT_EQ(w->focusWidget(), edit(w, "titleEdit"));
    edit(w, "titleEdit")->setText("Speedball 2");
    QTest::keyClicks(machine(w)->lineEdit(), "Amiga");
    click(w, "saveButton");
    EXPECT_EQ(added.size(), 2);
    EXPECT_TRUE(tc.isOpen(WindowKey::RecordEditor));
    EXPECT_EQ(tc.catalogue.count("sh = 'Firebird' and note = 'Docked at Lave'"), 1);
    EXPECT_EQ(tc.catalogue.count("titolo = 'Speedball 2' and formato = 'Amiga'"), 1);
    EXPECT_EQ(tc.catalogue.count("dbver is null and team is null and emul1 is null"), 2);
    EXPECT_TRUE(tc.dialogs.messages().isEmpty());
}

TEST_F(RecordEditorTest, ModifyShowsEveryFieldAndStoresThemAsPrivate)
{
    const QStringList edits = QString("title publisher genre team year design programming "
                                      "graphics music additionalDesign additionalProgramming "
                                      "additionalGraphics additionalMusic gameFile musicFile "
                                      "screenshot1 screenshot2 drive1 drive2 drive3")
                                  .split(' ');
    const QStringList columns = QString("titolo sh tipo team year design programming graphics "
                                        "music adddesign addprogramming addgraphics addmusic "
                                        "emul1 song screen1 screen2 df1 df2 df3")
                                    .split(' ');
    QVariantMap game = {{"formato", "Amiga"}, {"others", "Thanks"}, {"note", "N"}, {"voto", "9"}};
    for (const QString &column : columns)
        game.insert(column, QString(column + " value"));
    const int id = tc.catalogue.addGame(game);
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    RecordEditor *w = open(EditMode::Modify, id);
    EXPECT_EQ(w->windowTitle(), "Modify Game");
    EXPECT_FALSE(shown(w, "saveButton"));
    for (int i = 0; i < edits.size(); ++i)
        EXPECT_EQ(edit(w, edits.at(i) + "Edit")->text(), columns.at(i) + " value");
    EXPECT_EQ(machine(w)->currentText(), "Amiga");
    EXPECT_EQ(control<QPlainTextEdit>(w, "othersEdit")->toPlainText(), "Thanks");
    edit(w, "publisherEdit")->setText("Rainbow Arts");
    edit(w, "drive3Edit")->clear();
    click(w, "modifyButton");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm Modify titolo value?");
    EXPECT_FALSE(tc.isOpen(WindowKey::RecordEditor));
    EXPECT_EQ(saved.value(0).value(0).toInt(), id);
    EXPECT_EQ(tc.text(id, "dbver"), "Private");
    EXPECT_EQ(tc.text(id, "sh"), "Rainbow Arts");
    EXPECT_TRUE(tc.null(id, "df3"));
    EXPECT_EQ(tc.text(id, "voto"), "9") << "not the editor's field";
}

TEST_F(RecordEditorTest, RefusalsAndADeletedGameKeepTheEdits)
{
    RecordEditor *w = open(EditMode::New, 0, "C64");
    click(w, "saveButton");
    edit(w, "titleEdit")->setText("No machine");
    machine(w)->setCurrentText("");
    click(w, "saveButton");
    EXPECT_EQ(tc.dialogs.messages(), QStringList(2, "Insert TITLE and C64/Amiga"));
    EXPECT_EQ(tc.catalogue.count(), 0);

    const int id = tc.catalogue.addGame({{"titolo", "Kept"}, {"formato", "C64"}, {"team", "T"}});
    w = open(EditMode::Modify, id);
    EXPECT_EQ(edit(w, "titleEdit")->text(), "Kept") << "opened again, it takes the new request";
    edit(w, "teamEdit")->setText("Changed team");
    tc.dialogs.answers = {false};
    click(w, "modifyButton");
    EXPECT_EQ(edit(w, "teamEdit")->text(), "T") << "declining shows the game as stored";
    click(w, "closeButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::RecordEditor));
    EXPECT_EQ(tc.text(id, "team"), "T");

    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    w = open(EditMode::Modify, id);
    tc.remove(id);
    edit(w, "teamEdit")->setText("Typed by the user");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("no longer in the catalogue"));
    EXPECT_EQ(edit(w, "teamEdit")->text(), "Typed by the user");
    EXPECT_EQ(tc.catalogue.count(), 0) << "nothing was added instead";
    EXPECT_EQ(saved.size(), 0);
}

TEST_F(RecordEditorTest, EachPickButtonTakesOnlyThePickItWaitsFor)
{
    const struct {
        const char *button, *machine;
        ChooserPurpose purpose;
        const char *folder, *target;
    } cases[] = {
        {"pickScreenshot1Button", "C64", ChooserPurpose::Screenshot1, "screen64", "screenshot1"},
        {"pickScreenshot2Button", "Amiga 2.x", ChooserPurpose::Screenshot2, "screenamiga",
         "screenshot2"},
        {"pickGameButton", "C128", ChooserPurpose::GameFile, "game64", "gameFile"},
        {"pickDrive1Button", "Amiga 1.3", ChooserPurpose::GameFile, "gameamiga", "drive1"},
        {"pickDrive3Button", "Amiga 3.x", ChooserPurpose::GameFile, "gameamiga", "drive3"},
        {"pickMusicButton", "C64", ChooserPurpose::MusicFile, "music64", "musicFile"},
        {"pickMusicButton", "Amiga 1.3", ChooserPurpose::MusicFile, "musicamiga", "musicFile"},
    };
    RecordEditor *w = open(EditMode::New);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        machine(w)->setCurrentText(c.machine);
        click(w, c.button);
        auto *chooser = tc.windows.find<FileChooser>(WindowKey::FileChooser);
        ASSERT_TRUE(chooser);
        EXPECT_EQ(control<BrowsingPane>(chooser, "browsingPane")->folder(), dirs.value(c.folder));
        const auto other = c.purpose == ChooserPurpose::MusicFile ? ChooserPurpose::GameFile
                                                                  : ChooserPurpose::MusicFile;
        Q_EMIT tc.events().filePicked(other, "/other/purpose");
        Q_EMIT tc.events().filePicked(c.purpose, QString("/picked/") + c.target);
        Q_EMIT tc.events().filePicked(c.purpose, "/second/pick");
        EXPECT_EQ(edit(w, QString(c.target) + "Edit")->text(), QString("/picked/") + c.target);
        chooser->close();
    }
    EXPECT_EQ(tc.catalogue.count(), 0) << "a pick only changes the box";
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "no bare \"Amiga\" machine";
}

TEST_F(RecordEditorTest, AGameFilePickedInTheChooserReachesItsBox)
{
    const QString file = writeFile(dirs.value("game64").toString() + "/elite.d64");
    RecordEditor *w = open(EditMode::New, 0, "C64");
    click(w, "pickGameButton");
    QWidget *chooser = tc.windows.find(WindowKey::FileChooser);
    auto *files = control<QListWidget>(chooser, "fileList");
    files->setCurrentItem(files->findItems("elite.d64", Qt::MatchExactly).value(0));
    click(chooser, "okButton");
    EXPECT_EQ(edit(w, "gameFileEdit")->text(), file);
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
}

TEST_F(RecordEditorTest, BareAmigaAsksForTheOtherDrivesAndDFxOpensThem)
{
    RecordEditor *w = open(EditMode::New, 0, "C64");
    auto *group = control<QGroupBox>(w, "diskGroup");
    auto *disks = control<QPushButton>(w, "disksButton");
    EXPECT_TRUE(group->isHidden());
    EXPECT_TRUE(disks->isHidden());
    machine(w)->setCurrentText("Amiga 1.3");
    EXPECT_FALSE(disks->isHidden());
    click(w, "disksButton");
    EXPECT_FALSE(group->isHidden());
    EXPECT_TRUE(disks->isHidden());
    machine(w)->setCurrentText("Amiga 2.x");
    EXPECT_TRUE(disks->isHidden()) << "the open group keeps the button away";
    click(w, "closeDisksButton");
    EXPECT_TRUE(group->isHidden());
    EXPECT_FALSE(disks->isHidden());

    machine(w)->setCurrentText("Amiga");
    tc.dialogs.answers = {false, true};
    for (bool opened : {false, true}) {
        click(w, "pickGameButton");
        Q_EMIT tc.events().filePicked(ChooserPurpose::GameFile, "/games/a.adf");
        EXPECT_EQ(group->isHidden(), !opened);
    }
    EXPECT_EQ(tc.dialogs.questions(), QStringList(2, "Configure other Amiga drives?"));
    click(w, "pickDrive1Button");
    Q_EMIT tc.events().filePicked(ChooserPurpose::GameFile, "/games/b.adf");
    EXPECT_EQ(tc.dialogs.questions().size(), 2) << "not asked again with the group open";
    EXPECT_EQ(edit(w, "drive1Edit")->text(), "/games/b.adf");
    EXPECT_EQ(edit(w, "gameFileEdit")->text(), "/games/a.adf");
}

TEST_F(RecordEditorTest, NoPickLeavesTheBoxAloneAndAnUnreadGameIsNeverOverwritten)
{
    RecordEditor *w = open(EditMode::New, 0, "C64");
    edit(w, "screenshot1Edit")->setText("/shots/kept.png");
    click(w, "pickScreenshot1Button");
    tc.windows.find(WindowKey::FileChooser)->close(); // closed without "OK"
    flushDeletes();
    Q_EMIT tc.events().filePicked(ChooserPurpose::Screenshot1, "/after/close");
    tc.catalogue.setConfig({{"screen64", QVariant()}});
    click(w, "pickScreenshot1Button");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
    Q_EMIT tc.events().filePicked(ChooserPurpose::Screenshot1, "/somewhere/stale");
    EXPECT_EQ(edit(w, "screenshot1Edit")->text(), "/shots/kept.png");
    w->close();

    // Storing the empty boxes of a game that could not be read would blank it.
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Fb"}});
    tc.hideGames(true);
    w = open(EditMode::Modify, id);
    tc.hideGames(false);
    EXPECT_TRUE(edit(w, "titleEdit")->text().isEmpty());
    edit(w, "titleEdit")->setText("Elite");
    machine(w)->setCurrentText("C64");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("Nothing was written"));
    EXPECT_EQ(tc.text(id, "sh"), "Fb");
    EXPECT_TRUE(tc.null(id, "dbver"));
    tc.dialogs.answers = {false}; // declining reloads the game; once read, Modify stores again
    click(w, "modifyButton");
    EXPECT_EQ(edit(w, "publisherEdit")->text(), "Fb");
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(id, "dbver"), "Private");
}
