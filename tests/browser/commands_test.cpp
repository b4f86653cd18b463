#include "mainfixture.h"

namespace
{

class CommandsTest : public MainFixture
{
protected:
    void SetUp() override
    {
        t.catalogue.setConfig(rec("game64=/g/c64/|gameamiga=/g/amiga/|music64=/m/c64/|"
                                  "musicamiga=/m/amiga/|screen64=/s/c64/|screenamiga=/s/amiga/"));
        stub({"Credits", "Form6", "Form2", "sfoglia", "Config", "Form4", "Form10", "emu64", "Form5",
              "Form9", "amiplayer", "Form7", "Form8", "About"});
    }

    Form1 &openQuiet()
    {
        Form1 &f = open();
        t.dialogs.clear(); // an empty catalogue says so at load
        return f;
    }

    // Clears what the last command left, so the next one is seen alone.
    void reset()
    {
        t.ctx->windows.closeAll();
        opened.clear();
        t.dialogs.clear();
    }

    // An empty text: nothing was said.
    void expectError(const QString &text)
    {
        if (text.isEmpty()) {
            EXPECT_TRUE(said().isEmpty());
            return;
        }
        EXPECT_EQ(said(), (QStringList{"beep", "Error: " + text}));
        EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    }

    // The editor hand-over: editmode, selectedid, savedlistindex, refreshflag.
    QString handOver() const
    {
        const AppContext &c = *t.ctx;
        return QString("%1 %2 %3 %4")
            .arg(c.editmode)
            .arg(c.selectedid)
            .arg(c.savedlistindex)
            .arg(c.refreshflag);
    }
};

} // namespace

TEST_F(CommandsTest, PlayRoutesEveryFormatCode)
{
    struct Case {
        const char *formato, *emul1, *window; // emul1 nullptr: Null; window "": none opens
    };
    const Case cases[] = {{"C64", "/g/a.d64", "emu64"},
                          {"C128", "/g/b.t64", "emu64"},
                          {"Amiga", "/g/c.adf", "Form9"},
                          {"Amiga 1.3", "/g/d.adf", "Form9"},
                          {"Amiga 2.x", "/g/e.adf", "Form9"},
                          {"Amiga 3.x", "/g/f.adf", "Form9"},
                          {"c128", "/g/b.t64", "emu64"}, // case-blind, as the machine filter
                          {"Spectrum", "/g/z.tap", ""},
                          {"C64 ", "/g/z.d64", ""},
                          {"C64", nullptr, ""},
                          {"Amiga", "", ""}};
    QList<int> ids;
    for (const Case &c : cases)
        ids << add(QString("G%1").arg(ids.size()), c.formato, c.emul1 ? c.emul1 : QVariant());
    Form1 &f = openQuiet();
    for (int i = 0; i < ids.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.formato);
        reset();
        ASSERT_TRUE(f.showGame(ids[i])); // Spectrum is not listed but shown all the same
        t.ctx->selectedid = -1;
        t.ctx->gamefile = "untouched";
        f.NmButton8_Click();
        const QString window = c.window;
        EXPECT_EQ(opened, window.isEmpty() ? QStringList{} : QStringList{window});
        // The C64 player reads gamefile only; the Amiga one the selected game.
        EXPECT_EQ(t.ctx->gamefile, window == "emu64" ? c.emul1 : "untouched");
        EXPECT_EQ(t.ctx->selectedid, window == "Form9" ? ids[i] : -1);
        expectError(c.emul1 && *c.emul1 ? "" : "No file selected for this game");
    }
    // The game is read again: a file attached behind the window's back counts.
    reset();
    ASSERT_TRUE(f.showGame(ids.at(ids.size() - 2)));
    catalogue::run(t.catalogue.db(), "update tabella1 set emul1='/g/new.d64' where id=?",
                   {ids.at(ids.size() - 2)});
    f.NmButton8->click();
    EXPECT_EQ(opened, QStringList{"emu64"});
    EXPECT_EQ(t.ctx->gamefile, "/g/new.d64");
}

TEST_F(CommandsTest, PlayMusicInfoNewAndModify)
{
    const int silent = add("A", "C64");
    const int song = add("B", "Amiga", "/g/b.adf", "/m/b.mod");
    const int emptySong = add("C", "C64", "/g/c.d64", "");
    Form1 &f = openQuiet();
    for (int id : {silent, emptySong}) {
        select(id);
        reset();
        f.NmButton7->click();
        expectError("No song configured for this game");
    }
    select(song);
    reset();
    f.NmButton7->click();
    f.NmButton1->click(); // Info
    EXPECT_EQ(opened, (QStringList{"Form7", "Form2"}));
    EXPECT_EQ(t.ctx->selectedid, song);
    reset();
    f.setListIndex(-1); // Info with nothing selected: the game in the panel
    t.ctx->selectedid = 0;
    f.NmButton1->click();
    EXPECT_EQ(t.ctx->selectedid, song);
    reset();
    f.NmButton2->click();
    EXPECT_EQ(opened, QStringList{"Credits"});
    EXPECT_EQ(t.ctx->editmode + " " + t.ctx->refreshflag, "new yes");
    for (bool button : {true, false}) { // Modify, by button and by double-click on the list
        reset();
        f.setListIndex(1);
        t.ctx->refreshflag = "no";
        if (button)
            f.NmButton3->click();
        else
            Q_EMIT f.List1->doubleClicked(f.listModel()->index(1));
        EXPECT_EQ(opened, QStringList{"Credits"});
        EXPECT_EQ(handOver(), QString("mod %1 1 yes").arg(song));
    }
    expectError("");
}

TEST_F(CommandsTest, DeleteAsksAndReselects)
{
    add("A", "C64");
    const int b = add("B' \"quoted\"", "C64");
    const int c = add("C", "C64");
    const int d = add("D", "C64");
    const int other = add("Z", "Spectrum"); // kept out of the list by the machine filter
    Form1 &f = openQuiet();
    select(b); // a middle entry: the one that moved up is selected
    f.NmButton5->click();
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confim Delete B' \"quoted\"?"}));
    EXPECT_EQ(t.dialogs.shown[1].icon, Dialogs::Icon::Information);
    EXPECT_EQ(t.catalogue.count("id=?", {b}), 0);
    EXPECT_EQ(scene(), "A,C,D #1 C (3)");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
    select(d); // the last entry: the one before
    f.NmButton5->click();
    EXPECT_EQ(scene(), "A,C #1 C (2)");

    reset();
    t.dialogs.answers = {false};
    f.NmButton5->click();
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confim Delete C?"}));
    EXPECT_EQ(scene(), "A,C #1 C (2)");
    reset();
    f.setListIndex(-1); // nothing selected: the question first, then the refusal
    f.NmButton5->click();
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confim Delete C?",
                                   "Attention: Deletion Error. Select Game."}));

    reset(); // refused by the catalogue: reported, nothing changed
    select(c);
    catalogue::run(t.catalogue.db(), "create trigger keep before delete on tabella1 "
                                     "begin select raise(abort, 'kept'); end");
    f.NmButton5->click();
    EXPECT_TRUE(said().last().startsWith("Error: The game could not be deleted: "));
    EXPECT_EQ(t.catalogue.count(), 3);
    EXPECT_EQ(scene(), "A,C #1 C (2)");

    // The game the question named goes, even when the panel shows an unlisted one.
    catalogue::run(t.catalogue.db(), "drop trigger keep");
    reset();
    f.setListIndex(0);
    ASSERT_TRUE(f.showGame(other));
    f.NmButton5->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confim Delete Z?"});
    EXPECT_EQ(t.catalogue.count("id=?", {other}), 0);
    EXPECT_EQ(scene(), "A,C #0 A (2)");
}

TEST_F(CommandsTest, WithNoGameShownCommandsOnlyBeep)
{
    const int a = add("A", "C64", "/g/a.d64", "/m/a.sid");
    Form1 &f = openQuiet();
    select(a);
    f.NmButton5->click(); // the only game: the panel empties
    EXPECT_EQ(t.catalogue.count(), 0);
    EXPECT_EQ(scene(), " #-1  (0)");
    EXPECT_EQ(f.currentId(), 0);
    reset();
    t.ctx->refreshflag.clear();
    for (QPushButton *button : {f.NmButton8, f.NmButton7, f.NmButton1, f.NmButton3, f.NmButton5})
        button->click();
    for (QAction *item : {f.mdname, f.mdpub, f.mdteam, f.mdgenre, f.mdyear, f.mdp, f.mdd, f.md,
                          f.mdm, f.mdfg, f.mdfm, f.mds1, f.mds2})
        item->trigger();
    EXPECT_EQ(said(), QStringList(18, "beep"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(t.ctx->refreshflag.isEmpty());
    f.NmButton2->click(); // NEW needs no game
    EXPECT_EQ(opened, QStringList{"Credits"});
}

TEST_F(CommandsTest, MenuBarPreparesAndOpens)
{
    Form1 &f = openQuiet();
    struct Item {
        QAction *item;
        const char *window, *startdir, *playerkind, *pickflag;
    };
    const Item items[] = {
        {f.sys, "Config", "", "", ""},          {f.pro, "Form4", "", "", ""},
        {f.abt, "About", "", "", ""},           {f.gret, "Form10", "", "", ""},
        {f.cgp, "Form5", "/g/c64/", "", "yes"}, {f.agp, "amiplayer", "/g/amiga/", "", "yes"},
        {f.cmp, "Form8", "/m/c64/", "C64", ""}, {f.amp, "Form8", "/m/amiga/", "Amiga", ""}};
    for (const Item &p : items) {
        reset();
        t.ctx->startdir = t.ctx->pickflag = t.ctx->playerkind = "";
        p.item->trigger();
        EXPECT_EQ(opened, QStringList{p.window});
        EXPECT_EQ(t.ctx->startdir + "|" + t.ctx->pickflag + "|" + t.ctx->playerkind,
                  QString("%1|%2|%3").arg(p.startdir, p.pickflag, p.playerkind));
    }
    // Without a configuration record the player starts at nothing.
    catalogue::run(t.catalogue.db(), "delete from tabella2");
    reset();
    t.ctx->startdir = "stale";
    f.cgp->trigger();
    EXPECT_EQ(t.ctx->startdir, "");
    expectError("");
    EXPECT_TRUE(t.launcher.started.isEmpty());
}

TEST_F(CommandsTest, ImportExportAndWhatsNewStartBesideTheProgram)
{
    Form1 &f = openQuiet();
    f.imex->trigger();
    ASSERT_EQ(t.launcher.started.size(), 1);
    const Command &run = t.launcher.started[0];
    EXPECT_EQ(QFileInfo(run.program).absolutePath(),
              QFileInfo(t.ctx->paths.programDir).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(run.program).fileName().startsWith("merrow"));
    EXPECT_EQ(run.arguments, (QStringList{"--catalogue", t.ctx->paths.catalogue}));
    expectError("");
    t.launcher.failing.insert(run.program);
    f.imex->trigger();
    expectError("Merrow not found!");
    reset();
    f.newsItem->trigger();
    ASSERT_EQ(t.launcher.opened.size(), 1);
    EXPECT_EQ(QFileInfo(t.launcher.opened[0]).absoluteFilePath(),
              QDir(t.ctx->paths.programDir).absoluteFilePath("readme.txt"));
    expectError("");
    t.launcher.failingDocuments.insert(t.launcher.opened[0]);
    f.newsItem->trigger();
    expectError("What's New file not found!");
}

TEST_F(CommandsTest, PopupItemsPrepareTheirWindow)
{
    const int c128 = add("A", "C128");
    const int amiga = add("B", "Amiga 1.3");
    Form1 &f = openQuiet();
    // The chooser items carry the folder prefix their start folder begins with.
    const std::tuple<QAction *, const char *, const char *> items[] = {
        {f.mdp, "pr", nullptr},    {f.mdd, "de", nullptr},     {f.md, "gr", nullptr},
        {f.mdm, "mu", nullptr},    {f.mdname, "na", nullptr},  {f.mdpub, "pu", nullptr},
        {f.mdteam, "te", nullptr}, {f.mdgenre, "ge", nullptr}, {f.mdyear, "ye", nullptr},
        {f.mdfg, "mdfg", "/g/"},   {f.mdfm, "mdfm", "/m/"},    {f.mds1, "mds1", "/s/"},
        {f.mds2, "mds2", "/s/"}};
    for (const auto &[item, code, folder] : items)
        for (int id : {c128, amiga}) {
            SCOPED_TRACE(code);
            select(id);
            reset();
            t.ctx->editmode = "new";
            t.ctx->refreshflag = t.ctx->pickflag = t.ctx->startdir = "no";
            item->trigger();
            EXPECT_EQ(opened, QStringList{folder ? "sfoglia" : "Form6"});
            EXPECT_EQ(folder ? t.ctx->browsemode : t.ctx->editfield, code);
            // The chooser leaves the editor's mode alone and starts in the machine's folder.
            EXPECT_EQ(handOver(), QString("%1 %2 %3 yes")
                                      .arg(folder ? "new" : "mod")
                                      .arg(id)
                                      .arg(id == c128 ? 0 : 1));
            const QString dir = folder + QString(id == c128 ? "c64/" : "amiga/");
            EXPECT_EQ(t.ctx->startdir + " " + t.ctx->pickflag,
                      folder ? dir + " yes" : QString("no no"));
        }
}
