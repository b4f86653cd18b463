// A player opened as the main window's PLAY opens it, down to a started emulator process,
// through the real launcher.
#include "adfwriter.h"
#include "amigaregistry.h"
#include "appcontext.h"
#include "c64registry.h"
#include "d64writer.h"
#include "fakedialogs.h"
#include "shortpath.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QThread>

namespace
{

class LaunchE2E : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        vice = root.filePath("vice/x64");
        uae = root.filePath("uae/winuae");
        // Copies keep the executable bit; WinUAE's templates lie beside its program.
        ASSERT_TRUE(QDir(root.path()).mkpath("vice"));
        ASSERT_TRUE(QDir(root.path()).mkpath("temp"));
        writeFile(root.filePath("uae/configurations/a500.uae"),
                  "chipmem_size=2\r\nfloppy0=\r\nfloppy1=old.adf\r\nfloppy2=\r\nuse_gui=yes\r\n");
        ASSERT_TRUE(QFile::copy(FAKE_EMULATOR, vice));
        ASSERT_TRUE(QFile::copy(FAKE_EMULATOR, uae));
        output = root.filePath("emulator.out");
        qputenv("FAKE_EMULATOR_OUT", QFile::encodeName(output));
        // The session's folder of the user's own, where the configurations go.
        ASSERT_TRUE(
            QDir(root.path()).mkdir("run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath("run")));

        Paths paths;
        paths.programDir = catalogue.dir();
        paths.catalogue = catalogue.path();
        paths.tempDir = root.filePath("temp");
        ctx = std::make_unique<AppContext>(paths, dialogs, launcher, windows);
        registerC64Windows(*ctx);
        registerAmigaWindows(*ctx);
        catalogue.setConfig(
            {{"vice", QDir::toNativeSeparators(vice)}, {"uae", QDir::toNativeSeparators(uae)}});
    }
    void TearDown() override
    {
        windows.closeAll();
        qunsetenv("FAKE_EMULATOR_OUT");
        qunsetenv("XDG_RUNTIME_DIR");
    }

    // The lines of one complete run of the fake, waiting a few seconds at most.
    QStringList emulatorRun()
    {
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            QFile f(output);
            if (f.open(QIODevice::ReadOnly)) {
                const QString text = QString::fromUtf8(f.readAll());
                if (text.endsWith("--end--\n")) {
                    QStringList lines = text.split('\n');
                    lines.removeLast();
                    lines.removeLast();
                    return lines;
                }
            }
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        return {"<no run of the fake emulator>"};
    }
    static QByteArray image(const sampledata::ImageResult &result)
    {
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return result.bytes;
    }

    QTemporaryDir root;
    QString vice, uae, output;
    TestCatalogue catalogue;
    FakeDialogs dialogs;
    ProcessLauncher launcher;
    WindowRegistry windows;
    std::unique_ptr<AppContext> ctx;
};

} // namespace

TEST_F(LaunchE2E, ViceGetsTheImageAndTheChosenProgram)
{
    const QString file = writeFile(root.filePath("my games/Last Ninja.d64"),
                                   image(sampledata::writeD64("NINJA DISK", "01",
                                                              {{"INTRO", QByteArray(300, 'i')},
                                                               {"NINJA", QByteArray(900, 'n')}})));
    const int id =
        catalogue.addGame({{"titolo", "Last Ninja"}, {"formato", "C64"}, {"emul1", file}});

    QWidget *player = windows.open(C64GameRequest{id, file});
    auto *list = control<QListWidget>(player, "directoryList");
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem *> entries = list->findItems("\"NINJA\"", Qt::MatchContains);
    ASSERT_EQ(entries.size(), 1);
    list->setCurrentItem(entries[0]);
    click(player, "viceButton");

    EXPECT_EQ(emulatorRun(), QStringList{shortPath(file) + ":ninja"});
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.messages().join('|').toStdString();
}

TEST_F(LaunchE2E, WinUaeGetsAConfigurationWithTheGamesDisks)
{
    QStringList disks;
    for (const char *name : {"my games/Worlds 1.adf", "my games/Worlds 2.adf"})
        disks << writeFile(root.filePath(name),
                           image(sampledata::writeAdf("WORLDS", {{"data", "x"}})));
    catalogue.addGame({{"titolo", "Another"}, {"formato", "C64"}, {"emul1", "/x.d64"}});
    const int id = catalogue.addGame(
        {{"titolo", "Worlds"}, {"formato", "Amiga 2.x"}, {"emul1", disks[0]}, {"df1", disks[1]}});

    QWidget *player = windows.open(AmigaGameRequest{id});
    ASSERT_NE(player, nullptr);
    control<QRadioButton>(player, "uaeOption")->click();
    click(player, "playButton");

    const QString configuration = root.filePath("run/vantrel/vantrel.uae");
    EXPECT_EQ(emulatorRun(),
              (QStringList{"-f", configuration, "chipmem_size=2", "floppy0=" + disks[0],
                           "floppy1=" + disks[1], "floppy2=", "use_gui=false"}));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.messages().join('|').toStdString();
}

TEST(NewsFile, ShipsBesideThePrograms)
{
    // The test programs are built into the same folder as vantrel.
    QFile news(QCoreApplication::applicationDirPath() + "/readme.txt");
    ASSERT_TRUE(news.open(QIODevice::ReadOnly)) << news.fileName().toStdString();
    EXPECT_TRUE(news.readAll().contains("What's new"));
}
