#include "amigafreeplayer.h"
#include "amigaregistry.h"
#include "amigatestsetup.h"
#include "browselists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class AmigaFreePlayer : public AmigaSetup
{
protected:
    void SetUp() override
    {
        AmigaSetup::SetUp();
        disks = QDir(emulators.path()).filePath(QStringLiteral("disks"));
        ASSERT_TRUE(QDir().mkpath(disks));
        for (int i = 1; i <= 5; ++i)
            writeFile(disks + QStringLiteral("/game%1.adf").arg(i), "ADF");
        ctx().startdir = QDir::toNativeSeparators(disks);
        ctx().browsepath = QStringLiteral("left over");
    }

    amiplayer *open()
    {
        window = std::make_unique<amiplayer>(ctx());
        window->show();
        return window.get();
    }
    template <class T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit *drive(int n) { return child<QLineEdit>(QStringLiteral("Text%1").arg(n + 1)); }
    QStringList drives()
    {
        QStringList texts;
        for (int n = 0; n < 4; ++n)
            texts << drive(n)->text();
        return texts;
    }
    QString disk(int i) const
    {
        return QDir::toNativeSeparators(disks + QStringLiteral("/game%1.adf").arg(i));
    }
    // A user's double-click on a file of the browsing list.
    void doubleClick(const QString &name)
    {
        auto *list = child<FileListBox>(QStringLiteral("File1"));
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QPoint at = list->visualItemRect(items[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QString disks;
    std::unique_ptr<amiplayer> window;
};

TEST_F(AmigaFreePlayer, LoadsInTheStartFolderWithTheDocumentedControls)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Amiga Game Player"));
    EXPECT_EQ(child<DirListBox>(QStringLiteral("Dir1"))->path(), ctx().startdir);
    EXPECT_EQ(child<FileListBox>(QStringLiteral("File1"))->count(), 5);
    EXPECT_TRUE(ctx().browsepath.isEmpty());
    EXPECT_FALSE(child<FileListBox>(QStringLiteral("File2"))->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label5"))->text(),
              QStringLiteral("Double Click on file list to load in drive, then select emulators "
                             "and configuration"));
    const char *labels[] = {"Label1", "Label4", "Label3", "Label2"};
    for (int n = 0; n < 4; ++n) {
        auto *label = child<QLabel>(QLatin1String(labels[n]));
        EXPECT_EQ(label->text(), QStringLiteral("DF%1").arg(n));
        EXPECT_EQ(label->buddy(), drive(n));
        EXPECT_TRUE(drive(n)->text().isEmpty());
    }
    EXPECT_EQ(child<QPushButton>(QStringLiteral("Command1"))->text(), QStringLiteral("PLAY"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("Command2"))->text(),
              QStringLiteral("Discard Disk"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("Command3"))->text(), QStringLiteral("Associate"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaFreePlayer, FolderChangesCarryTheFileListAndBrowsepath)
{
    open();
    const QString sub = QDir(disks).filePath(QStringLiteral("more"));
    ASSERT_TRUE(QDir().mkpath(sub));
    writeFile(sub + QStringLiteral("/extra.adf"), "ADF");
    ASSERT_TRUE(child<DirListBox>(QStringLiteral("Dir1"))->setPath(sub));
    EXPECT_EQ(ctx().browsepath, QDir::toNativeSeparators(sub));
    auto *files = child<FileListBox>(QStringLiteral("File1"));
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("extra.adf"));
}

TEST_F(AmigaFreePlayer, UnreadableStartFolderFallsBackToTheSystemRoot)
{
    ctx().startdir = QStringLiteral("/no/such/folder");
    open();
    EXPECT_EQ(child<DirListBox>(QStringLiteral("Dir1"))->path(),
              QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaFreePlayer, DoubleClicksFillTheFirstEmptyDriveOnly)
{
    open();
    for (int i = 1; i <= 4; ++i)
        doubleClick(QStringLiteral("game%1.adf").arg(i));
    EXPECT_EQ(drives(), QStringList({disk(1), disk(2), disk(3), disk(4)}));
    doubleClick(QStringLiteral("game5.adf"));
    EXPECT_EQ(drives(), QStringList({disk(1), disk(2), disk(3), disk(4)}));

    drive(1)->clear();
    drive(3)->clear();
    doubleClick(QStringLiteral("game5.adf"));
    EXPECT_EQ(drives(), QStringList({disk(1), disk(5), disk(3), QString()}));

    // A single click loads nothing.
    window->Command2_Click();
    auto *list = child<FileListBox>(QStringLiteral("File1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(drives(), QStringList({QString(), QString(), QString(), QString()}));
}

TEST_F(AmigaFreePlayer, DiscardDiskEmptiesAllDrivesAndLoadingStartsAgainAtDf0)
{
    open();
    for (int i = 1; i <= 3; ++i)
        doubleClick(QStringLiteral("game%1.adf").arg(i));
    child<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(drives(), QStringList({QString(), QString(), QString(), QString()}));
    doubleClick(QStringLiteral("game4.adf"));
    EXPECT_EQ(drives(), QStringList({disk(4), QString(), QString(), QString()}));
}

TEST_F(AmigaFreePlayer, FileInARootFolderGetsOneSeparator)
{
    const QFileInfoList rootFiles = QDir::root().entryInfoList(QDir::Files | QDir::Readable);
    if (rootFiles.isEmpty())
        GTEST_SKIP() << "no file in the root folder";
    ctx().startdir = QDir::toNativeSeparators(QDir::rootPath());
    open();
    auto *list = child<FileListBox>(QStringLiteral("File1"));
    ASSERT_GT(list->count(), 0);
    list->setListIndex(0);
    window->File1_DblClick();
    EXPECT_EQ(drive(0)->text(), QDir::toNativeSeparators(QDir::rootPath()) + list->item(0)->text());
}

TEST_F(AmigaFreePlayer, PlayWritesTheDrivesStartsAndStaysOpen)
{
    ctx().uaegui = 0;
    open();
    drive(0)->setText(QStringLiteral("A:\\GAME1.ADF"));
    child<QRadioButton>(QStringLiteral("Option1"))->click();
    auto *templates = child<FileListBox>(QStringLiteral("File2"));
    EXPECT_TRUE(templates->isVisible());
    EXPECT_EQ(templates->fileName(), QStringLiteral("a500.uae"));
    child<QPushButton>(QStringLiteral("Command1"))->click();

    EXPECT_EQ(output(AmigaEmulator::WinUAE),
              "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=false\r\n");
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0], amigaCommand(uaeExe, outputPath(AmigaEmulator::WinUAE)));
    EXPECT_EQ(tc.launcher.started[0].text(),
              uaeExe + QStringLiteral(" -f ") + outputPath(AmigaEmulator::WinUAE));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(drive(0)->text(), QStringLiteral("A:\\GAME1.ADF"));

    // Again, after the disks changed and with the other template and the GUI shown.
    ctx().uaegui = 1;
    drive(1)->setText(QStringLiteral("/disks/two.adf"));
    templates->setListIndex(1);
    window->Command1_Click();
    EXPECT_EQ(output(AmigaEmulator::WinUAE), "cpu=68020\r\nfloppy0=A:\\GAME1.ADF\r\n");
    EXPECT_EQ(tc.launcher.started.size(), 2);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaFreePlayer, PlayWithWinFellowHidesItsGui)
{
    ctx().fellowgui = 0;
    open();
    doubleClick(QStringLiteral("game1.adf"));
    doubleClick(QStringLiteral("game2.adf"));
    window->Option2_Click();
    window->Command1_Click();
    EXPECT_EQ(output(AmigaEmulator::WinFellow), ("floppy0=" + disk(1) + "\r\nfloppy1=" + disk(2) +
                                                 "\r\nfloppy2=\r\nfloppy3=\r\nusegui=no\r\n")
                                                    .toUtf8());
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0].program, fellowExe);
}

TEST_F(AmigaFreePlayer, PlayWithoutAnEmulatorChosenDoesNothing)
{
    open();
    doubleClick(QStringLiteral("game1.adf"));
    window->Command1_Click();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(outputPath(AmigaEmulator::WinUAE)));
}

TEST_F(AmigaFreePlayer, UnconfiguredEmulatorsAreUnavailable)
{
    configure(QString(""), QVariant());
    open();
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("Option1"))->isEnabled());
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("Option2"))->isEnabled());
    window->Option1_Click();
    window->Option2_Click();
    window->Command1_Click();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    configure(QVariant(), fellowExe);
    open();
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("Option1"))->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Option2"))->isEnabled());
}

TEST_F(AmigaFreePlayer, BadConfigurationsAreReportedWithTheEmulatorsName)
{
    configure(QStringLiteral("winuae"), QStringLiteral("/no/such/folder/fellow"));
    open();
    window->Option1_Click();
    expectBadConfigurationShown(QStringLiteral("WinUAE"));
    EXPECT_FALSE(child<FileListBox>(QStringLiteral("File2"))->isVisible());
    tc.dialogs.clear();
    window->Option2_Click();
    expectBadConfigurationShown(QStringLiteral("WinFellow"));
    tc.dialogs.clear();

    // A folder without templates is as bad as a missing one.
    configure(uaeExe, fellowExe);
    ASSERT_TRUE(QFile::remove(fellowTemplates + QStringLiteral("/std.wfc")));
    open();
    window->Option2_Click();
    expectBadConfigurationShown(QStringLiteral("WinFellow"));
}

TEST_F(AmigaFreePlayer, WriterAndStartFailuresWarnAndKeepTheWindow)
{
    open();
    drive(0)->setText(QStringLiteral("/d/one.adf"));
    window->Option1_Click();
    tc.launcher.failing.insert(uaeExe);
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_TRUE(window->isVisible());
    tc.dialogs.clear();
    tc.launcher.failing.clear();

    // The temporary folder has gone: nothing can be written, nothing is started.
    ctx().paths.tempDir = QDir(emulators.path()).filePath(QStringLiteral("gone"));
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_EQ(drive(0)->text(), QStringLiteral("/d/one.adf"));
}

TEST_F(AmigaFreePlayer, AssociateHandsTheDrivesToTheAssociationEditor)
{
    registerAmigaWindows(ctx());
    auto *player = qobject_cast<amiplayer *>(ctx().windows.show(QStringLiteral("amiplayer")));
    ASSERT_NE(player, nullptr);
    // Without the editor registered, only the mode is set.
    player->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(ctx().assocmode, QStringLiteral("Amiga"));

    ctx().assocmode.clear();
    QString seen;
    ctx().windows.addFactory(QStringLiteral("Form3"), [&] {
        // The editor reads the drive boxes of the open player.
        auto *p = ctx().windows.find(QStringLiteral("amiplayer"));
        seen = p ? p->findChild<QLineEdit *>(QStringLiteral("Text1"))->text() : QString();
        return new QWidget;
    });
    player->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("/d/x.adf"));
    player->Command3_Click();
    EXPECT_EQ(ctx().assocmode, QStringLiteral("Amiga"));
    EXPECT_NE(ctx().windows.find(QStringLiteral("Form3")), nullptr);
    EXPECT_EQ(seen, QStringLiteral("/d/x.adf"));
    EXPECT_TRUE(player->isVisible());
}
