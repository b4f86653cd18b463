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
    }

    MainWindow &openQuiet()
    {
        open();
        t.dialogs.clear(); // an empty catalogue says so at load
        return *w;
    }

    // Clears what the last command left, so the next one is seen alone.
    void reset()
    {
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
};

} // namespace

TEST_F(CommandsTest, PlayRoutesEveryFormatCode)
{
    struct Case {
        const char *formato, *emul1; // emul1 nullptr: Null
        std::optional<WindowKey> player;
    };
    const Case cases[] = {{"C64", "/g/a.d64", WindowKey::C64GamePlayer},
                          {"C128", "/g/b.t64", WindowKey::C64GamePlayer},
                          {"Amiga", "/g/c.adf", WindowKey::AmigaGamePlayer},
                          {"Amiga 1.3", "/g/d.adf", WindowKey::AmigaGamePlayer},
                          {"Amiga 2.x", "/g/e.adf", WindowKey::AmigaGamePlayer},
                          {"Amiga 3.x", "/g/f.adf", WindowKey::AmigaGamePlayer},
                          {"c128", "/g/b.t64", WindowKey::C64GamePlayer}, // case-blind
                          {"Spectrum", "/g/z.tap", {}},
                          {"C64 ", "/g/z.d64", {}},
                          {"C64", nullptr, {}},
                          {"Amiga", "", {}}};
    QList<int> ids;
    for (const Case &c : cases)
        ids << add(QString("G%1").arg(ids.size()), c.formato, c.emul1 ? c.emul1 : QVariant());
    MainWindow &f = openQuiet();
    for (int i = 0; i < ids.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.formato);
        reset();
        ASSERT_TRUE(f.showGame(ids[i])); // Spectrum is not listed but shown all the same
        click(w, "playButton");
        QList<Opened> expected;
        if (c.player == WindowKey::C64GamePlayer)
            expected << Opened{*c.player, ids[i], 0, c.emul1};
        else if (c.player)
            expected << Opened{*c.player, ids[i]};
        EXPECT_EQ(opened, expected);
        expectError(c.emul1 && *c.emul1 ? "" : "No file selected for this game");
    }
    // The game is read again: a file attached behind the window's back counts.
    reset();
    const int late = ids.at(ids.size() - 2);
    ASSERT_TRUE(f.showGame(late));
    catalogue::run(t.catalogue.db(), "update tabella1 set emul1='/g/new.d64' where id=?", {late});
    click(w, "playButton");
    EXPECT_EQ(opened, QList<Opened>{(Opened{WindowKey::C64GamePlayer, late, 0, "/g/new.d64"})});
}

TEST_F(CommandsTest, PlayMusicInfoNewAndModify)
{
    const int silent = add("A", "C64");
    const int song = add("B", "Amiga", "/g/b.adf", "/m/b.mod");
    const int emptySong = add("C", "C64", "/g/c.d64", "");
    openQuiet();
    for (int id : {silent, emptySong}) {
        select(id);
        reset();
        click(w, "playMusicButton");
        expectError("No song configured for this game");
    }
    select(song);
    reset();
    click(w, "playMusicButton");
    click(w, "infoButton");
    selectRow(-1); // Info with nothing selected: the game in the panel
    click(w, "infoButton");
    click(w, "newButton");
    click(w, "modifyButton");
    // The list's double-click is Modify too.
    Q_EMIT list()->doubleClicked(list()->model()->index(1, 0));
    const int modify = int(EditMode::Modify);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::GameMusicPlayer, song},
                                     {WindowKey::GameInfo, song},
                                     {WindowKey::GameInfo, song},
                                     {WindowKey::RecordEditor, 0, int(EditMode::New)},
                                     {WindowKey::RecordEditor, song, modify},
                                     {WindowKey::RecordEditor, song, modify}}));
    expectError("");
}

TEST_F(CommandsTest, DeleteAsksAndReselects)
{
    add("A", "C64");
    const int b = add("B' \"quoted\"", "C64");
    const int c = add("C", "C64");
    const int d = add("D", "C64");
    const int other = add("Z", "Spectrum"); // kept out of the list by the machine filter
    openQuiet();
    QList<int> deleted;
    QObject::connect(&t.ctx->windows.events(), &WindowEvents::gameDeleted,
                     [&](int id) { deleted << id; });
    select(b); // a middle entry: the one that moved up is selected
    click(w, "deleteButton");
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confirm Delete B' \"quoted\"?"}));
    EXPECT_EQ(t.dialogs.shown[1].icon, Dialogs::Icon::Information);
    EXPECT_EQ(t.catalogue.count("id=?", {b}), 0);
    EXPECT_EQ(deleted, QList<int>{b});
    EXPECT_SCENE({"A", "C", "D"}, 1, "C");
    select(d); // the last entry: the one before
    click(w, "deleteButton");
    EXPECT_SCENE({"A", "C"}, 1, "C");

    reset();
    t.dialogs.answers = {false};
    click(w, "deleteButton");
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confirm Delete C?"}));
    EXPECT_SCENE({"A", "C"}, 1, "C");
    reset();
    selectRow(-1); // nothing selected: the question first, then the refusal
    click(w, "deleteButton");
    EXPECT_EQ(said(), (QStringList{"beep", "Delete? Confirm Delete C?",
                                   "Attention: Deletion Error. Select Game."}));

    reset(); // refused by the catalogue: reported, nothing changed
    select(c);
    catalogue::run(t.catalogue.db(), "create trigger keep before delete on tabella1 "
                                     "begin select raise(abort, 'kept'); end");
    click(w, "deleteButton");
    EXPECT_TRUE(said().last().startsWith("Error: The game could not be deleted: "));
    EXPECT_EQ(t.catalogue.count(), 3);
    EXPECT_SCENE({"A", "C"}, 1, "C");

    // The game the question named goes, even when the panel shows an unlisted one.
    catalogue::run(t.catalogue.db(), "drop trigger keep");
    reset();
    selectRow(0);
    ASSERT_TRUE(w->showGame(other));
    click(w, "deleteButton");
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confirm Delete Z?"});
    EXPECT_EQ(t.catalogue.count("id=?", {other}), 0);
    EXPECT_SCENE({"A", "C"}, 0, "A");
}

TEST_F(CommandsTest, WithNoGameShownCommandsOnlyBeep)
{
    const int a = add("A", "C64", "/g/a.d64", "/m/a.sid");
    openQuiet();
    select(a);
    click(w, "deleteButton"); // the only game: the panel empties
    EXPECT_EQ(t.catalogue.count(), 0);
    EXPECT_SCENE({}, -1, "");
    EXPECT_EQ(w->gameId(), 0);
    reset();
    for (const char *button :
         {"playButton", "playMusicButton", "infoButton", "modifyButton", "deleteButton"})
        click(w, button);
    const QList<QAction *> items = find<QMenu>("gameFieldMenu")->actions() +
                                   find<QMenu>("screenshotMenu")->actions() +
                                   find<QMenu>("gameFileMenu")->actions();
    for (QAction *item : items)
        item->trigger();
    trigger("editMusicAction");
    EXPECT_EQ(said(), QStringList(5 + items.size() + 1, "beep"));
    EXPECT_TRUE(opened.isEmpty());
    click(w, "newButton"); // NEW needs no game
    EXPECT_EQ(opened, QList<Opened>{(Opened{WindowKey::RecordEditor, 0, int(EditMode::New)})});
}

TEST_F(CommandsTest, MenuBarOpensWindowsAtTheConfiguredFolders)
{
    openQuiet();
    for (const char *action :
         {"systemAction", "programAction", "aboutAction", "greetingsAction", "c64GamePlayerAction",
          "amigaGamePlayerAction", "c64MusicPlayerAction", "amigaMusicPlayerAction"})
        trigger(action);
    const int c64 = int(MusicMachine::C64), amiga = int(MusicMachine::Amiga);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::SystemConfig},
                                     {WindowKey::ProgramOptions},
                                     {WindowKey::About},
                                     {WindowKey::Greetings},
                                     {WindowKey::C64FreePlayer, 0, 0, "/g/c64/"},
                                     {WindowKey::AmigaFreePlayer, 0, 0, "/g/amiga/"},
                                     {WindowKey::FreeMusicPlayer, 0, c64, "/m/c64/"},
                                     {WindowKey::FreeMusicPlayer, 0, amiga, "/m/amiga/"}}));
    // Without a configuration record the player starts at nothing.
    catalogue::run(t.catalogue.db(), "delete from tabella2");
    reset();
    trigger("c64GamePlayerAction");
    EXPECT_EQ(opened, QList<Opened>{Opened{WindowKey::C64FreePlayer}});
    expectError("");
    EXPECT_TRUE(t.launcher.started.isEmpty());
}

TEST_F(CommandsTest, ImportExportAndWhatsNewStartBesideTheProgram)
{
    openQuiet();
    trigger("importExportAction");
    ASSERT_EQ(t.launcher.started.size(), 1);
    const Command &run = t.launcher.started[0];
    EXPECT_EQ(QFileInfo(run.program).absolutePath(),
              QFileInfo(t.ctx->paths.programDir).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(run.program).fileName().startsWith("merrow"));
    EXPECT_EQ(run.arguments, (QStringList{"--catalogue", t.ctx->paths.catalogue}));
    expectError("");
    t.launcher.failing.insert(run.program);
    trigger("importExportAction");
    expectError("Merrow not found!");
    reset();
    trigger("whatsNewAction");
    ASSERT_EQ(t.launcher.opened.size(), 1);
    EXPECT_EQ(QFileInfo(t.launcher.opened[0]).absoluteFilePath(),
              QDir(t.ctx->paths.programDir).absoluteFilePath("readme.txt"));
    expectError("");
    t.launcher.failingDocuments.insert(t.launcher.opened[0]);
    trigger("whatsNewAction");
    expectError("What's New file not found!");
}

TEST_F(CommandsTest, PopupItemsOpenTheFieldEditorOrAStoringChooser)
{
    const int c128 = add("A", "C128");
    const int amiga = add("B", "Amiga 1.3");
    openQuiet();
    const auto field = [](GameField f) { return std::pair(WindowKey::FieldEditor, int(f)); };
    const auto chooser = [](ChooserPurpose p) { return std::pair(WindowKey::FileChooser, int(p)); };
    // The choosers start in the machine's folder: "<folder>c64/" or "<folder>amiga/".
    const std::tuple<const char *, std::pair<WindowKey, int>, const char *> items[] = {
        {"editProgrammingAction", field(GameField::Programming), ""},
        {"editDesignAction", field(GameField::Design), ""},
        {"editGraphicsAction", field(GameField::Graphics), ""},
        {"editMusicAction", field(GameField::Music), ""},
        {"editTitleAction", field(GameField::Title), ""},
        {"editPublisherAction", field(GameField::Publisher), ""},
        {"editTeamAction", field(GameField::Team), ""},
        {"editGenreAction", field(GameField::Genre), ""},
        {"editYearAction", field(GameField::Year), ""},
        {"setGameFileAction", chooser(ChooserPurpose::StoreGameDisks), "/g/"},
        {"setMusicFileAction", chooser(ChooserPurpose::StoreMusicFile), "/m/"},
        {"setScreenshot1Action", chooser(ChooserPurpose::StoreScreenshot1), "/s/"},
        {"setScreenshot2Action", chooser(ChooserPurpose::StoreScreenshot2), "/s/"}};
    for (const auto &[name, window, folder] : items)
        for (int id : {c128, amiga}) {
            SCOPED_TRACE(name);
            select(id);
            reset();
            trigger(name);
            const QString start =
                *folder ? folder + QString(id == c128 ? "c64/" : "amiga/") : QString();
            EXPECT_EQ(opened, QList<Opened>{(Opened{window.first, id, window.second, start})});
        }
}
