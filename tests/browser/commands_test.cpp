#include "mainfixture.h"

#include "widgetdialogs.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace
{

class CommandsTest : public MainFixture
{
protected:
    void SetUp() override
    {
        Configuration folders;
        folders.c64Games = "/g/c64/";
        folders.amigaGames = "/g/amiga/";
        folders.c64Music = "/m/c64/";
        folders.amigaMusic = "/m/amiga/";
        folders.c64Screenshots = "/s/c64/";
        folders.amigaScreenshots = "/s/amiga/";
        ASSERT_TRUE(store().saveConfiguration(folders).ok());
    }

    void reset()
    {
        opened.clear();
        t.dialogs.clear();
    }

    void expectError(const QString &text)
    {
        EXPECT_EQ(said(), (text.isEmpty() ? QStringList() : QStringList{"beep", "Error: " + text}));
        t.dialogs.clear();
    }
};

} // namespace

TEST_F(CommandsTest, PlayRoutesEveryFormatCode)
{
    struct Case {
        const char *machine, *gameFile; // gameFile nullptr: Null
        std::optional<WindowKey> player;
    };
    const Case cases[] = {{"C64", "/g/a.d64", WindowKey::C64GamePlayer},
                          {"Amiga", "/g/c.adf", WindowKey::AmigaGamePlayer},
                          {"Spectrum", "/g/z.tap", {}},
                          {"C64", nullptr, {}},
                          {"Amiga", "", {}}};
    QList<GameId> ids;
    for (const Case &c : cases)
        ids << add(QString("G%1").arg(ids.size()), c.machine, QString::fromUtf8(c.gameFile));
    MainWindow &f = open();
    for (int i = 0; i < ids.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.machine);
        reset();
        ASSERT_TRUE(f.showGame(ids[i]));
        click(w, "playButton");
        const QString file = c.player == WindowKey::C64GamePlayer ? c.gameFile : nullptr;
        const QList<Opened> expected{{c.player.value_or(WindowKey::About), ids[i], 0, file}};
        EXPECT_EQ(opened, c.player ? expected : QList<Opened>());
        expectError(c.gameFile && *c.gameFile ? "" : "No file selected for this game");
    }
}

TEST_F(CommandsTest, PlayMusicInfoNewAndModify)
{
    const int emptySong = add("A", "C64", "/g/a.d64", "");
    const int song = add("B", "Amiga", "/g/b.adf", "/m/b.mod");
    open();
    reset();
    select(emptySong);
    click(w, "playMusicButton");
    expectError("No song configured for this game");
    // The game is read again: a file attached behind the window's back counts.
    edit(emptySong, [](Game &g) { g.musicFile = "/m/a.sid"; });
    click(w, "playMusicButton");
    select(song);
    click(w, "playMusicButton");
    click(w, "infoButton");
    list()->selectionModel()->clear(); // Info with nothing selected: the game in the panel
    click(w, "infoButton");
    click(w, "newButton");
    click(w, "modifyButton");
    Q_EMIT list()->doubleClicked(list()->model()->index(1, 0)); // Modify too
    const int modify = int(EditMode::Modify);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::GameMusicPlayer, emptySong},
                                     {WindowKey::GameMusicPlayer, song},
                                     {WindowKey::GameInfo, song},
                                     {WindowKey::GameInfo, song},
                                     {WindowKey::RecordEditor, 0, int(EditMode::New)},
                                     {WindowKey::RecordEditor, song, modify},
                                     {WindowKey::RecordEditor, song, modify}}));
    expectError("");
}

TEST_F(CommandsTest, DeleteAsksAndReselects)
{
    for (const char *title : {"A", "C", "D"})
        add(title, "C64");
    const int b = add("B' \"quoted\"", "C64");
    const int odd = add("Z", "Spectrum"); // listed too: both machine boxes reach every code
    const int amiga = add("Y", "Amiga");
    open();
    reset();
    QList<int> deleted;
    QObject::connect(&t.ctx->windows.events(), &WindowEvents::gameDeleted,
                     [&](int id) { deleted << id; });
    select(b); // a middle entry: the one that moved up is selected
    click(w, "deleteButton");
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confirm Delete B' \"quoted\"?"});
    EXPECT_EQ(t.dialogs.shown.last().defaultButton, Dialogs::Button::No);
    EXPECT_FALSE(stored(b));
    EXPECT_EQ(deleted, QList<int>{b});
    expectScene({"A", "C", "D", "Y", "Z"}, 1, "C");
    select(odd); // the last entry: the one before
    click(w, "deleteButton");
    EXPECT_FALSE(stored(odd));
    t.dialogs.answers = {false};
    click(w, "deleteButton");
    expectScene({"A", "C", "D", "Y"}, 3, "Y");

    // After a refresh the panel's game is highlighted, and Delete takes it.
    box("amigaBox")->click();
    expectScene({"A", "C", "D"}, 0, "A");
    reset();
    click(w, "deleteButton");
    EXPECT_EQ(said(), (QStringList{"beep", "Delete: Confirm Delete A?"}));
    expectScene({"C", "D"}, 0, "C");
    // The game the question named goes, even when the panel shows an unlisted one.
    reset();
    ASSERT_TRUE(w->showGame(amiga));
    EXPECT_EQ(selectedRow(), -1);
    click(w, "deleteButton");
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confirm Delete Y?"});
    EXPECT_FALSE(stored(amiga));
    expectScene({"C", "D"}, 0, "C");
}

TEST_F(CommandsTest, KeysPlayDeleteAndFind)
{
    add("A", "C64", "/g/a.d64");
    const int b = add("B", "C64", "/g/b.d64");
    open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    select(b);
    reset();
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::C64GamePlayer, b, 0, "/g/b.d64"}}));
    t.dialogs.answers = {false};
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(t.dialogs.questions(), QStringList{"Confirm Delete B?"});
    EXPECT_TRUE(stored(b));
    w->activateWindow();
    QTest::keySequence(w, QKeySequence::Find);
    auto *edit = find<QLineEdit>("findEdit");
    EXPECT_EQ(QApplication::focusWidget(), edit);

    // Escape in the Find box drops the search in force and brings the list back.
    QTest::keyClicks(edit, "B");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(titles(), QStringList{"B"});
    QTest::keyClicks(edit, "typed");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(text("searchLabel"), "");
    EXPECT_EQ(titles(), (QStringList{"A", "B"}));
    EXPECT_EQ(t.dialogs.messages(), QStringList{});
}

// The question as the program shows it: Enter answers No.
TEST_F(CommandsTest, EnterOnTheDeleteQuestionKeepsTheGame)
{
    const int a = add("A", "C64");
    WidgetDialogs dialogs;
    WindowRegistry windows;
    AppContext ctx(t.ctx->paths, dialogs, t.launcher, windows);
    MainWindow main(ctx);
    QObject scope; // a question still open after five seconds is closed
    QTimer::singleShot(0, &scope, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
    });
    QTimer::singleShot(5000, &scope, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    click(&main, "deleteButton");
    EXPECT_TRUE(stored(a));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(CommandsTest, WithNoGameShownCommandsOnlyBeep)
{
    open(); // an empty catalogue: nothing is shown
    reset();
    for (const char *button : {"playButton", "infoButton", "modifyButton", "deleteButton"})
        click(w, button);
    trigger("setGameFileAction");
    EXPECT_EQ(said(), QStringList(5, "beep"));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(CommandsTest, MenuBarOpensWindowsAtTheConfiguredFoldersAndStartsPrograms)
{
    open();
    reset();
    t.dialogs.folders << "/new/games" << QString(); // the second folder choice is cancelled
    for (const char *action :
         {"systemAction", "aboutAction", "c64GamePlayerAction", "amigaGamePlayerAction",
          "amigaMusicPlayerAction", "scanFolderAction", "scanFolderAction", "relinkAction",
          "missingFilesAction"})
        trigger(action);
    EXPECT_EQ(opened,
              (QList<Opened>{{WindowKey::SystemConfig},
                             {WindowKey::About},
                             {WindowKey::C64FreePlayer, 0, 0, "/g/c64/"},
                             {WindowKey::AmigaFreePlayer, 0, 0, "/g/amiga/"},
                             {WindowKey::FreeMusicPlayer, 0, int(MusicMachine::Amiga), "/m/amiga/"},
                             {WindowKey::FolderScan, 0, 0, "/new/games"},
                             {WindowKey::Relink},
                             {WindowKey::MissingFiles}}));
    EXPECT_EQ(t.dialogs.shown.value(0).text, "/g/c64/"); // the chooser starts at the games
    t.dialogs.clear();
    // The utility is told the catalogue; failures to start are reported.
    trigger("importExportAction");
    ASSERT_EQ(t.launcher.started.size(), 1);
    EXPECT_EQ(t.launcher.started[0].arguments,
              (QStringList{"--catalogue", t.ctx->paths.catalogue}));
    t.launcher.failing.insert(t.launcher.started[0].program);
    trigger("importExportAction");
    expectError("Merrow not found!");
    trigger("whatsNewAction");
    ASSERT_EQ(t.launcher.opened.size(), 1);
    t.launcher.failingDocuments.insert(t.launcher.opened[0]);
    trigger("whatsNewAction");
    expectError("What's New file not found!");
    // No viewer, but the notes are there: shown in a plain text window.
    writeFile(t.launcher.opened[0], "Version 2: faster lists");
    trigger("whatsNewAction");
    expectError("");
    auto *notes = w->findChild<QPlainTextEdit *>("newsView");
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->toPlainText(), "Version 2: faster lists");
}

TEST_F(CommandsTest, PopupItemsOpenTheFieldEditorOrAStoringChooser)
{
    const int c128 = add("A", "C128");
    const int amiga = add("B", "Amiga 1.3");
    open();
    const int programming = int(GameField::Programming);
    const int disks = int(ChooserPurpose::StoreGameDisks);
    const int shot2 = int(ChooserPurpose::StoreScreenshot2);
    // The choosers start in the machine's folder: "<folder>c64/" or "<folder>amiga/".
    const std::tuple<const char *, WindowKey, int, QString> items[] = {
        {"editProgrammingAction", WindowKey::FieldEditor, programming, ""},
        {"setGameFileAction", WindowKey::FileChooser, disks, "/g/"},
        {"setScreenshot2Action", WindowKey::FileChooser, shot2, "/s/"}};
    for (const auto &[name, key, detail, folder] : items)
        for (int id : {c128, amiga}) {
            SCOPED_TRACE(name);
            select(id);
            reset();
            trigger(name);
            const QString start =
                folder.isEmpty() ? folder : folder + (id == c128 ? "c64/" : "amiga/");
            EXPECT_EQ(opened, QList<Opened>{(Opened{key, id, detail, start})});
        }
}
