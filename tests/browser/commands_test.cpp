#include "gamelistmodel.h"
#include "mainwindow.h"
#include "testcatalogue.h"

#include "database.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

// Every window the main window may open, as a plain stand-in that records its opening.
const QStringList kWindowNames{"Credits", "Form6",  "Form2",    "sfoglia", "Form3", "Config",
                               "Form4",   "Form10", "Form5",    "emu64",   "Form9", "amiplayer",
                               "Form7",   "Form8",  "scrshots", "About"};

class CommandsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        t.catalogue.setConfig({{"game64", "/g/c64/"},
                               {"gameamiga", "/g/amiga/"},
                               {"music64", "/m/c64/"},
                               {"musicamiga", "/m/amiga/"},
                               {"screen64", "/s/c64/"},
                               {"screenamiga", "/s/amiga/"}});
        for (const QString &name : kWindowNames)
            t.ctx->windows.addFactory(name, [this, name] {
                opened << name;
                auto *w = new QWidget;
                w->setObjectName(name);
                return w;
            });
    }
    void TearDown() override
    {
        t.ctx->windows.closeAll();
        w.reset();
    }

    int add(const QString &title, const QString &formato, const QVariant &emul1 = "/x/game",
            const QVariant &song = QVariant())
    {
        return t.catalogue.addGame(
            {{"titolo", title}, {"formato", formato}, {"emul1", emul1}, {"song", song}});
    }

    Form1 &open()
    {
        w = std::make_unique<Form1>(*t.ctx);
        t.dialogs.clear(); // an empty catalogue says so at load
        return *w;
    }

    QStringList titles() const
    {
        QStringList out;
        for (const auto &row : w->listModel()->rows())
            out << row.titolo;
        return out;
    }

    void select(int id)
    {
        const int row = w->cercaindex(id);
        ASSERT_LT(row, w->listCount());
        w->setListIndex(row);
        ASSERT_EQ(w->currentId(), id);
    }

    void expectError(const QString &text)
    {
        ASSERT_EQ(t.dialogs.shown.size(), 2);
        EXPECT_EQ(t.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(t.dialogs.shown[1].text, text);
        EXPECT_EQ(t.dialogs.shown[1].icon, Dialogs::Icon::Critical);
        EXPECT_EQ(t.dialogs.shown[1].title, "Error");
    }

    TestContext t;
    std::unique_ptr<Form1> w;
    QStringList opened;
};

} // namespace

TEST_F(CommandsTest, PlayOpensThePlayerOfTheMachine)
{
    const int c64 = add("A", "C64", "/g/a.d64");
    const int c128 = add("B", "C128", "/g/b.t64");
    const int amiga = add("C", "Amiga", "/g/c.adf");
    const int a13 = add("D", "Amiga 1.3", "/g/d.adf");
    const int a2 = add("E", "Amiga 2.x", "/g/e.adf");
    const int a3 = add("F", "Amiga 3.x", "/g/f.adf");
    Form1 &f = open();

    for (const auto &[id, file] : {std::pair{c64, "/g/a.d64"}, std::pair{c128, "/g/b.t64"}}) {
        select(id);
        t.ctx->selectedid = -1;
        opened.clear();
        f.NmButton8->click();
        EXPECT_EQ(opened, QStringList{"emu64"});
        EXPECT_EQ(t.ctx->gamefile, file);
        EXPECT_EQ(t.ctx->selectedid, -1) << "the C64 player reads gamefile only";
        t.ctx->windows.closeAll();
    }
    for (int id : {amiga, a13, a2, a3}) {
        select(id);
        t.ctx->gamefile = "untouched";
        opened.clear();
        f.NmButton8->click();
        EXPECT_EQ(opened, QStringList{"Form9"});
        EXPECT_EQ(t.ctx->selectedid, id);
        EXPECT_EQ(t.ctx->gamefile, "untouched");
        t.ctx->windows.closeAll();
    }
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

TEST_F(CommandsTest, PlayOnAnotherFormatDoesNothingAndWithoutFileReports)
{
    add("A", "C64", "/g/a.d64");
    const int spectrum = add("Z", "Spectrum", "/g/z.tap");
    const int noFile = add("N", "C64", QVariant());
    const int emptyFile = add("O", "Amiga", "");
    Form1 &f = open();
    ASSERT_TRUE(f.showGame(spectrum)); // not listed by the machine filter; shown all the same
    f.NmButton8_Click();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    for (int id : {noFile, emptyFile}) {
        select(id);
        t.dialogs.clear();
        f.NmButton8->click();
        expectError("No file selected for this game");
        EXPECT_TRUE(opened.isEmpty());
    }
}

TEST_F(CommandsTest, PlayReadsTheGameAgain)
{
    // A file attached behind the window's back (chooser, association editor) counts.
    const int id = add("A", "C64", QVariant());
    Form1 &f = open();
    catalogue::run(t.catalogue.db(), "update tabella1 set emul1='/g/new.d64' where id=?", {id});
    f.NmButton8->click();
    EXPECT_EQ(opened, QStringList{"emu64"});
    EXPECT_EQ(t.ctx->gamefile, "/g/new.d64");
}

TEST_F(CommandsTest, PlayMusicNeedsASong)
{
    const int silent = add("A", "C64");
    const int song = add("B", "Amiga", "/g/b.adf", "/m/b.mod");
    const int emptySong = add("C", "C64", "/g/c.d64", "");
    Form1 &f = open();
    for (int id : {silent, emptySong}) {
        select(id);
        t.dialogs.clear();
        f.NmButton7->click();
        expectError("No song configured for this game");
    }
    EXPECT_TRUE(opened.isEmpty());
    select(song);
    t.dialogs.clear();
    f.NmButton7->click();
    EXPECT_EQ(opened, QStringList{"Form7"});
    EXPECT_EQ(t.ctx->selectedid, song);
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

TEST_F(CommandsTest, InfoTakesTheSelectedEntryOrTheShownGame)
{
    add("A", "C64");
    const int b = add("B", "C64");
    Form1 &f = open();
    select(b);
    f.NmButton1->click();
    EXPECT_EQ(opened, QStringList{"Form2"});
    EXPECT_EQ(t.ctx->selectedid, b);
    t.ctx->windows.closeAll();

    f.setListIndex(-1);
    t.ctx->selectedid = 0;
    f.NmButton1->click();
    EXPECT_EQ(t.ctx->selectedid, b) << "the game in the panel";
}

TEST_F(CommandsTest, NewAndModifyPrepareTheEditor)
{
    add("A", "C64");
    const int b = add("B", "Amiga");
    Form1 &f = open();
    f.NmButton2->click();
    EXPECT_EQ(opened, QStringList{"Credits"});
    EXPECT_EQ(t.ctx->editmode, "new");
    EXPECT_EQ(t.ctx->refreshflag, "yes");
    t.ctx->windows.closeAll();

    select(b);
    t.ctx->refreshflag = "no";
    f.NmButton3->click();
    EXPECT_EQ(opened.last(), "Credits");
    EXPECT_EQ(t.ctx->editmode, "mod");
    EXPECT_EQ(t.ctx->selectedid, b);
    EXPECT_EQ(t.ctx->savedlistindex, 1);
    EXPECT_EQ(t.ctx->refreshflag, "yes");
}

TEST_F(CommandsTest, DoubleClickOnTheListModifies)
{
    add("A", "C64");
    const int b = add("B", "C64");
    Form1 &f = open();
    f.setListIndex(1);
    Q_EMIT f.List1->doubleClicked(f.listModel()->index(1));
    EXPECT_EQ(opened, QStringList{"Credits"});
    EXPECT_EQ(t.ctx->editmode, "mod");
    EXPECT_EQ(t.ctx->selectedid, b);
    EXPECT_EQ(t.ctx->savedlistindex, 1);
}

TEST_F(CommandsTest, DeleteAMiddleEntrySelectsTheOneThatMovedUp)
{
    add("A", "C64");
    const int b = add("B' \"quoted\"", "C64");
    const int c = add("C", "C64");
    Form1 &f = open();
    select(b);
    f.NmButton5->click();
    ASSERT_EQ(t.dialogs.shown.size(), 2);
    EXPECT_EQ(t.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
    EXPECT_EQ(t.dialogs.shown[1].kind, FakeDialogs::Shown::Question);
    EXPECT_EQ(t.dialogs.shown[1].text, "Confim Delete B' \"quoted\"?");
    EXPECT_EQ(t.dialogs.shown[1].icon, Dialogs::Icon::Information);
    EXPECT_EQ(t.dialogs.shown[1].title, "Delete");
    EXPECT_EQ(t.catalogue.count("id=?", {b}), 0);
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(titles(), (QStringList{"A", "C"}));
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.currentId(), c);
    EXPECT_EQ(f.Frame1->title(), "C");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
    EXPECT_EQ(f.lbldisplay->text(), "2");
}

TEST_F(CommandsTest, DeleteTheLastEntrySelectsTheOneBefore)
{
    add("A", "C64");
    const int b = add("B", "C64");
    const int c = add("C", "C64");
    Form1 &f = open();
    select(c);
    f.NmButton5->click();
    EXPECT_EQ(t.catalogue.count("id=?", {c}), 0);
    EXPECT_EQ(titles(), (QStringList{"A", "B"}));
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.currentId(), b);
    EXPECT_EQ(f.Frame1->title(), "B");
}

TEST_F(CommandsTest, DeleteAnsweredNoChangesNothing)
{
    add("A", "C64");
    const int b = add("B", "C64");
    Form1 &f = open();
    select(b);
    t.dialogs.answers = {false};
    f.NmButton5->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confim Delete B?"});
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(titles(), (QStringList{"A", "B"}));
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.currentId(), b);
}

TEST_F(CommandsTest, DeleteWithoutSelectionAsksFirstThenRefuses)
{
    add("A", "C64");
    add("B", "C64");
    Form1 &f = open();
    f.setListIndex(-1);
    f.NmButton5->click();
    ASSERT_EQ(t.dialogs.shown.size(), 3);
    EXPECT_EQ(t.dialogs.shown[1].kind, FakeDialogs::Shown::Question);
    EXPECT_EQ(t.dialogs.shown[2].kind, FakeDialogs::Shown::Message);
    EXPECT_EQ(t.dialogs.shown[2].text, "Deletion Error. Select Game.");
    EXPECT_EQ(t.dialogs.shown[2].icon, Dialogs::Icon::Information);
    EXPECT_EQ(t.dialogs.shown[2].title, "Attention");
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(f.listCount(), 2);
}

TEST_F(CommandsTest, ARefusedDeleteIsReportedAndChangesNothing)
{
    add("A", "C64");
    const int b = add("B", "C64");
    Form1 &f = open();
    select(b);
    catalogue::run(t.catalogue.db(), "create trigger keep before delete on tabella1 "
                                     "begin select raise(abort, 'kept'); end");
    f.NmButton5->click();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages()[0].startsWith("The game could not be deleted: "));
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(titles(), (QStringList{"A", "B"}));
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.currentId(), b);
}

TEST_F(CommandsTest, DeletingTheOnlyGameEmptiesThePanel)
{
    const int a = add("A", "C64", "/g/a.d64", "/m/a.sid");
    Form1 &f = open();
    select(a);
    f.NmButton5->click();
    EXPECT_EQ(t.catalogue.count(), 0);
    EXPECT_EQ(f.listCount(), 0);
    EXPECT_EQ(f.currentId(), 0);
    EXPECT_EQ(f.Frame1->title(), "");
    EXPECT_EQ(f.lbldisplay->text(), "0");
    // Nothing is shown any more, so the commands on the shown game only beep.
    t.dialogs.clear();
    f.NmButton8->click();
    f.NmButton7->click();
    EXPECT_EQ(t.dialogs.beeps(), 2);
    EXPECT_EQ(t.dialogs.shown.size(), 2);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(CommandsTest, AnEmptyListOnlyBeeps)
{
    Form1 &f = open();
    ASSERT_EQ(f.listCount(), 0);
    t.dialogs.clear();
    const QList<QPushButton *> buttons{f.NmButton8, f.NmButton7, f.NmButton1, f.NmButton3,
                                       f.NmButton5};
    const QList<QAction *> items{f.mdname, f.mdpub, f.mdteam, f.mdgenre, f.mdyear, f.mdp, f.mdd,
                                 f.md,     f.mdm,   f.mdfg,   f.mdfm,    f.mds1,   f.mds2};
    for (QPushButton *button : buttons)
        button->click();
    for (QAction *item : items)
        item->trigger();
    EXPECT_EQ(t.dialogs.beeps(), buttons.size() + items.size());
    EXPECT_EQ(t.dialogs.shown.size(), buttons.size() + items.size());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(t.ctx->refreshflag.isEmpty());
    // NEW needs no game.
    f.NmButton2->click();
    EXPECT_EQ(opened, QStringList{"Credits"});
}

TEST_F(CommandsTest, MenuBarPreparesAndOpens)
{
    Form1 &f = open();
    const std::pair<QAction *, const char *> plain[] = {
        {f.sys, "Config"}, {f.pro, "Form4"}, {f.abt, "About"}, {f.gret, "Form10"}};
    for (const auto &[item, name] : plain) {
        opened.clear();
        item->trigger();
        EXPECT_EQ(opened, QStringList{name});
    }

    struct Player {
        QAction *item;
        const char *window, *startdir, *playerkind;
        bool pick;
    };
    for (const Player &p : {Player{f.cgp, "Form5", "/g/c64/", "", true},
                            Player{f.agp, "amiplayer", "/g/amiga/", "", true},
                            Player{f.cmp, "Form8", "/m/c64/", "C64", false},
                            Player{f.amp, "Form8", "/m/amiga/", "Amiga", false}}) {
        t.ctx->windows.closeAll();
        opened.clear();
        t.ctx->startdir.clear();
        t.ctx->pickflag.clear();
        t.ctx->playerkind.clear();
        p.item->trigger();
        EXPECT_EQ(opened, QStringList{p.window});
        EXPECT_EQ(t.ctx->startdir, p.startdir);
        EXPECT_EQ(t.ctx->pickflag, p.pick ? "yes" : "");
        EXPECT_EQ(t.ctx->playerkind, p.playerkind);
    }
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    EXPECT_TRUE(t.launcher.started.isEmpty());
}

TEST_F(CommandsTest, PlayerMenusWithoutConfigurationStartAtNothing)
{
    catalogue::run(t.catalogue.db(), "delete from tabella2");
    Form1 &f = open();
    t.ctx->startdir = "stale";
    f.cgp->trigger();
    EXPECT_EQ(t.ctx->startdir, "");
    EXPECT_EQ(opened, QStringList{"Form5"});
}

TEST_F(CommandsTest, ImportExportStartsTheUtilityOnThisCatalogue)
{
    Form1 &f = open();
    f.imex->trigger();
    ASSERT_EQ(t.launcher.started.size(), 1);
    const Command &run = t.launcher.started[0];
    EXPECT_EQ(QFileInfo(run.program).absolutePath(),
              QFileInfo(t.ctx->paths.programDir).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(run.program).fileName().startsWith("merrow"));
    EXPECT_EQ(run.arguments, (QStringList{"--catalogue", t.ctx->paths.catalogue}));
    EXPECT_EQ(run.windowStyle, WindowStyle::NormalFocus);
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    t.launcher.failing.insert(run.program);
    f.imex->trigger();
    expectError("Merrow not found!");
}

TEST_F(CommandsTest, WhatsNewOpensTheNotesOfTheProgramFolder)
{
    Form1 &f = open();
    EXPECT_EQ(f.newsItem->objectName(), "new");
    f.newsItem->trigger();
    ASSERT_EQ(t.launcher.opened.size(), 1);
    EXPECT_EQ(QFileInfo(t.launcher.opened[0]).absoluteFilePath(),
              QDir(t.ctx->paths.programDir).absoluteFilePath("readme.txt"));
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    t.launcher.failingDocuments.insert(t.launcher.opened[0]);
    f.newsItem->trigger();
    expectError("What's New file not found!");
}

TEST_F(CommandsTest, FieldEditorItemsPrepareTheirField)
{
    add("A", "C64");
    const int b = add("B", "Amiga");
    Form1 &f = open();
    const std::pair<QAction *, const char *> items[] = {
        {f.mdp, "pr"},   {f.mdd, "de"},    {f.md, "gr"},      {f.mdm, "mu"},   {f.mdname, "na"},
        {f.mdpub, "pu"}, {f.mdteam, "te"}, {f.mdgenre, "ge"}, {f.mdyear, "ye"}};
    for (const auto &[item, code] : items) {
        select(b);
        t.ctx->windows.closeAll();
        opened.clear();
        t.ctx->editmode = "new";
        t.ctx->refreshflag = "no";
        t.ctx->savedlistindex = -5;
        item->trigger();
        EXPECT_EQ(opened, QStringList{"Form6"}) << code;
        EXPECT_EQ(t.ctx->editfield, code);
        EXPECT_EQ(t.ctx->editmode, "mod");
        EXPECT_EQ(t.ctx->selectedid, b);
        EXPECT_EQ(t.ctx->savedlistindex, 1);
        EXPECT_EQ(t.ctx->refreshflag, "yes");
    }
}

TEST_F(CommandsTest, ChooserItemsStartInTheFolderOfTheMachine)
{
    const int c128 = add("A", "C128");
    const int amiga = add("B", "Amiga 1.3");
    Form1 &f = open();
    struct Pick {
        QAction *item;
        const char *mode, *c64dir, *amigadir;
    };
    for (const Pick &p : {Pick{f.mdfg, "mdfg", "/g/c64/", "/g/amiga/"},
                          Pick{f.mdfm, "mdfm", "/m/c64/", "/m/amiga/"},
                          Pick{f.mds1, "mds1", "/s/c64/", "/s/amiga/"},
                          Pick{f.mds2, "mds2", "/s/c64/", "/s/amiga/"}}) {
        for (int id : {c128, amiga}) {
            select(id);
            t.ctx->windows.closeAll();
            opened.clear();
            t.ctx->editmode = "new";
            t.ctx->refreshflag = t.ctx->pickflag = "no";
            p.item->trigger();
            EXPECT_EQ(opened, QStringList{"sfoglia"}) << p.mode;
            EXPECT_EQ(t.ctx->browsemode, p.mode);
            EXPECT_EQ(t.ctx->startdir, id == c128 ? p.c64dir : p.amigadir) << p.mode;
            EXPECT_EQ(t.ctx->selectedid, id);
            EXPECT_EQ(t.ctx->savedlistindex, id == c128 ? 0 : 1);
            EXPECT_EQ(t.ctx->refreshflag, "yes");
            EXPECT_EQ(t.ctx->pickflag, "yes");
            EXPECT_EQ(t.ctx->editmode, "new") << "the editor's mode is left alone";
        }
    }
}

TEST_F(CommandsTest, DeleteRemovesTheGameTheQuestionNamed)
{
    const int a = add("A", "C64");
    add("B", "C64");
    const int other = add("Z", "Spectrum"); // kept out of the list by the machine filter
    Form1 &f = open();
    f.setListIndex(0);
    ASSERT_TRUE(f.showGame(other));
    f.NmButton5->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confim Delete Z?"});
    EXPECT_EQ(t.catalogue.count("id=?", {other}), 0);
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(titles(), (QStringList{"A", "B"}));
    EXPECT_EQ(f.listIndex(), 0);
    EXPECT_EQ(f.currentId(), a);
}
