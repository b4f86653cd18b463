#include "editingtest.h"
#include "recordeditor.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

class RecordEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *d :
             {"game64", "gameamiga", "music64", "musicamiga", "screen64", "screenamiga"}) {
            QDir(tc.catalogue.dir()).mkpath(d);
            dirs.insert(d, QDir::toNativeSeparators(tc.catalogue.dir() + "/" + d + "/"));
        }
        tc.catalogue.setConfig(dirs);
    }
    Credits *open(const QString &mode, int id = 0, const QString &kind = {})
    {
        tc.app().editmode = mode;
        tc.app().selectedid = id;
        auto *w = qobject_cast<Credits *>(showWindow(tc.app(), "Credits"));
        if (w && !kind.isNull())
            machine(w)->setCurrentText(kind);
        return w;
    }
    QComboBox *machine(Credits *w) { return control<QComboBox>(w, "formato"); }
    QPlainTextEdit *note(Credits *w) { return control<QPlainTextEdit>(w, "note"); }
    // A pick as the chooser leaves it, taken when the editor becomes active again.
    void pick(Credits *w, const QString &path)
    {
        tc.app().browsepath = path;
        w->Form_Activate();
    }
    QString last() { return tc.dialogs.messages().value(tc.dialogs.messages().size() - 1); }

    EditingContext tc;
    QVariantMap dirs;
};

} // namespace

TEST_F(RecordEditor, NewModeSavesGamesInARowWithNullOrigin)
{
    Credits *w = open("new", 0, "C64");
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->windowTitle() == "Insert New Game" &&
                control<QPushButton>(w, "Modify")->isHidden());
    box(w, "titolo")->setText("Elite");
    box(w, "SH")->setText("Firebird");
    note(w)->setPlainText("Docked at Lave");
    tc.dialogs.answers = {false, true};
    click(w, "SaveRecord");
    EXPECT_EQ(tc.catalogue.count() + box(w, "titolo")->text().size(), 5) << "answered No";
    click(w, "SaveRecord");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm adding Elite?");
    // Emptied for the next game, the title box has the focus.
    EXPECT_EQ(box(w, "titolo")->text() + machine(w)->currentText() + note(w)->toPlainText(), "");
    EXPECT_EQ(w->focusWidget(), box(w, "titolo"));
    box(w, "titolo")->setText("Speedball 2");
    QTest::keyClicks(machine(w)->lineEdit(), "Amiga");
    click(w, "SaveRecord");
    EXPECT_TRUE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(tc.catalogue.count("sh = 'Firebird' and note = 'Docked at Lave'"), 1);
    EXPECT_EQ(tc.catalogue.count("titolo = 'Speedball 2' and formato = 'Amiga'"), 1);
    EXPECT_EQ(tc.catalogue.count("dbver is null and team is null and emul1 is null"), 2);
    EXPECT_TRUE(tc.dialogs.messages().isEmpty());
}

TEST_F(RecordEditor, RefusalsCloseAndAGameDeletedMeanwhileKeepTheData)
{
    Credits *w = open("new", 0, "C64");
    click(w, "SaveRecord");
    box(w, "titolo")->setText("No machine");
    machine(w)->setCurrentText("");
    click(w, "SaveRecord");
    EXPECT_EQ(tc.dialogs.messages(), QStringList(2, "Insert TITLE and C64/Amiga"));
    EXPECT_EQ(box(w, "titolo")->text(), "No machine");
    w->close();
    tc.dialogs.clear();

    const int id = tc.catalogue.addGame({{"titolo", "Kept"}, {"formato", "C64"}, {"team", "T"}});
    w = open("mod", id);
    box(w, "titolo")->clear();
    box(w, "team")->setText("Changed team");
    click(w, "Modify");
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Confim Modify ?"});
    EXPECT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_EQ(box(w, "team")->text(), "Changed team") << "the edits stay";
    click(w, "CloseEditor");
    EXPECT_FALSE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(tc.text(id, "titolo") + tc.text(id, "team"), "KeptT") << "Close discards";

    w = open("mod", id);
    tc.remove(id);
    box(w, "team")->setText("Typed by the user");
    click(w, "Modify");
    EXPECT_TRUE(last().contains("no longer in the catalogue"));
    EXPECT_EQ(box(w, "team")->text(), "Typed by the user");
    EXPECT_EQ(tc.catalogue.count(), 0) << "nothing was added instead";
}

TEST_F(RecordEditor, ModifyShowsEveryFieldAndTagsTheRecordPrivate)
{
    QVariantMap game = {{"formato", "Amiga"}, {"others", "Thanks"}, {"note", "N"}, {"voto", "9"}};
    const QStringList boxes =
        QString("titolo SH tipo team year design programming graphics music adddesign "
                "addprogramming addgraphics addmusic emul1 df1 df2 df3 song screen1 screen2 dbver")
            .split(' ');
    for (const QString &name : boxes)
        game.insert(name.toLower(), QString(name + " value"));
    const int id = tc.catalogue.addGame(game);
    Credits *w = open("mod", id);
    EXPECT_TRUE(w->windowTitle() == "Modify Game" &&
                control<QPushButton>(w, "SaveRecord")->isHidden());
    for (const QString &name : boxes)
        EXPECT_EQ(box(w, name)->text(), name + " value");
    EXPECT_TRUE(box(w, "id")->text() == QString::number(id) && box(w, "id")->isHidden());
    EXPECT_EQ(machine(w)->currentText() + control<QPlainTextEdit>(w, "others")->toPlainText(),
              "AmigaThanks");
    box(w, "SH")->setText("Rainbow Arts");
    box(w, "df3")->clear();
    click(w, "Modify");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confim Modify titolo value?");
    EXPECT_FALSE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(tc.text(id, "dbver") + tc.text(id, "sh"), "PrivateRainbow Arts");
    EXPECT_TRUE(tc.null(id, "df3"));
    EXPECT_EQ(tc.text(id, "note") + tc.text(id, "voto"), "N9") << "not the editor's fields";
}

TEST_F(RecordEditor, EachPickButtonAsksTheChooserAndTakesThePickOnce)
{
    const char *cases[][5] = {
        {"pickScreen1", "C64", "screen1", "screen64", "screen1"},
        {"pickScreen2", "Amiga 2.x", "screen2", "screenamiga", "screen2"},
        {"pickGame", "C128", "game", "game64", "emul1"},
        {"pickDF1", "Amiga 1.3", "game", "gameamiga", "df1"},
        {"pickDF2", "Amiga 3.x", "game", "gameamiga", "df2"},
        {"pickDF3", "Amiga 1.3", "game", "gameamiga", "df3"},
        {"pickMusic", "C64", "music", "music64", "song"},
        {"pickMusic", "Amiga 1.3", "music", "musicamiga", "song"},
    };
    Credits *w = open("new");
    for (const auto &[button, kind, mode, dir, target] : cases) {
        SCOPED_TRACE(button);
        machine(w)->setCurrentText(kind);
        click(w, button);
        EXPECT_EQ(tc.app().browsemode + tc.app().pickflag, mode + QString("yes"));
        EXPECT_EQ(tc.app().startdir, dirs.value(dir).toString());
        ASSERT_TRUE(tc.app().windows.find("sfoglia"));
        pick(w, QString("/picked/") + target);
        EXPECT_EQ(tc.app().pickflag, "no");
        pick(w, "/later/activation");
        EXPECT_EQ(box(w, target)->text(), QString("/picked/") + target);
        tc.app().windows.find("sfoglia")->close();
    }
    EXPECT_EQ(tc.catalogue.count(), 0) << "a pick only changes the box";
    EXPECT_TRUE(tc.dialogs.questions().isEmpty()) << "no bare \"Amiga\" machine";
    // The main window's player menus set pickflag without browsemode: the last box takes it.
    tc.app().pickflag = "yes";
    pick(w, "/games/browsed");
    EXPECT_EQ(box(w, "song")->text(), "/games/browsed");
}

TEST_F(RecordEditor, BareAmigaAsksForTheOtherDrivesAndDFxOpensThem)
{
    Credits *w = open("new", 0, "C64");
    auto *frame = control<QGroupBox>(w, "AmigaDisk");
    auto *dfx = control<QPushButton>(w, "DFx");
    w->Form_Activate();
    EXPECT_TRUE(frame->isHidden() && dfx->isHidden());
    machine(w)->setCurrentText("Amiga 1.3"); // no question, only the button
    click(w, "pickGame");
    pick(w, "/games/a.adf");
    EXPECT_TRUE(tc.dialogs.questions().isEmpty() && !dfx->isHidden());
    click(w, "DFx");
    EXPECT_TRUE(!frame->isHidden() && dfx->isHidden());
    w->Form_Activate();
    EXPECT_TRUE(dfx->isHidden()) << "the open frame keeps the button away";
    click(w, "CloseDisk");
    EXPECT_TRUE(frame->isHidden() && !dfx->isHidden());

    machine(w)->setCurrentText("Amiga");
    tc.dialogs.answers = {false, true};
    for (bool opened : {false, true}) {
        click(w, "pickGame");
        w->Form_Activate();
        EXPECT_EQ(frame->isHidden(), !opened);
    }
    EXPECT_EQ(tc.dialogs.questions(), QStringList(2, "Configure others Amiga drive?"));
    click(w, "pickDF1");
    pick(w, "/games/b.adf");
    EXPECT_EQ(tc.dialogs.questions().size(), 2) << "not asked again with the frame open";
    EXPECT_EQ(box(w, "df1")->text() + box(w, "emul1")->text(), "/games/b.adf/games/a.adf");
}

TEST_F(RecordEditor, ANoPickLeavesTheBoxAloneAndUnreadGameIsNeverOverwritten)
{
    Credits *w = open("new", 0, "C64");
    box(w, "screen1")->setText("/shots/kept.png");
    click(w, "pickScreen1");
    tc.app().windows.find("sfoglia")->close(); // closed without "OK"
    flushDeletes();
    w->Form_Activate();
    tc.catalogue.setConfig({{"screen64", QVariant()}});
    click(w, "pickScreen1");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    pick(w, "/somewhere/stale");
    EXPECT_EQ(box(w, "screen1")->text(), "/shots/kept.png");
    w->close();

    // Storing the empty boxes of a game that could not be read would blank it.
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Fb"}});
    tc.hideGames(true);
    w = open("mod", id);
    tc.hideGames(false);
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty());
    box(w, "titolo")->setText("Elite");
    machine(w)->setCurrentText("C64");
    click(w, "Modify");
    EXPECT_TRUE(last().contains("Nothing was written"));
    EXPECT_TRUE(tc.text(id, "sh") == "Fb" && tc.null(id, "dbver"));
    tc.dialogs.answers = {false}; // declining reloads the game; once read, Modify stores again
    click(w, "Modify");
    EXPECT_EQ(box(w, "SH")->text(), "Fb");
    click(w, "Modify");
    EXPECT_EQ(tc.text(id, "dbver") + tc.text(id, "sh"), "PrivateFb");
}
