#include "editingtest.h"
#include "filechooser.h"
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
        QVariantMap config;
        for (const char *d :
             {"game64", "gameamiga", "music64", "musicamiga", "screen64", "screenamiga"}) {
            QDir(tc.catalogue.dir()).mkpath(d);
            config.insert(d, QDir::toNativeSeparators(tc.catalogue.dir() + "/" + d + "/"));
        }
        tc.catalogue.setConfig(config);
        dirs = config;
    }

    Credits *open(const QString &mode, int id = 0)
    {
        tc.app().editmode = mode;
        tc.app().selectedid = id;
        return qobject_cast<Credits *>(showWindow(tc.app(), "Credits"));
    }
    QComboBox *machine(Credits *w) { return control<QComboBox>(w, "formato"); }
    // A pick as the chooser leaves it, taken when the editor becomes active again.
    void pick(Credits *w, const QString &path)
    {
        tc.app().browsepath = path;
        w->Form_Activate();
    }

    EditingContext tc;
    QVariantMap dirs;
};

} // namespace

TEST_F(RecordEditor, NewModeSavesGamesInARowWithNullOrigin)
{
    Credits *w = open("new");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Insert New Game");
    EXPECT_TRUE(control<QPushButton>(w, "Modify")->isHidden());
    EXPECT_EQ(machine(w)->itemText(0) + machine(w)->itemText(4), "Amiga 1.3C128");

    box(w, "titolo")->setText("Elite");
    machine(w)->setCurrentText("C64");
    box(w, "SH")->setText("Firebird");
    control<QPlainTextEdit>(w, "note")->setPlainText("Docked at Lave");
    tc.dialogs.answers = {false, true};
    click(w, "SaveRecord");
    EXPECT_EQ(tc.catalogue.count(), 0) << "answered No";
    EXPECT_EQ(box(w, "titolo")->text(), "Elite");
    click(w, "SaveRecord");
    EXPECT_EQ(tc.dialogs.questions().last(), "Confirm adding Elite?");
    // Emptied for the next game, the title box has the focus.
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty() && machine(w)->currentText().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>(w, "note")->toPlainText().isEmpty());
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
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
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
    EXPECT_TRUE(tc.dialogs.messages().last().contains("no longer in the catalogue"));
    EXPECT_EQ(box(w, "team")->text(), "Typed by the user");
    EXPECT_EQ(tc.catalogue.count(), 0) << "nothing was added instead";
}

TEST_F(RecordEditor, ModifyShowsEveryFieldAndTagsTheRecordPrivate)
{
    QVariantMap game = {{"formato", "Amiga"}, {"others", "Thanks"}, {"note", "N"}, {"voto", "9"}};
    const QStringList boxes = QString("titolo SH tipo team year design programming graphics music "
                                      "adddesign addprogramming addgraphics addmusic emul1 df1 "
                                      "df2 df3 song screen1 screen2 dbver")
                                  .split(' ');
    for (const QString &name : boxes)
        game.insert(name.toLower(), QString(name + " value"));
    const int id = tc.catalogue.addGame(game);
    Credits *w = open("mod", id);
    EXPECT_EQ(w->windowTitle(), "Modify Game");
    EXPECT_TRUE(control<QPushButton>(w, "SaveRecord")->isHidden());
    for (const QString &name : boxes)
        EXPECT_EQ(box(w, name.toLatin1().constData())->text(), QString(name + " value"))
            << name.toStdString();
    EXPECT_EQ(box(w, "id")->text().toInt(), id);
    EXPECT_TRUE(box(w, "id")->isHidden() && box(w, "dbver")->isHidden());
    EXPECT_EQ(machine(w)->currentText(), "Amiga");
    EXPECT_EQ(control<QPlainTextEdit>(w, "others")->toPlainText(), "Thanks");

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
        EXPECT_EQ(tc.app().browsemode, mode);
        EXPECT_EQ(tc.app().startdir, dirs.value(dir).toString());
        EXPECT_EQ(tc.app().pickflag, "yes");
        auto *chooser = tc.app().windows.find<sfoglia>("sfoglia");
        ASSERT_TRUE(chooser);
        EXPECT_EQ(chooser->mode().word, mode);
        pick(w, QString("/picked/") + target);
        EXPECT_EQ(tc.app().pickflag, "no");
        pick(w, "/later/activation");
        EXPECT_EQ(box(w, target)->text(), QString("/picked/") + target);
        chooser->close();
        flushDeletes();
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
    Credits *w = open("new");
    auto *frame = control<QGroupBox>(w, "AmigaDisk");
    auto *dfx = control<QPushButton>(w, "DFx");
    machine(w)->setCurrentText("C64");
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

TEST_F(RecordEditor, ANoPickLeavesTheBoxAlone)
{
    Credits *w = open("new");
    machine(w)->setCurrentText("C64");
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
}

// A game the editor could not read shows empty boxes; storing them would blank the game.
TEST_F(RecordEditor, UnreadGameIsNeverOverwrittenByModify)
{
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Fb"}});
    tc.hideGames(true);
    Credits *w = open("mod", id);
    tc.hideGames(false);
    EXPECT_TRUE(box(w, "titolo")->text().isEmpty());
    box(w, "titolo")->setText("Elite");
    machine(w)->setCurrentText("C64");
    click(w, "Modify");
    EXPECT_TRUE(tc.dialogs.messages().last().contains("Nothing was written"));
    EXPECT_EQ(tc.text(id, "sh"), "Fb");
    EXPECT_TRUE(tc.null(id, "dbver"));

    // Declining reloads the game; once read, Modify stores again.
    tc.dialogs.answers = {false};
    click(w, "Modify");
    EXPECT_EQ(box(w, "SH")->text(), "Fb");
    click(w, "Modify");
    EXPECT_EQ(tc.text(id, "dbver") + tc.text(id, "sh"), "PrivateFb");
}
