// The Amiga players: the game player starts a catalogue game's disks and closes, the free
// player loads disks from a browsing list and stays open.
#include "amigaregistry.h"
#include "launchtest.h"
#include "testcatalogue.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace
{

using F = Game::Field;
using P = Configuration::Path;

constexpr char kStartFailure[] = "Select Emulator and Configuration";

// WinUAE with two templates in its "configurations" folder, WinFellow with one beside it.
class AmigaPlayers : public ::testing::Test
{
protected:
    AmigaPlayers() : ctx(*tc.ctx)
    {
        writeFile(path("uae/configurations/a500.uae"), "floppy0=C:\\old.adf\r\nuse_gui=yes\r\n");
        writeFile(path("uae/configurations/0notes.txt")); // listed first if it were a template
        writeFile(path("fellow/std.wfc"), "floppy0=\nfloppy1=\nfloppy2=\nfloppy3=\nusegui=yes\n");
        writeFile(path("uae/winuae"), "", true);
        writeFile(path("fellow/fellow"), "", true);
        writeFile(path("games/1.adf"));
        for (const char *name : {"games/3.adf", "games/5.adf", "games/6.adf", "games/7.adf"})
            writeFile(path(name));
        configure(configWith({{P::Uae, path("uae/winuae")}, {P::Fellow, path("fellow/fellow")}}));
        // The session's folder of the user's own, where the configurations go.
        QDir().mkdir(path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path("run")));
        registerAmigaWindows(ctx);
        ctx.windows.addFactory(WindowKey::AssociationEditor, [] { return new AssociationSpy; });
    }
    ~AmigaPlayers() override { qunsetenv("XDG_RUNTIME_DIR"); }

    QString path(const QString &name) const { return tc.temp.filePath(name); }
    void configure(const Configuration &c)
    {
        ASSERT_TRUE(CatalogueStore(tc.catalogue.db()).saveConfiguration(c).ok());
    }
    GameId add(const Game &game)
    {
        return CatalogueStore(tc.catalogue.db()).addGame(game).valueOr(0);
    }
    QString config(const QString &name) const { return path("run/vantrel/" + name); }
    QByteArray output(const char *name) { return readFile(config(name)); }
    // A beep and the one message; cleared after.
    void expectWarning(const QString &text)
    {
        EXPECT_EQ(tc.dialogs.beeps(), 1);
        EXPECT_EQ(tc.dialogs.messages(), QStringList{text});
        tc.dialogs.clear();
    }
    static void pick(QWidget *w, const char *o) { control<QRadioButton>(w, o)->click(); }
    static FileListBox *templates(QWidget *w) { return control<FileListBox>(w, "templateList"); }
    // A game with a Null and an empty disk, and further disks, as the main window's PLAY
    // asks for it.
    QWidget *game(int offset = 0, const QStringList &more = {})
    {
        const GameId id = add(gameWith({{F::Title, "Lotus"},
                                        {F::GameFile, path("games/1.adf")},
                                        {F::ThirdDrive, path("games/3.adf")},
                                        {F::FourthDrive, ""}}));
        EXPECT_TRUE(CatalogueStore(tc.catalogue.db()).setMoreDisks(id, more).ok());
        return ctx.windows.open(AmigaGameRequest{int(id) + offset});
    }
    QWidget *free() { return ctx.windows.open(AmigaFreePlayerRequest{path("disks")}); }
    static QLineEdit *drive(QWidget *w, int i)
    {
        return control<QLineEdit>(w, QString("df%1Edit").arg(i));
    }
    static QStringList drives(QWidget *w)
    {
        return {drive(w, 0)->text(), drive(w, 1)->text(), drive(w, 2)->text(), drive(w, 3)->text()};
    }

    TestContext tc;
    AppContext &ctx;
};

} // namespace

TEST_F(AmigaPlayers, GamePlayerStartsTheGameDisksAndCloses)
{
    const QByteArray disk1 = path("games/1.adf").toUtf8();
    const QByteArray disk3 = path("games/3.adf").toUtf8();
    // A disk twice in the set goes into the swap list once.
    const QStringList more{path("games/5.adf"), path("games/6.adf"), path("games/1.adf"),
                           path("games/7.adf")};
    QByteArray swap;
    for (const int n : {1, 3, 5, 6, 7})
        swap += "diskimage" + QByteArray::number(swap.count('\n')) + "=" +
                path(QString("games/%1.adf").arg(n)).toUtf8() + "\r\n";
    QWidget *w = game(0, more);
    EXPECT_EQ(w->windowTitle(), "Start Amiga Game - Lotus");
    EXPECT_TRUE(control<QLabel>(w, "noEmulatorLabel")->isHidden());
    EXPECT_FALSE(control<QLabel>(w, "unreachableLabel")->isHidden());
    pick(w, "uaeOption");
    EXPECT_EQ(templates(w)->fileName(), "a500.uae");
    click(w, "playButton");
    EXPECT_EQ(tc.launcher.started.value(0).text(),
              path("uae/winuae") + " -f " + config("vantrel.uae"));
    // The template has no line for DF2: it is added, switched on and counted. The whole set
    // follows, each disk once.
    EXPECT_EQ(output("vantrel.uae"), "floppy0=" + disk1 + "\r\nuse_gui=false\r\nfloppy2=" + disk3 +
                                         "\r\nfloppy2type=0\r\nnr_floppies=3\r\n" + swap);
    EXPECT_FALSE(isOpen(ctx, WindowKey::AmigaGamePlayer));

    ctx.settings.fellowShowsGui = true; // the template's own line stays
    pick(w = game(), "fellowOption");
    EXPECT_TRUE(control<QLabel>(w, "unreachableLabel")->isHidden());
    click(w, "playButton");
    EXPECT_EQ(tc.launcher.started.value(1).program, path("fellow/fellow"));
    EXPECT_EQ(output("vantrel.wfc"), "floppy0=" + disk1 + "\r\nfloppy1=\r\nfloppy2=" + disk3 +
                                         "\r\nfloppy3=\r\nusegui=yes\r\n");
    // With further disks WinFellow's drives take the set's first four.
    pick(w = game(0, more), "fellowOption");
    click(w, "playButton");
    EXPECT_EQ(output("vantrel.wfc"), "floppy0=" + disk1 + "\r\nfloppy1=" + disk3 +
                                         "\r\nfloppy2=" + more[0].toUtf8() +
                                         "\r\nfloppy3=" + more[1].toUtf8() + "\r\nusegui=yes\r\n");
    EXPECT_FALSE(isOpen(ctx, WindowKey::AmigaGamePlayer));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    ASSERT_TRUE(QTest::qWaitForWindowActive(w = game()));
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(isOpen(ctx, WindowKey::AmigaGamePlayer)) << "Escape closes the player";
}

TEST_F(AmigaPlayers, FailuresWarnAndKeepThePlayerOpen)
{
    QWidget *w = game(100); // not in the catalogue
    pick(w, "uaeOption");
    click(w, "playButton");
    expectWarning(kStartFailure);
    tc.launcher.failing.insert(path("uae/winuae"));
    game(); // the open player takes the new game
    click(w, "playButton");
    expectWarning(kStartFailure);
    EXPECT_TRUE(isOpen(ctx, WindowKey::AmigaGamePlayer));

    configure(configWith({{P::Uae, "winuae"}, {P::Fellow, "/no/such/folder/fellow"}}));
    for (QWidget *player : {game(), free()}) {
        pick(player, "uaeOption"); // no folder part
        expectWarning("Bad configuration for WinUAE");
        pick(player, "fellowOption"); // a missing folder
        expectWarning("Bad configuration for WinFellow");
        click(player, "playButton"); // the missing program is named before any template
        expectWarning("The program /no/such/folder/fellow does not exist.");
    }
    EXPECT_TRUE(tc.launcher.started.isEmpty());

    // A disk path with a line break is refused as it is: it is never cut into another path,
    // even when the cut one names a file.
    configure(configWith({{P::Uae, path("uae/winuae")}}));
    tc.launcher.failing.clear();
    writeFile(path("games/1\n.adf"));
    const GameId split = add(gameWith({{F::Title, "Split"},
                                       {F::GameFile, path("games/1.adf")},
                                       {F::SecondDrive, path("games/1\n.adf")}}));
    pick(w = ctx.windows.open(AmigaGameRequest{int(split)}), "uaeOption");
    click(w, "playButton");
    expectWarning("The disk path " + path("games/1\\n.adf") +
                  " holds a line break, which an emulator configuration cannot carry.");
    EXPECT_TRUE(tc.launcher.started.isEmpty());

    // A configured program that is not there, or not executable, is named at PLAY.
    QFile::setPermissions(path("fellow/fellow"), QFile::ReadOwner | QFile::WriteOwner);
    configure(configWith({{P::Uae, path("uae/gone")}, {P::Fellow, path("fellow/fellow")}}));
    using Case = std::pair<const char *, QString>;
    for (const auto &[option, text] :
         {Case{"uaeOption", "The program " + path("uae/gone") + " does not exist."},
          Case{"fellowOption",
               "The program " + path("fellow/fellow") + " is not an executable file."}}) {
        pick(w = game(), option);
        click(w, "playButton");
        expectWarning(text);
    }
    EXPECT_TRUE(tc.launcher.started.isEmpty());

    configure({});
    w = game();
    EXPECT_FALSE(control<QRadioButton>(w, "uaeOption")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(w, "fellowOption")->isChecked()); // chosen before
    EXPECT_FALSE(control<QLabel>(w, "noEmulatorLabel")->isHidden());     // a hint says why
    click(w, "playButton");
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaPlayers, FreePlayerFillsTheFirstEmptyDrivePlaysAndAssociates)
{
    QStringList disks;
    for (int i = 1; i <= 5; ++i)
        disks << writeFile(path(QString("disks/game%1.adf").arg(i)));
    QWidget *w = free();
    for (int i = 1; i <= 5; ++i) // a fifth disk changes nothing
        pickFile(w, QString("game%1.adf").arg(i), true);
    EXPECT_EQ(drives(w), disks.mid(0, 4));
    drive(w, 1)->clear();
    pickFile(w, "game5.adf", true);
    EXPECT_EQ(drives(w), (QStringList{disks[0], disks[4], disks[2], disks[3]}));
    click(w, "discardButton");
    pickFile(w, "game2.adf"); // a single click loads nothing
    EXPECT_EQ(drives(w), QStringList(4, QString()));

    drive(w, 0)->setText("A:\\GAME1.ADF");
    pick(w, "uaeOption");
    click(w, "playButton"); // a disk that is not there is named
    expectWarning("The game file A:\\GAME1.ADF is missing.");
    drive(w, 0)->setText(disks[0]);
    click(w, "playButton");
    EXPECT_EQ(output("vantrel.uae"), "floppy0=" + disks[0].toUtf8() + "\r\nuse_gui=false\r\n");
    EXPECT_TRUE(isOpen(ctx, WindowKey::AmigaFreePlayer));
    click(w, "associateButton");
    auto *spy = dynamic_cast<AssociationSpy *>(ctx.windows.find(WindowKey::AssociationEditor));
    ASSERT_NE(spy, nullptr);
    EXPECT_EQ(spy->taken.kind, AssociationKind::AmigaGame);
    EXPECT_EQ(spy->taken.files, (QStringList{disks[0], "", "", ""}));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

// FS-UAE in the WinUAE slot: named so, its own templates, keys and command line.
TEST_F(AmigaPlayers, FsUaeInTheWinUaeSlotWritesItsOwnFormat)
{
    writeFile(path("fs/configurations/a500.fs-uae"), "[fs-uae]\nfloppy_drive_0 =\n");
    writeFile(path("fs/configurations/a500.uae"), "floppy0=\n");
    configure(configWith({{P::Uae, writeFile(path("fs/fs-uae"), "", true)}}));
    QWidget *w = game();
    EXPECT_EQ(control<QRadioButton>(w, "uaeOption")->text(), "FS-UAE");
    pick(w, "uaeOption");
    EXPECT_EQ(templates(w)->fileName(), "a500.fs-uae");
    click(w, "playButton");
    EXPECT_EQ(tc.launcher.started.value(0).text(),
              path("fs/fs-uae") + " " + config("vantrel.fs-uae"));
    EXPECT_EQ(output("vantrel.fs-uae"),
              "[fs-uae]\nfloppy_drive_0 = " + path("games/1.adf").toUtf8() +
                  "\nfloppy_drive_2 = " + path("games/3.adf").toUtf8() +
                  "\nfloppy_image_0 = " + path("games/1.adf").toUtf8() +
                  "\nfloppy_image_1 = " + path("games/3.adf").toUtf8() + "\n");
}
