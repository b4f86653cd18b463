// The Amiga players: the game player starts a catalogue game's disks and closes, the free
// player loads disks from a browsing list and stays open.
#include "amigaconfigwriter.h"
#include "amigaregistry.h"
#include "launchtest.h"
#include "testcatalogue.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace
{

constexpr AmigaEmulator UAE = AmigaEmulator::WinUAE;
constexpr AmigaEmulator Fellow = AmigaEmulator::WinFellow;
constexpr char kStartFailure[] = "Select Emulator and Configuration";

// WinUAE with two templates in its "configurations" folder, WinFellow with one beside it.
class AmigaPlayers : public ::testing::Test
{
protected:
    AmigaPlayers() : ctx(*tc.ctx)
    {
        uaeExe = writeFile(path("uae/winuae"));
        fellowExe = writeFile(path("fellow/fellow"));
        writeFile(path("uae/configurations/a500.uae"),
                  "floppy0=C:\\old.adf\r\nfloppy1=\r\nuse_gui=yes\r\n");
        writeFile(path("uae/configurations/b1200.uae"), "cpu=68020\r\nfloppy0=\r\n");
        writeFile(path("uae/configurations/notes.txt"), "not a template");
        writeFile(path("fellow/std.wfc"), "floppy0=\nfloppy1=\nfloppy2=\nfloppy3=\nusegui=yes\n");
        for (int i = 1; i <= 5; ++i)
            writeFile(disk(i), "ADF");
        configure(uaeExe, fellowExe);
        registerAmigaWindows(ctx);
        ctx.windows.addFactory(WindowKey::AssociationEditor, [] { return new AssociationSpy; });
    }
    ~AmigaPlayers() override { ctx.windows.closeAll(); }

    QString path(const QString &name) const { return tc.temp.filePath(name); }
    QString disk(int i) const { return writeFile(path(QString("disks/game%1.adf").arg(i))); }
    void configure(const QVariant &uae, const QVariant &fellow)
    {
        tc.catalogue.setConfig({{"uae", uae}, {"fellow", fellow}});
    }
    QString outputPath(AmigaEmulator e) { return ctx.paths.temp(amigaOutputName(e)); }
    QByteArray output(AmigaEmulator e) { return c64img::fileBytes(outputPath(e)); }
    // A beep, then the one message with its icon and title; cleared after.
    void expectWarning(const QString &text)
    {
        const bool bad = text.startsWith("Bad");
        ASSERT_EQ(tc.dialogs.shown.size(), 2);
        EXPECT_EQ(tc.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown[1].text, text);
        EXPECT_EQ(tc.dialogs.shown[1].icon,
                  bad ? Dialogs::Icon::Critical : Dialogs::Icon::Exclamation);
        EXPECT_EQ(tc.dialogs.shown[1].title, bad ? "Error" : "Attention");
        tc.dialogs.clear();
    }
    FileListBox *templates(QWidget *w) { return control<FileListBox>(w, "templateList"); }

    // A game with a Null and an empty disk, as the main window's PLAY asks for it.
    QWidget *game(int offset = 0)
    {
        const int id = tc.catalogue.addGame({{"titolo", "Lotus"},
                                             {"formato", "Amiga"},
                                             {"emul1", "/games/lotus 1.adf"},
                                             {"df1", QVariant()},
                                             {"df2", "/games/lotus 3.adf"},
                                             {"df3", QString()}});
        return ctx.windows.open(AmigaGameRequest{id + offset});
    }
    QWidget *free() { return ctx.windows.open(AmigaFreePlayerRequest{path("disks")}); }
    QStringList drives(QWidget *w)
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << control<QLineEdit>(w, QString("df%1Edit").arg(i))->text();
        return texts;
    }

    TestContext tc;
    AppContext &ctx;
    QString uaeExe, fellowExe;
};

} // namespace

TEST_F(AmigaPlayers, GamePlayerStartsTheGameDisksAndCloses)
{
    const struct {
        const char *option;
        AmigaEmulator emulator;
        QString executable, firstTemplate;
        QByteArray written;
    } cases[] = {
        {"uaeOption", UAE, uaeExe, "a500.uae",
         "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\nuse_gui=false\r\n"},
        {"fellowOption", Fellow, fellowExe, "std.wfc",
         "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\nfloppy2=/games/lotus 3.adf\r\nfloppy3=\r\n"
         "usegui=no\r\n"},
    };
    for (const auto &c : cases) {
        QWidget *w = game();
        EXPECT_TRUE(control<QLabel>(w, "noEmulatorLabel")->isHidden());
        control<QRadioButton>(w, c.option)->click();
        EXPECT_EQ(templates(w)->count(), c.emulator == UAE ? 2 : 1); // notes.txt is none
        EXPECT_EQ(templates(w)->fileName(), c.firstTemplate);
        click(w, "playButton");
        EXPECT_EQ(tc.launcher.started.value(0).text(),
                  c.executable + " -f " + outputPath(c.emulator));
        EXPECT_EQ(output(c.emulator), c.written);
        EXPECT_FALSE(isOpen(ctx, WindowKey::AmigaGamePlayer));
        tc.launcher.started.clear();
    }
    ctx.settings.uaeShowsGui = true; // the template's own line stays
    QWidget *w = game();
    control<QRadioButton>(w, "uaeOption")->click();
    click(w, "playButton");
    EXPECT_TRUE(output(UAE).endsWith("use_gui=yes\r\n"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaPlayers, UnconfiguredEmulatorsCannotBeChosen)
{
    configure(QVariant(), QString(""));
    QWidget *w = game();
    EXPECT_FALSE(control<QRadioButton>(w, "uaeOption")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(w, "fellowOption")->isEnabled());
    EXPECT_FALSE(control<QLabel>(w, "noEmulatorLabel")->isHidden()); // a hint says why
    control<QRadioButton>(w, "uaeOption")->click();
    click(w, "playButton");
    EXPECT_TRUE(templates(w)->isHidden());
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    EXPECT_TRUE(isOpen(ctx, WindowKey::AmigaGamePlayer));
}

TEST_F(AmigaPlayers, FailuresAndBadTemplateFoldersWarnAndStayOpen)
{
    QWidget *w = game(100); // not in the catalogue
    control<QRadioButton>(w, "uaeOption")->click();
    click(w, "playButton");
    expectWarning(kStartFailure);
    tc.launcher.failing.insert(uaeExe);
    game(); // the open player takes the new game
    click(w, "playButton");
    expectWarning(kStartFailure);
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_TRUE(isOpen(ctx, WindowKey::AmigaGamePlayer));

    configure("winuae", "/no/such/folder/fellow"); // no folder part, and a missing folder
    for (QWidget *player : {game(), free()}) {
        control<QRadioButton>(player, "uaeOption")->click();
        expectWarning("Bad configuration for WinUAE");
        control<QRadioButton>(player, "fellowOption")->click();
        expectWarning("Bad configuration for WinFellow");
        EXPECT_TRUE(templates(player)->isHidden());
        click(player, "playButton"); // must not feed a WinUAE template to WinFellow
        expectWarning(kStartFailure);
    }
    EXPECT_FALSE(QFile::exists(outputPath(Fellow)));
}

TEST_F(AmigaPlayers, FreePlayerFillsTheFirstEmptyDrivePlaysAndAssociates)
{
    QWidget *w = free();
    for (int i = 1; i <= 5; ++i) // a fifth disk changes nothing
        pickFile(w, QString("game%1.adf").arg(i), true);
    EXPECT_EQ(drives(w), (QStringList{disk(1), disk(2), disk(3), disk(4)}));
    control<QLineEdit>(w, "df1Edit")->clear();
    pickFile(w, "game5.adf", true);
    EXPECT_EQ(drives(w), (QStringList{disk(1), disk(5), disk(3), disk(4)}));
    click(w, "discardButton");
    EXPECT_EQ(drives(w), QStringList(4, QString()));
    pickFile(w, "game2.adf"); // a single click loads nothing
    EXPECT_EQ(drives(w), QStringList(4, QString()));

    control<QLineEdit>(w, "df0Edit")->setText("A:\\GAME1.ADF");
    control<QRadioButton>(w, "uaeOption")->click();
    click(w, "playButton");
    EXPECT_EQ(output(UAE), "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=false\r\n");
    EXPECT_EQ(tc.launcher.started.size(), 1);
    EXPECT_TRUE(isOpen(ctx, WindowKey::AmigaFreePlayer));

    click(w, "associateButton");
    auto *spy = dynamic_cast<AssociationSpy *>(ctx.windows.find(WindowKey::AssociationEditor));
    ASSERT_NE(spy, nullptr);
    EXPECT_EQ(spy->taken.kind, AssociationKind::AmigaGame);
    EXPECT_EQ(spy->taken.files, (QStringList{"A:\\GAME1.ADF", "", "", ""}));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}
