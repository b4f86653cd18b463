#include "browsingpane.h"
#include "disklistbox.h"
#include "editingtest.h"
#include "recordeditor.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

class RecordEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *d : {"game64", "gameamiga", "music64", "musicamiga", "screen64"})
            dirs.insert(d, QFileInfo(writeFile(tc.catalogue.dir() + "/" + d + "/f")).path());
        tc.catalogue.setConfig(dirs);
    }
    RecordEditor *open(EditMode mode, int id = 0, const QString &machineText = {})
    {
        auto *w = tc.open<RecordEditor>(RecordEditorRequest{id, mode});
        machine(w)->setCurrentText(machineText);
        return w;
    }
    static QComboBox *machine(QWidget *w) { return control<QComboBox>(w, "machineBox"); }
    void pick(ChooserPurpose p, const QString &path) { Q_EMIT tc.events().filePicked(p, path); }

    EditingContext tc;
    QVariantMap dirs;
};

} // namespace

TEST_F(RecordEditorTest, NewModeAddsGamesInARowAndReportsEach)
{
    QSignalSpy added(&tc.events(), &WindowEvents::gameAdded);
    RecordEditor *w = open(EditMode::New, 0, "C64");
    edit(w, "titleEdit")->setText("Elite");
    control<QPlainTextEdit>(w, "noteEdit")->setPlainText("Docked at Lave");
    tc.dialogs.answers = {false, true};
    click(w, "saveButton");
    EXPECT_EQ(tc.catalogue.count(), 0) << "answered No";
    machine(w)->setCurrentText(" ");
    click(w, "saveButton");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Insert TITLE and C64/Amiga"});
    machine(w)->setCurrentText("C64");
    click(w, "saveButton");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm adding Elite?");
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(tc.text(added.at(0).at(0).toInt(), "note"), "Docked at Lave");
    // Emptied for the next game, the title box has the focus.
    EXPECT_EQ(w->focusWidget(), edit(w, "titleEdit"));
    edit(w, "titleEdit")->setText("Speedball 2");
    machine(w)->setCurrentText("Amiga");
    click(w, "saveButton");
    EXPECT_EQ(tc.catalogue.count("titolo = 'Speedball 2' and note is null and dbver is null"), 1);
}

TEST_F(RecordEditorTest, ModifyShowsEveryFieldAndStoresThemAsPrivate)
{
    const QStringList pairs =
        QString("title:titolo publisher:sh genre:tipo team:team year:year design:design "
                "programming:programming graphics:graphics music:music additionalDesign:adddesign "
                "additionalProgramming:addprogramming additionalGraphics:addgraphics "
                "additionalMusic:addmusic gameFile:emul1 musicFile:song screenshot1:screen1 "
                "screenshot2:screen2 floppy1:df1 floppy2:df2 floppy3:df3")
            .split(' ');
    QVariantMap game = {{"formato", "Amiga"}, {"others", "Thanks"}, {"voto", "9"}};
    for (const QString &pair : pairs)
        game.insert(pair.section(':', 1), pair);
    const int id = tc.catalogue.addGame(game);
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    RecordEditor *w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    for (const QString &pair : pairs)
        EXPECT_EQ(edit(w, pair.section(':', 0, 0) + "Edit")->text(), pair);
    EXPECT_EQ(machine(w)->currentText(), "Amiga");
    edit(w, "floppy3Edit")->clear();
    tc.dialogs.answers = {false};
    click(w, "modifyButton");
    EXPECT_EQ(edit(w, "floppy3Edit")->text(), "floppy3:df3") << "declining reloads";
    edit(w, "floppy3Edit")->clear();
    click(w, "modifyButton");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm Modify title:titolo?");
    EXPECT_EQ(saved.value(0).value(0).toInt(), id);
    EXPECT_EQ(tc.text(id, "dbver"), "Private");
    EXPECT_TRUE(tc.null(id, "df3"));
    EXPECT_EQ(tc.text(id, "voto"), "9") << "not the editor's field";
    EXPECT_FALSE(tc.isOpen(WindowKey::RecordEditor));
}

TEST_F(RecordEditorTest, EachPickButtonTakesOnlyThePickItWaitsFor)
{
    using P = ChooserPurpose;
    const struct {
        const char *button, *machine;
        P purpose;
        const char *folder, *target;
    } cases[] = {
        {"pickScreenshot1Button", "C64", P::Screenshot1, "screen64", "screenshot1Edit"},
        {"pickGameButton", "C128", P::GameFile, "game64", "gameFileEdit"},
        {"pickFloppy1Button", "Amiga 1.3", P::GameFile, "gameamiga", "floppy1Edit"},
        {"pickFloppy2Button", "Amiga 1.3", P::GameFile, "gameamiga", "floppy2Edit"},
        {"pickFloppy3Button", "Amiga 1.3", P::GameFile, "gameamiga", "floppy3Edit"},
        {"pickMusicButton", "Amiga 1.3", P::MusicFile, "musicamiga", "musicFileEdit"},
    };
    RecordEditor *w = open(EditMode::New);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        machine(w)->setCurrentText(c.machine);
        click(w, c.button);
        QWidget *chooser = tc.windows.find(WindowKey::FileChooser);
        ASSERT_TRUE(chooser);
        EXPECT_EQ(control<BrowsingPane>(chooser, "browsingPane")->folder(), dirs.value(c.folder));
        pick(c.purpose == P::MusicFile ? P::GameFile : P::MusicFile, "/other/purpose");
        pick(c.purpose, "/picked");
        pick(c.purpose, "/second/pick");
        EXPECT_EQ(edit(w, c.target)->text(), "/picked");
        chooser->close();
    }
}

TEST_F(RecordEditorTest, FurtherDisksAreAddedMovedRemovedAndSavedWithTheGame)
{
    CatalogueStore store(tc.catalogue.db());
    const int id = tc.catalogue.addGame({{"titolo", "Set"}, {"formato", "C64"}});
    ASSERT_TRUE(store.setMoreDisks(id, {"/d/2.d64"}).ok());
    QSignalSpy added(&tc.events(), &WindowEvents::gameAdded);
    for (const bool modifying : {true, false}) {
        SCOPED_TRACE(modifying);
        RecordEditor *w = modifying
                              ? tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify})
                              : open(EditMode::New, 0, "C64");
        edit(w, "titleEdit")->setText("Set");
        for (const char *disk : {"/d/3.d64", "/d/4.d64"}) {
            click(w, "addDiskButton");
            pick(ChooserPurpose::GameFile, disk);
        }
        EXPECT_TRUE(edit(w, "gameFileEdit")->text().isEmpty());
        click(w, modifying ? "diskUpButton" : "removeDiskButton"); // the disk added last
        tc.dialogs.answers = {true};
        click(w, modifying ? "modifyButton" : "saveButton");
        w->close();
    }
    EXPECT_EQ(store.moreDisks(id).valueOr({}), (QStringList{"/d/2.d64", "/d/4.d64", "/d/3.d64"}));
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(store.moreDisks(added.at(0).at(0).toInt()).valueOr({}), QStringList{"/d/3.d64"});
}

TEST_F(RecordEditorTest, BareAmigaAsksForTheOtherDrivesAndDFxOpensThem)
{
    RecordEditor *w = open(EditMode::New, 0, "Amiga 1.3");
    click(w, "disksButton");
    EXPECT_FALSE(shown(w, "disksButton")) << "the open group keeps the button away";
    click(w, "closeDisksButton");

    machine(w)->setCurrentText("Amiga");
    tc.dialogs.answers = {false, true};
    for (bool opened : {false, true}) {
        click(w, "pickGameButton");
        pick(ChooserPurpose::GameFile, "/games/a.adf");
        EXPECT_EQ(shown(w, "diskGroup"), opened);
    }
    EXPECT_EQ(tc.dialogs.questions(), QStringList(2, "Configure other Amiga drives?"));
    click(w, "pickFloppy1Button");
    pick(ChooserPurpose::GameFile, "/games/b.adf");
    EXPECT_EQ(tc.dialogs.questions().size(), 2) << "not asked again with the group open";
}

TEST_F(RecordEditorTest, NoPickLeavesTheBoxAloneAndAnUnreadGameIsNeverOverwritten)
{
    RecordEditor *w = open(EditMode::New, 0, "C64");
    writeFile(dirs.value("game64").toString() + "/g.d64");
    click(w, "pickGameButton");
    QWidget *chooser = tc.windows.find(WindowKey::FileChooser);
    auto *files = control<QListWidget>(chooser, "fileList");
    files->setCurrentItem(files->findItems("g.d64", Qt::MatchExactly).value(0));
    click(chooser, "okButton");
    EXPECT_EQ(edit(w, "gameFileEdit")->text(), dirs.value("game64").toString() + "/g.d64");
    click(w, "pickScreenshot1Button");
    tc.windows.find(WindowKey::FileChooser)->close(); // closed without "OK"
    flushDeletes();
    pick(ChooserPurpose::Screenshot1, "/after/close");
    tc.catalogue.setConfig({{"screen64", "/no/such/folder"}});
    click(w, "pickScreenshot1Button");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
    pick(ChooserPurpose::Screenshot1, "/somewhere/stale");
    EXPECT_EQ(edit(w, "screenshot1Edit")->text(), "");

    // Storing the empty boxes of a game that could not be read would blank it.
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Fb"}});
    tc.hideGames(true);
    w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    tc.hideGames(false);
    edit(w, "titleEdit")->setText("Elite");
    machine(w)->setCurrentText("C64");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("Nothing was written"));
    EXPECT_TRUE(tc.null(id, "dbver"));
    tc.dialogs.answers = {false}; // declining reloads the game; once read, Modify stores again
    click(w, "modifyButton");
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(id, "dbver"), "Private");
}

TEST_F(RecordEditorTest, OnlyTheSixMachineCodesAreStoredAndChecksComeBeforeTheQuestion)
{
    const int odd = tc.catalogue.addGame({{"titolo", "Zed"}, {"formato", "Spectrum"}});
    RecordEditor *w = open(EditMode::New, 0, "ZX81");
    edit(w, "titleEdit")->setText("Manic Miner");
    click(w, "saveButton");
    EXPECT_TRUE(tc.dialogs.questions().isEmpty());
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"The machine must be one of: Amiga 1.3, Amiga "
                                                 "2.x, Amiga 3.x, Amiga, C64, C128"});
    EXPECT_EQ(tc.catalogue.count(), 1);
    machine(w)->setCurrentText(" c128 ");
    click(w, "saveButton");
    EXPECT_EQ(tc.catalogue.count("titolo = 'Manic Miner' and formato = 'C128'"), 1);

    // A game imported with another code shows it, and is stored only with one of the six.
    tc.dialogs.clear();
    w = tc.open<RecordEditor>(RecordEditorRequest{odd, EditMode::Modify});
    EXPECT_EQ(machine(w)->currentText(), "Spectrum");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.dialogs.questions().isEmpty());
    EXPECT_EQ(tc.text(odd, "formato"), "Spectrum");
    machine(w)->setCurrentText("C64");
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(odd, "formato"), "C64");
}

TEST_F(RecordEditorTest, ClosingWithChangesAsksSaveDiscardOrCancelAndEnterSaves)
{
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}});
    RecordEditor *w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    w->close();
    EXPECT_TRUE(tc.dialogs.questions().isEmpty()) << "nothing changed";
    w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    edit(w, "titleEdit")->setText("Elite Plus");
    tc.dialogs.answers = {false, false}; // Cancel: the window stays
    w->close();
    EXPECT_EQ(tc.dialogs.questions(), (QStringList{"Save the changes to Elite Plus before closing?",
                                                   "Close and discard the changes?"}));
    EXPECT_TRUE(tc.isOpen(WindowKey::RecordEditor));
    tc.dialogs.answers = {true}; // Save
    w->close();
    EXPECT_EQ(tc.text(id, "titolo"), "Elite Plus");
    EXPECT_FALSE(tc.isOpen(WindowKey::RecordEditor));

    w = open(EditMode::New, 0, "C64");
    edit(w, "titleEdit")->setText("Thrust");
    tc.dialogs.answers = {false, true}; // Discard
    w->close();
    EXPECT_FALSE(tc.isOpen(WindowKey::RecordEditor));
    EXPECT_EQ(tc.catalogue.count(), 1);

    // Enter presses Modify or Save, but not in the note.
    tc.dialogs.clear();
    w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    tc.dialogs.answers = {false}; // declining reloads
    QTest::keyClick(control<QPlainTextEdit>(w, "noteEdit"), Qt::Key_Return);
    EXPECT_TRUE(tc.dialogs.questions().isEmpty()) << "a new line in the note";
    QTest::keyClick(edit(w, "yearEdit"), Qt::Key_Return);
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Confirm Modify Elite Plus?"});

    w = open(EditMode::New, 0, "C64");
    edit(w, "titleEdit")->setText("Thrust");
    QTest::keyClick(machine(w), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm adding Thrust?");
    EXPECT_EQ(tc.catalogue.count("titolo = 'Thrust'"), 1);
}

// Another program (merrow, a second vantrel) changed the game while it was open here.
TEST_F(RecordEditorTest, ChangesMadeElsewhereMeanwhileAreOverwrittenOnlyWhenTold)
{
    const int id = tc.catalogue.addGame(
        {{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}, {"year", "1985"}});
    RecordEditor *w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    edit(w, "yearEdit")->setText("1984");
    const auto elsewhere = [this, id](const char *set) {
        tc.elsewhere(QString("update tabella1 set %1 where id=?").arg(set), {id});
    };
    elsewhere("titolo = 'Elite Plus', sh = 'Acornsoft', year = '1984', voto = '9'");
    tc.dialogs.choices = {2}; // Cancel
    click(w, "modifyButton");
    const FakeDialogs::Shown asked = tc.dialogs.shown.last();
    ASSERT_EQ(asked.kind, FakeDialogs::Shown::Choice);
    // The year was changed to the same value on both sides and the rating is not shown here:
    // nothing of them is lost.
    EXPECT_TRUE(asked.text.startsWith(
        "Another program changed Elite Plus while it was open here: Title, Publisher.\n\n"))
        << asked.text.toStdString();
    EXPECT_EQ(asked.buttons, (QStringList{"&Overwrite", "&Reload", "Cancel"}));
    EXPECT_EQ(tc.text(id, "titolo"), "Elite Plus");
    EXPECT_TRUE(tc.null(id, "dbver"));
    EXPECT_EQ(edit(w, "titleEdit")->text(), "Elite") << "cancelled, the edits stay";

    tc.dialogs.choices = {1}; // Reload
    click(w, "modifyButton");
    EXPECT_EQ(edit(w, "publisherEdit")->text(), "Acornsoft");
    EXPECT_TRUE(tc.isOpen(WindowKey::RecordEditor));
    edit(w, "genreEdit")->setText("Space");
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(id, "tipo"), "Space") << "reloaded, it saves unasked";
    EXPECT_EQ(tc.text(id, "titolo"), "Elite Plus");
    EXPECT_EQ(tc.dialogs.questions().filter("Another program").size(), 2);

    // The further disks are guarded as the fields are.
    w = tc.open<RecordEditor>(RecordEditorRequest{id, EditMode::Modify});
    w->findChild<DiskListBox *>()->appendDisk("/d/mine.d64");
    CatalogueStore store(tc.catalogue.db());
    ASSERT_TRUE(store.setMoreDisks(id, {"/d/theirs.d64"}).ok());
    tc.dialogs.choices = {0}; // Overwrite
    click(w, "modifyButton");
    EXPECT_TRUE(tc.dialogs.shown.last().text.startsWith(
        "Another program changed Elite Plus while it was open here: Further Disks.\n\n"));
    EXPECT_EQ(store.moreDisks(id).valueOr({}), QStringList{"/d/mine.d64"});
}
