// "PLAY" on the main window down to a started emulator process, through the real launcher.
#include "adfwriter.h"
#include "amigaregistry.h"
#include "appcontext.h"
#include "browserregistry.h"
#include "c64registry.h"
#include "d64writer.h"
#include "fakedialogs.h"
#include "gamecommands.h"
#include "mainwindow.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include <gtest/gtest.h>

namespace
{

class LaunchE2E : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath("vice"));
        ASSERT_TRUE(dir.mkpath("uae/configurations"));
        ASSERT_TRUE(dir.mkpath("my games"));
        vice = dir.filePath("vice/x64");
        uae = dir.filePath("uae/winuae");
        // Copies keep the executable bit; WinUAE's templates lie beside its program.
        ASSERT_TRUE(QFile::copy(FAKE_EMULATOR, vice));
        ASSERT_TRUE(QFile::copy(FAKE_EMULATOR, uae));
        write(dir.filePath("uae/configurations/a500.uae"),
              "chipmem_size=2\r\nfloppy0=\r\nfloppy1=old.adf\r\nfloppy2=\r\nuse_gui=yes\r\n");
        output = dir.filePath("emulator.out");
        qputenv("FAKE_EMULATOR_OUT", QFile::encodeName(output));

        Paths paths;
        paths.programDir = catalogue.dir();
        paths.catalogue = catalogue.path();
        paths.stateFile = catalogue.dir() + "/Vantrel.ini";
        paths.tempDir = dir.filePath("temp");
        ASSERT_TRUE(dir.mkpath("temp"));
        ctx = std::make_unique<AppContext>(paths, dialogs, launcher);
        registerBrowserWindows(*ctx);
        registerC64Windows(*ctx);
        registerAmigaWindows(*ctx);
        catalogue.setConfig(
            {{"vice", QDir::toNativeSeparators(vice)}, {"uae", QDir::toNativeSeparators(uae)}});
    }
    void TearDown() override
    {
        ctx->windows.closeAll();
        ctx.reset();
        qunsetenv("FAKE_EMULATOR_OUT");
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        ASSERT_EQ(f.write(bytes), bytes.size());
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

    Form1 *mainWindow(int id)
    {
        auto *f = qobject_cast<Form1 *>(ctx->windows.show("Form1"));
        EXPECT_NE(f, nullptr);
        if (!f)
            return nullptr;
        f->setListIndex(f->cercaindex(id));
        EXPECT_EQ(f->currentId(), id);
        return f;
    }

    QTemporaryDir root;
    QString vice, uae, output;
    TestCatalogue catalogue;
    FakeDialogs dialogs;
    ProcessLauncher launcher;
    std::unique_ptr<AppContext> ctx;
};

} // namespace

TEST_F(LaunchE2E, ViceGetsTheImageAndTheChosenProgram)
{
    const QString image = root.filePath("my games/Last Ninja.d64");
    const sampledata::ImageResult d64 = sampledata::writeD64(
        "NINJA DISK", "01", {{"INTRO", QByteArray(300, 'i')}, {"NINJA", QByteArray(900, 'n')}});
    ASSERT_TRUE(d64.ok()) << d64.error.toStdString();
    write(image, d64.bytes);
    const int id =
        catalogue.addGame({{"titolo", "Last Ninja"}, {"formato", "C64"}, {"emul1", image}});

    Form1 *f = mainWindow(id);
    ASSERT_NE(f, nullptr);
    f->NmButton8->click();
    QWidget *player = ctx->windows.find("emu64");
    ASSERT_NE(player, nullptr);
    auto *list = player->findChild<QListWidget *>("List1");
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem *> entries = list->findItems("\"NINJA\"", Qt::MatchContains);
    ASSERT_EQ(entries.size(), 1);
    list->setCurrentItem(entries[0]);
    player->findChild<QPushButton *>("NmButton2")->click(); // VICE

    EXPECT_EQ(emulatorRun(), QStringList{shortPath(image) + ":ninja"});
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.messages().join('|').toStdString();
}

TEST_F(LaunchE2E, WinUaeGetsAConfigurationWithTheGamesDisks)
{
    const QString disk1 = root.filePath("my games/Worlds 1.adf");
    const QString disk2 = root.filePath("my games/Worlds 2.adf");
    for (const QString &disk : {disk1, disk2}) {
        const sampledata::ImageResult adf = sampledata::writeAdf("WORLDS", {{"data", "x"}});
        ASSERT_TRUE(adf.ok()) << adf.error.toStdString();
        write(disk, adf.bytes);
    }
    catalogue.addGame({{"titolo", "Another"}, {"formato", "C64"}, {"emul1", "/x.d64"}});
    const int id = catalogue.addGame(
        {{"titolo", "Worlds"}, {"formato", "Amiga 2.x"}, {"emul1", disk1}, {"df1", disk2}});

    Form1 *f = mainWindow(id);
    ASSERT_NE(f, nullptr);
    f->NmButton8->click();
    QWidget *player = ctx->windows.find("Form9");
    ASSERT_NE(player, nullptr);
    player->findChild<QRadioButton *>("Option1")->click(); // WinUAE
    player->findChild<QPushButton *>("Command1")->click();

    const QString configuration = ctx->paths.temp("vantrel.uae");
    EXPECT_EQ(emulatorRun(), (QStringList{"-f", configuration, "chipmem_size=2", "floppy0=" + disk1,
                                          "floppy1=" + disk2, "floppy2=", "use_gui=false"}));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.messages().join('|').toStdString();
}

TEST(NewsFile, ShipsBesideThePrograms)
{
    // The test programs are built into the same folder as vantrel.
    QFile news(browser::newsFile(QCoreApplication::applicationDirPath()));
    ASSERT_TRUE(news.open(QIODevice::ReadOnly)) << news.fileName().toStdString();
    EXPECT_TRUE(news.readAll().contains("What's new"));
}
