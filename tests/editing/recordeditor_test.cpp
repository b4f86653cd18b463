#include "database.h"
#include "editingtest.h"
#include "filechooser.h"
#include "recordeditor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace
{

class RecordEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDir base(tc.catalogue.dir());
        for (const char *d :
             {"game64", "gameamiga", "music64", "musicamiga", "screen64", "screenamiga"}) {
            base.mkpath(d);
            dirs.insert(d, QDir::toNativeSeparators(base.filePath(d)) + QDir::separator());
        }
        QVariantMap config;
        for (auto it = dirs.begin(); it != dirs.end(); ++it)
            config.insert(it.key(), it.value());
        tc.catalogue.setConfig(config);
    }

    Credits *open(const QString &mode, int id = 0)
    {
        tc.app().editmode = mode;
        tc.app().selectedid = id;
        return qobject_cast<Credits *>(showWindow(tc.app(), "Credits"));
    }

    QLineEdit *box(Credits *w, const char *name) { return control<QLineEdit>(w, name); }
    QComboBox *machine(Credits *w) { return control<QComboBox>(w, "formato"); }
    void click(Credits *w, const char *name) { control<QPushButton>(w, name)->click(); }

    // What the chooser leaves behind after "OK".
    void choose(const QString &path) { tc.app().browsepath = path; }

    EditingContext tc;
    QMap<QString, QString> dirs;
};

} // namespace

TEST_F(RecordEditor, NewModeSavesSeveralGamesWithoutOriginTag)
{
    Credits *w = open("new");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Insert New Game");
    EXPECT_FALSE(control<QPushButton>(w, "SaveRecord")->isHidden());
    EXPECT_TRUE(control<QPushButton>(w, "Modify")->isHidden());

    box(w, "titolo")->setText("Elite");
    machine(w)->setCurrentText("C64");
    box(w, "SH")->setText("Firebird");
    box(w, "year")->setText("1985");
    box(w, "design")->setText("Ian Bell & David Braben");
    control<QPlainTextEdit>(w, "note")->setPlainText("Docked at Lave");
    click(w, "SaveRecord");
    ASSERT_EQ(tc.catalogue.count(), 1);
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Confirm adding Elite?"});
    EXPECT_EQ(tc.dialogs.shown.first().kind, FakeDialogs::Shown::Beep);
    EXPECT_EQ(tc.dialogs.shown.last().title, "Confirm");
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Question);

    // The boxes are empty for the next game and the title box has the focus.
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty());
    EXPECT_TRUE(box(w, "SH")->text().isEmpty());
    EXPECT_TRUE(machine(w)->currentText().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>(w, "note")->toPlainText().isEmpty());
    EXPECT_EQ(w->focusWidget(), box(w, "titolo"));

    box(w, "titolo")->setText("Speedball 2");
    QTest::keyClicks(machine(w)->lineEdit(), "Amiga");
    click(w, "SaveRecord");
    ASSERT_EQ(tc.catalogue.count(), 2);
    EXPECT_TRUE(isOpen(tc.app(), "Credits")) << "the editor stays open for the next game";

    const int elite = tc.catalogue.count("titolo = ? and formato = 'C64'", {"Elite"});
    EXPECT_EQ(elite, 1);
    EXPECT_EQ(tc.catalogue.count("titolo = 'Speedball 2' and formato = 'Amiga'"), 1)
        << "typed machine text is accepted";
    EXPECT_EQ(tc.catalogue.count("dbver is null"), 2);
    EXPECT_EQ(tc.catalogue.count("sh = 'Firebird' and year = '1985' and note = 'Docked at Lave'"),
              1);
    EXPECT_EQ(tc.catalogue.count("team is null and emul1 is null"), 2) << "empty boxes store Null";
    EXPECT_TRUE(tc.dialogs.messages().isEmpty());
}

TEST_F(RecordEditor, MachineListInItsOrderAndEditable)
{
    Credits *w = open("new");
    QComboBox *m = machine(w);
    ASSERT_TRUE(m);
    QStringList items;
    for (int i = 0; i < m->count(); ++i)
        items << m->itemText(i);
    EXPECT_EQ(items, (QStringList{"Amiga 1.3", "Amiga 2.x", "Amiga 3.x", "C64", "C128"}));
    EXPECT_TRUE(m->isEditable());
}

TEST_F(RecordEditor, EmptyTitleOrMachineIsRefusedInBothModes)
{
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
    click(w, "SaveRecord");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Insert TITLE and C64/Amiga"});
    EXPECT_EQ(tc.dialogs.shown.last().title, "Error");
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    box(w, "titolo")->setText("No machine");
    machine(w)->setCurrentText("");
    click(w, "SaveRecord");
    EXPECT_EQ(tc.dialogs.messages().size(), 2);
    EXPECT_EQ(tc.catalogue.count(), 0);
    EXPECT_EQ(box(w, "titolo")->text(), "No machine") << "the new record stays open";
    w->close();
    flushDeletes();

    const int id = tc.catalogue.addGame({{"titolo", "Kept"}, {"formato", "C64"}, {"team", "T"}});
    tc.dialogs.clear();
    w = open("mod", id);
    box(w, "titolo")->clear();
    box(w, "team")->setText("Changed team");
    click(w, "Modify");
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Confim Modify ?"});
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Insert TITLE and C64/Amiga"});
    EXPECT_TRUE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(box(w, "team")->text(), "Changed team") << "the edits stay";
    EXPECT_EQ(tc.catalogue.value(id, "titolo").toString(), "Kept");
    EXPECT_EQ(tc.catalogue.value(id, "team").toString(), "T");
}

TEST_F(RecordEditor, AnsweringNoToAddingSavesNothing)
{
    Credits *w = open("new");
    box(w, "titolo")->setText("Maybe");
    machine(w)->setCurrentText("C64");
    tc.dialogs.answers = {false};
    click(w, "SaveRecord");
    EXPECT_EQ(tc.catalogue.count(), 0);
    EXPECT_EQ(box(w, "titolo")->text(), "Maybe");
    EXPECT_TRUE(tc.dialogs.messages().isEmpty());
}

TEST_F(RecordEditor, ModifyShowsEveryFieldAndTagsTheRecordPrivate)
{
    const QVariantMap game = {{"titolo", "Turrican"},
                              {"sh", "Rainbow Arts"},
                              {"tipo", "Action"},
                              {"team", "Factor 5"},
                              {"year", "1990"},
                              {"formato", "Amiga"},
                              {"design", "Manfred Trenz"},
                              {"programming", "Holger Schmidt"},
                              {"graphics", "Trenz"},
                              {"music", "Chris Huelsbeck"},
                              {"adddesign", "a1"},
                              {"addprogramming", "a2"},
                              {"addgraphics", "a3"},
                              {"addmusic", "a4"},
                              {"others", "Thanks"},
                              {"note", "Classic"},
                              {"emul1", "/g/t1.adf"},
                              {"df1", "/g/t2.adf"},
                              {"df2", "/g/t3.adf"},
                              {"df3", "/g/t4.adf"},
                              {"song", "/m/t.mod"},
                              {"screen1", "/s/1.png"},
                              {"screen2", "/s/2.png"},
                              {"dbver", "3.2"},
                              {"voto", "9"}};
    const int id = tc.catalogue.addGame(game);
    Credits *w = open("mod", id);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Modify Game");
    EXPECT_TRUE(control<QPushButton>(w, "SaveRecord")->isHidden());
    EXPECT_FALSE(control<QPushButton>(w, "Modify")->isHidden());
    for (const char *name : {"titolo",
                             "SH",
                             "tipo",
                             "team",
                             "year",
                             "design",
                             "programming",
                             "graphics",
                             "music",
                             "adddesign",
                             "addprogramming",
                             "addgraphics",
                             "addmusic",
                             "emul1",
                             "df1",
                             "df2",
                             "df3",
                             "song",
                             "screen1",
                             "screen2",
                             "dbver"})
        EXPECT_EQ(box(w, name)->text(), game.value(QString::fromLatin1(name).toLower()).toString())
            << name;
    EXPECT_EQ(box(w, "id")->text().toInt(), id);
    EXPECT_TRUE(box(w, "id")->isHidden());
    EXPECT_TRUE(box(w, "dbver")->isHidden());
    EXPECT_EQ(machine(w)->currentText(), "Amiga");
    EXPECT_EQ(control<QPlainTextEdit>(w, "others")->toPlainText(), "Thanks");

    box(w, "SH")->setText("Rainbow Arts GmbH");
    box(w, "df3")->clear();
    click(w, "Modify");
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Confim Modify Turrican?"});
    EXPECT_EQ(tc.dialogs.shown.last().title, "Modify");
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Information);
    EXPECT_FALSE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(tc.catalogue.value(id, "dbver").toString(), "Private");
    EXPECT_EQ(tc.catalogue.value(id, "sh").toString(), "Rainbow Arts GmbH");
    EXPECT_TRUE(tc.catalogue.value(id, "df3").isNull());
    EXPECT_EQ(tc.catalogue.value(id, "note").toString(), "Classic");
    EXPECT_EQ(tc.catalogue.value(id, "voto").toString(), "9") << "not the editor's field";
}

TEST_F(RecordEditor, ModifyAnsweredNoShowsTheStoredRecordAgain)
{
    const int id = tc.catalogue.addGame({{"titolo", "Uridium"}, {"formato", "C64"}});
    Credits *w = open("mod", id);
    box(w, "titolo")->setText("Uridium 2");
    tc.dialogs.answers = {false};
    click(w, "Modify");
    EXPECT_TRUE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(box(w, "titolo")->text(), "Uridium");
    EXPECT_EQ(tc.catalogue.value(id, "titolo").toString(), "Uridium");
    EXPECT_TRUE(tc.catalogue.value(id, "dbver").isNull());
}

TEST_F(RecordEditor, CloseDiscardsEditsAndUnsavedNewGames)
{
    const int id = tc.catalogue.addGame({{"titolo", "Paradroid"}, {"formato", "C64"}});
    Credits *w = open("mod", id);
    box(w, "titolo")->setText("Paradroid 90");
    box(w, "team")->setText("Graftgold");
    click(w, "CloseEditor");
    EXPECT_FALSE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(tc.catalogue.value(id, "titolo").toString(), "Paradroid");
    EXPECT_TRUE(tc.catalogue.value(id, "team").isNull());

    w = open("new");
    box(w, "titolo")->setText("Never saved");
    machine(w)->setCurrentText("C64");
    click(w, "CloseEditor");
    EXPECT_EQ(tc.catalogue.count(), 1);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(RecordEditor, AGameDeletedMeanwhileIsReportedAndTheEditsStay)
{
    const int id = tc.catalogue.addGame({{"titolo", "Ghost"}, {"formato", "C64"}});
    Credits *w = open("mod", id);
    catalogue::run(tc.catalogue.db(), "delete from tabella1 where id=?", {id});
    box(w, "team")->setText("Typed by the user");
    click(w, "Modify");
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(isOpen(tc.app(), "Credits"));
    EXPECT_EQ(box(w, "team")->text(), "Typed by the user");
    EXPECT_EQ(tc.catalogue.count(), 0) << "nothing was added instead";
}

TEST_F(RecordEditor, OpeningAMissingGameSaysSo)
{
    Credits *w = open("mod", 4711);
    ASSERT_TRUE(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty());
}

TEST_F(RecordEditor, EachPickButtonAsksTheChooserAndTakesThePickOnActivation)
{
    struct Case {
        const char *button;
        const char *machine;
        const char *mode;
        const char *dir;
        const char *box;
    } cases[] = {
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
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        machine(w)->setCurrentText(c.machine);
        click(w, c.button);
        EXPECT_EQ(tc.app().browsemode, c.mode);
        EXPECT_EQ(tc.app().startdir, dirs.value(c.dir));
        EXPECT_EQ(tc.app().pickflag, "yes");
        auto *chooser = tc.app().windows.find<sfoglia>("sfoglia");
        ASSERT_TRUE(chooser);
        EXPECT_EQ(chooser->mode().word, c.mode);

        const QString picked = dirs.value(c.dir) + QStringLiteral("%1.file").arg(c.box);
        choose(picked);
        w->Form_Activate();
        EXPECT_EQ(box(w, c.box)->text(), picked);
        EXPECT_EQ(tc.app().pickflag, "no");
        // Nothing reached the database: the pick only changes the box.
        EXPECT_EQ(tc.catalogue.count(), 0);
        chooser->close();
        flushDeletes();
    }
    EXPECT_TRUE(tc.dialogs.questions().isEmpty()) << "no bare \"Amiga\" machine";
}

TEST_F(RecordEditor, APickIsTakenOnceAndOnlyIntoItsOwnBox)
{
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
    click(w, "pickScreen2");
    choose("/shots/two.png");
    w->Form_Activate();
    choose("/shots/other.png");
    w->Form_Activate();
    EXPECT_EQ(box(w, "screen2")->text(), "/shots/two.png");
    EXPECT_TRUE(box(w, "screen1")->text().isEmpty());
}

TEST_F(RecordEditor, BareAmigaAsksForTheOtherDrives)
{
    Credits *w = open("new");
    auto *frame = control<QGroupBox>(w, "AmigaDisk");
    auto *dfx = control<QPushButton>(w, "DFx");
    EXPECT_TRUE(frame->isHidden());

    machine(w)->setCurrentText("Amiga 1.3");
    click(w, "pickGame");
    choose("/games/a.adf");
    w->Form_Activate();
    EXPECT_TRUE(tc.dialogs.questions().isEmpty());
    EXPECT_FALSE(dfx->isHidden());

    machine(w)->setCurrentText("Amiga");
    tc.dialogs.answers = {false};
    click(w, "pickGame");
    w->Form_Activate();
    EXPECT_EQ(tc.dialogs.questions(), QStringList{"Configure others Amiga drive?"});
    EXPECT_EQ(tc.dialogs.shown.last().title, "Amiga Games");
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Question);
    EXPECT_TRUE(frame->isHidden());

    click(w, "pickGame");
    w->Form_Activate();
    EXPECT_EQ(tc.dialogs.questions().size(), 2);
    EXPECT_FALSE(frame->isHidden());
    EXPECT_TRUE(dfx->isHidden());

    // With the frame open the question is not asked again.
    click(w, "pickDF1");
    choose("/games/b.adf");
    w->Form_Activate();
    EXPECT_EQ(tc.dialogs.questions().size(), 2);
    EXPECT_EQ(box(w, "df1")->text(), "/games/b.adf");
    EXPECT_EQ(box(w, "emul1")->text(), "/games/a.adf");
}

TEST_F(RecordEditor, DFxAndCloseSwitchBetweenButtonAndFrame)
{
    Credits *w = open("new");
    auto *frame = control<QGroupBox>(w, "AmigaDisk");
    auto *dfx = control<QPushButton>(w, "DFx");
    machine(w)->setCurrentText("C64");
    w->Form_Activate();
    EXPECT_TRUE(dfx->isHidden());
    machine(w)->setCurrentText("Amiga 3.x");
    w->Form_Activate();
    EXPECT_FALSE(dfx->isHidden());
    click(w, "DFx");
    EXPECT_FALSE(frame->isHidden());
    EXPECT_TRUE(dfx->isHidden());
    w->Form_Activate();
    EXPECT_TRUE(dfx->isHidden()) << "the open frame keeps the button away";
    click(w, "CloseDisk");
    EXPECT_TRUE(frame->isHidden());
    EXPECT_FALSE(dfx->isHidden());
}

TEST_F(RecordEditor, PlayerMenusRepeatTheLastPickIntoItsBox)
{
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
    click(w, "pickMusic");
    choose("/music/first.sid");
    w->Form_Activate();
    ASSERT_EQ(box(w, "song")->text(), "/music/first.sid");

    // The main window's "C64 GamePlayer" sets pickflag without touching browsemode; the
    // free player then browses somewhere else.
    tc.app().pickflag = "yes";
    tc.app().browsepath = "/games/browsed";
    w->Form_Activate();
    EXPECT_EQ(box(w, "song")->text(), "/games/browsed");
    EXPECT_EQ(tc.app().pickflag, "no");
}

TEST_F(RecordEditor, ThroughTheRealChooserAndItsCancel)
{
    QFile shot(QDir(dirs.value("screen64")).filePath("shot.png"));
    ASSERT_TRUE(shot.open(QIODevice::WriteOnly));
    shot.close();
    const int id = tc.catalogue.addGame({{"titolo", "Boulder Dash"}, {"formato", "C64"}});
    Credits *w = open("mod", id);
    click(w, "pickScreen1");
    auto *chooser = tc.app().windows.find<sfoglia>("sfoglia");
    ASSERT_TRUE(chooser);
    auto *files = control<QListWidget>(chooser, "File1");
    ASSERT_EQ(files->count(), 1);
    files->setCurrentRow(0);
    control<QPushButton>(chooser, "Command1")->click();
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    w->Form_Activate();
    const QString picked =
        QDir::toNativeSeparators(QDir(dirs.value("screen64")).filePath("shot.png"));
    EXPECT_EQ(box(w, "screen1")->text(), picked);

    // Closed without "OK": the box keeps its pick.
    click(w, "pickScreen1");
    ASSERT_TRUE(isOpen(tc.app(), "sfoglia"));
    tc.app().windows.find("sfoglia")->close();
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    w->Form_Activate();
    EXPECT_EQ(box(w, "screen1")->text(), picked);
    EXPECT_TRUE(tc.catalogue.value(id, "screen1").isNull());
}

TEST_F(RecordEditor, ABadConfiguredDirectoryLeavesTheBoxAlone)
{
    tc.catalogue.setConfig({{"music64", QVariant()}});
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
    box(w, "song")->setText("/music/kept.sid");
    tc.app().browsepath = "/somewhere/stale";
    click(w, "pickMusic");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    w->Form_Activate();
    EXPECT_EQ(box(w, "song")->text(), "/music/kept.sid");
}

// A game the editor could not read shows empty boxes; storing them would blank the game.
TEST_F(RecordEditor, UnreadGameIsNeverOverwrittenByModify)
{
    const int id =
        tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}});
    ASSERT_TRUE(
        catalogue::run(tc.catalogue.db(), "alter table tabella1 rename to hidden").isActive());
    Credits *w = open("mod", id);
    ASSERT_TRUE(
        catalogue::run(tc.catalogue.db(), "alter table hidden rename to tabella1").isActive());
    ASSERT_TRUE(w);
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty());
    box(w, "titolo")->setText("Elite");
    machine(w)->setCurrentText("C64");
    tc.dialogs.clear();
    click(w, "Modify");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("Nothing was written"));
    EXPECT_EQ(tc.catalogue.value(id, "sh").toString(), "Firebird");
    EXPECT_TRUE(tc.catalogue.value(id, "dbver").isNull());

    // Declining reloads the game; once read, Modify stores again.
    tc.dialogs.answers = {false};
    click(w, "Modify");
    EXPECT_EQ(box(w, "SH")->text(), "Firebird");
    click(w, "Modify");
    EXPECT_EQ(tc.catalogue.value(id, "dbver").toString(), "Private");
    EXPECT_EQ(tc.catalogue.value(id, "sh").toString(), "Firebird");
}
