#include "amigaplayer.h"
#include "amigaregistry.h"
#include "amigatestsetup.h"
#include "browselists.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

class AmigaCataloguePlayer : public AmigaSetup
{
protected:
    int addGame()
    {
        return tc.catalogue.addGame(
            {{QStringLiteral("titolo"), QStringLiteral("Lotus's \"Turbo\"")},
             {QStringLiteral("formato"), QStringLiteral("Amiga")},
             {QStringLiteral("emul1"), QStringLiteral("/games/lotus 1.adf")},
             {QStringLiteral("df1"), QVariant()},
             {QStringLiteral("df2"), QStringLiteral("/games/lotus 3.adf")},
             {QStringLiteral("df3"), QString()}});
    }
    // Opens the window as the main window does: through the registry for selectedid.
    Form9 *open(int id)
    {
        ctx().selectedid = id;
        registerAmigaWindows(ctx());
        window = qobject_cast<Form9 *>(ctx().windows.show(QStringLiteral("Form9")));
        EXPECT_NE(window, nullptr);
        return window;
    }
    template <class T> T *child(const char *name)
    {
        T *w = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    bool closed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull() && !ctx().windows.find(QStringLiteral("Form9"));
    }

    QPointer<Form9> window;
};

TEST_F(AmigaCataloguePlayer, LoadsWithTheTemplateListHiddenAndConfiguredOptionsAvailable)
{
    open(addGame());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Start Amiga Game"));
    EXPECT_EQ(child<QRadioButton>("Option1")->text(), QStringLiteral("WinUAE"));
    EXPECT_EQ(child<QRadioButton>("Option2")->text(), QStringLiteral("WinFellow"));
    EXPECT_EQ(child<QPushButton>("Command1")->text(), QStringLiteral("PLAY"));
    EXPECT_TRUE(child<QRadioButton>("Option1")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("Option2")->isEnabled());
    EXPECT_FALSE(child<FileListBox>("File1")->isVisible());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaCataloguePlayer, PlayWithWinUaeWritesTheGameDisksStartsAndCloses)
{
    ctx().uaegui = 0;
    open(addGame());
    child<QRadioButton>("Option1")->click();
    FileListBox *list = child<FileListBox>("File1");
    EXPECT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2); // notes.txt is not a template
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("a500.uae"));
    EXPECT_EQ(list->listIndex(), 0);

    child<QPushButton>("Command1")->click();
    ASSERT_EQ(tc.launcher.started.size(), 1);
    const Command &command = tc.launcher.started[0];
    EXPECT_EQ(command.program, uaeExe);
    EXPECT_EQ(command.arguments,
              QStringList({QStringLiteral("-f"), outputPath(AmigaEmulator::WinUAE)}));
    EXPECT_EQ(command.text(), uaeExe + QStringLiteral(" -f ") + outputPath(AmigaEmulator::WinUAE));
    // The Null df1 gives the bare key, never a word.
    EXPECT_EQ(output(AmigaEmulator::WinUAE),
              "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\nuse_gui=false\r\n");
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    EXPECT_TRUE(closed());
}

TEST_F(AmigaCataloguePlayer, PlayWithWinFellowUsesItsTemplateAndGuiFlag)
{
    ctx().fellowgui = 0;
    ctx().uaegui = 1;
    open(addGame());
    window->Option2_Click();
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    ASSERT_EQ(child<FileListBox>("File1")->fileName(), QStringLiteral("std.wfc"));
    window->Command1_Click();
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0].text(),
              fellowExe + QStringLiteral(" -f ") + outputPath(AmigaEmulator::WinFellow));
    EXPECT_EQ(output(AmigaEmulator::WinFellow),
              "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\nfloppy2=/games/lotus 3.adf\r\n"
              "floppy3=\r\nusegui=no\r\n");
    EXPECT_TRUE(closed());
}

TEST_F(AmigaCataloguePlayer, UnconfiguredEmulatorsCannotBeChosenAndPlayDoesNothing)
{
    configure(QVariant(), QString(""));
    open(addGame());
    EXPECT_FALSE(child<QRadioButton>("Option1")->isEnabled());
    EXPECT_FALSE(child<QRadioButton>("Option2")->isEnabled());
    window->Option1_Click();
    window->Option2_Click();
    window->Command1_Click();
    EXPECT_FALSE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(child<FileListBox>("File1")->isVisible());
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    EXPECT_FALSE(closed());
}

TEST_F(AmigaCataloguePlayer, StartFailureWarnsAndStaysOpen)
{
    tc.launcher.failing.insert(uaeExe);
    open(addGame());
    window->Option1_Click();
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_FALSE(closed());
}

TEST_F(AmigaCataloguePlayer, VanishedTemplateWarnsWithoutStarting)
{
    open(addGame());
    window->Option1_Click();
    ASSERT_TRUE(QFile::remove(uaeTemplates + QStringLiteral("/a500.uae")));
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_FALSE(closed());
}

TEST_F(AmigaCataloguePlayer, GameMissingFromTheCatalogueWarnsWithoutStarting)
{
    open(addGame() + 100);
    window->Option1_Click();
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_FALSE(QFile::exists(outputPath(AmigaEmulator::WinUAE)));
}

TEST_F(AmigaCataloguePlayer, BadTemplateFoldersAreReportedPerEmulator)
{
    // WinUAE without templates, WinFellow configured without any folder part.
    ASSERT_TRUE(QFile::remove(uaeTemplates + QStringLiteral("/a500.uae")));
    ASSERT_TRUE(QFile::remove(uaeTemplates + QStringLiteral("/b1200.uae")));
    configure(uaeExe, QStringLiteral("fellow"));
    open(addGame());

    window->Option1_Click();
    expectBadConfigurationShown(QStringLiteral("WinUAE"));
    EXPECT_FALSE(child<FileListBox>("File1")->isVisible());
    tc.dialogs.clear();
    window->Option2_Click();
    expectBadConfigurationShown(QStringLiteral("WinFellow"));
    tc.dialogs.clear();
    // No template is selected, so PLAY has nothing to write.
    window->Command1_Click();
    expectStartFailureShown();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
}

TEST_F(AmigaCataloguePlayer, SwitchingToABrokenEmulatorDropsTheOtherTemplates)
{
    configure(uaeExe, QStringLiteral("/no/such/folder/fellow"));
    open(addGame());
    window->Option1_Click();
    ASSERT_EQ(child<FileListBox>("File1")->count(), 2);
    window->Option2_Click();
    EXPECT_EQ(child<FileListBox>("File1")->count(), 0);
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option1")->isChecked());
    tc.dialogs.clear();
    window->Command1_Click(); // must not feed a WinUAE template to WinFellow
    expectStartFailureShown();
    EXPECT_FALSE(QFile::exists(outputPath(AmigaEmulator::WinFellow)));
}
