// The Amiga players: the catalogue player `Form9` plays a catalogue game and closes, the
// free player `amiplayer` loads disks from a browsing list and stays open.
#include "amigafreeplayer.h"
#include "amigaplayer.h"
#include "amigaregistry.h"
#include "browselists.h"
#include "launchtest.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

constexpr AmigaEmulator UAE = AmigaEmulator::WinUAE;
constexpr AmigaEmulator Fellow = AmigaEmulator::WinFellow;
constexpr char kStartFailure[] = "Select Emulator and Configuration";

// WinUAE with two templates in its "configurations" folder, WinFellow with one beside it.
class AmigaPlayers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir root(emulators.path());
        ASSERT_TRUE(root.mkpath("uae/configurations") && root.mkpath("fellow") &&
                    root.mkpath("disks"));
        uaeExe = QDir::toNativeSeparators(root.filePath("uae/winuae"));
        fellowExe = QDir::toNativeSeparators(root.filePath("fellow/fellow"));
        c64img::save(root.path(), "uae/configurations/a500.uae",
                     "floppy0=C:\\old.adf\r\nfloppy1=\r\nuse_gui=yes\r\n");
        c64img::save(root.path(), "uae/configurations/b1200.uae", "cpu=68020\r\nfloppy0=\r\n");
        c64img::save(root.path(), "uae/configurations/notes.txt", "not a template");
        c64img::save(root.path(), "fellow/std.wfc",
                     "floppy0=\nfloppy1=\nfloppy2=\nfloppy3=\nusegui=yes\n");
        for (int i = 1; i <= 5; ++i)
            c64img::save(root.path(), QString("disks/game%1.adf").arg(i), "ADF");
        configure(uaeExe, fellowExe);
        ctx().startdir = QDir::toNativeSeparators(root.filePath("disks"));
        ctx().browsepath = "left over";
        ctx().uaegui = ctx().fellowgui = 0;
    }
    void TearDown() override { ctx().windows.closeAll(); }

    AppContext &ctx() { return *tc.ctx; }
    void configure(const QVariant &uae, const QVariant &fellow)
    {
        tc.catalogue.setConfig({{"uae", uae}, {"fellow", fellow}});
    }
    QString outputPath(AmigaEmulator e) { return ctx().paths.temp(amigaOutputName(e)); }
    QByteArray output(AmigaEmulator e) { return c64img::load(outputPath(e)); }
    QString disk(int i) const
    {
        return QDir::toNativeSeparators(emulators.filePath(QString("disks/game%1.adf").arg(i)));
    }
    // A beep, then the one message with its documented icon and title; cleared after.
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
    template <class T> T *child(QWidget *w, const QString &name)
    {
        T *c = w ? w->findChild<T *>(name) : nullptr;
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QRadioButton *option(QWidget *w, int n)
    {
        return child<QRadioButton>(w, QString("Option%1").arg(n));
    }
    FileListBox *list(QWidget *w, const char *name) { return child<FileListBox>(w, name); }

    // The catalogue player, opened as the main window does: by name for selectedid.
    Form9 *game(int offset = 0)
    {
        QVariantMap fields{{"titolo", "Lotus's \"Turbo\""}, {"formato", "Amiga"}};
        fields.insert({{"emul1", "/games/lotus 1.adf"}, {"df1", QVariant()}}); // Null and empty
        fields.insert({{"df2", "/games/lotus 3.adf"}, {"df3", QString()}});
        ctx().selectedid = offset + tc.catalogue.addGame(fields);
        registerAmigaWindows(ctx());
        form9 = qobject_cast<Form9 *>(ctx().windows.show("Form9"));
        EXPECT_NE(form9, nullptr);
        return form9;
    }
    bool closed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return form9.isNull() && !ctx().windows.find("Form9");
    }
    amiplayer *player()
    {
        free = std::make_unique<amiplayer>(ctx());
        free->show();
        return free.get();
    }
    QString text(int n) { return child<QLineEdit>(free.get(), QString("Text%1").arg(n))->text(); }
    QStringList drives() { return {text(1), text(2), text(3), text(4)}; }
    // A user's click, or double-click, on a file of the browsing list.
    void click(int i, bool twice = true)
    {
        auto *files = list(free.get(), "File1");
        const auto items = files->findItems(QString("game%1.adf").arg(i), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        const QPoint at = files->visualItemRect(items[0]).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
    }

    TestContext tc;
    QTemporaryDir emulators;
    QString uaeExe, fellowExe;
    QPointer<Form9> form9;
    std::unique_ptr<amiplayer> free;
};

} // namespace

TEST_F(AmigaPlayers, CataloguePlayerPlaysTheGameDisksAndCloses)
{
    game();
    EXPECT_TRUE(child<QLabel>(form9, "lblNoEmulator")->isHidden() &&
                list(form9, "File1")->isHidden());
    option(form9, 1)->click();
    EXPECT_EQ(list(form9, "File1")->count(), 2); // notes.txt is not a template
    EXPECT_EQ(list(form9, "File1")->fileName(), "a500.uae");
    child<QPushButton>(form9, "Command1")->click();
    EXPECT_EQ(tc.launcher.started.value(0).text(), uaeExe + " -f " + outputPath(UAE));
    EXPECT_EQ(output(UAE), "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\nuse_gui=false\r\n");
    EXPECT_TRUE(closed());

    game()->Option2_Click();
    EXPECT_EQ(list(form9, "File1")->fileName(), "std.wfc");
    form9->Command1_Click();
    EXPECT_EQ(tc.launcher.started.value(1).text(), fellowExe + " -f " + outputPath(Fellow));
    EXPECT_EQ(output(Fellow), "floppy0=/games/lotus 1.adf\r\nfloppy1=\r\n"
                              "floppy2=/games/lotus 3.adf\r\nfloppy3=\r\nusegui=no\r\n");
    EXPECT_TRUE(closed());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaPlayers, UnconfiguredEmulatorsCannotBeChosen)
{
    configure(QVariant(), QString(""));
    game()->show();
    EXPECT_FALSE(option(form9, 1)->isEnabled() || option(form9, 2)->isEnabled());
    EXPECT_TRUE(child<QLabel>(form9, "lblNoEmulator")->isVisible()); // a hint says why
    form9->Option1_Click();
    form9->Command1_Click();
    EXPECT_FALSE(option(form9, 1)->isChecked());
    EXPECT_TRUE(list(form9, "File1")->isHidden());
    configure(QVariant(), fellowExe);
    amiplayer *p = player();
    EXPECT_FALSE(option(p, 1)->isEnabled());
    EXPECT_TRUE(option(p, 2)->isEnabled());
    p->Option1_Click();
    p->Command1_Click(); // no emulator chosen
    EXPECT_TRUE(tc.launcher.started.isEmpty() && tc.dialogs.shown.isEmpty());
    EXPECT_FALSE(closed());
}

TEST_F(AmigaPlayers, FailuresAndBadTemplateFoldersWarnAndStayOpen)
{
    game(100)->Option1_Click(); // not in the catalogue
    form9->Command1_Click();
    expectWarning(kStartFailure);
    EXPECT_FALSE(QFile::exists(outputPath(UAE)));
    ctx().windows.closeAll();
    EXPECT_TRUE(closed());

    tc.launcher.failing.insert(uaeExe);
    game()->Option1_Click();
    form9->Command1_Click();
    expectWarning(kStartFailure);
    ASSERT_TRUE(QFile::remove(emulators.filePath("uae/configurations/a500.uae")));
    form9->Command1_Click(); // the template has vanished
    expectWarning(kStartFailure);
    EXPECT_FALSE(closed());
    EXPECT_TRUE(tc.launcher.started.isEmpty());

    ctx().windows.closeAll();
    configure(uaeExe, "/no/such/folder/fellow");
    game()->Option1_Click();
    form9->Option2_Click();
    expectWarning("Bad configuration for WinFellow");
    EXPECT_EQ(list(form9, "File1")->count(), 0);
    form9->Command1_Click(); // must not feed a WinUAE template to WinFellow
    expectWarning(kStartFailure);
    EXPECT_FALSE(QFile::exists(outputPath(Fellow)));

    configure("winuae", fellowExe); // no folder part, and a folder without templates
    ASSERT_TRUE(QFile::remove(emulators.filePath("fellow/std.wfc")));
    amiplayer *p = player();
    p->Option1_Click();
    expectWarning("Bad configuration for WinUAE");
    EXPECT_TRUE(list(p, "File2")->isHidden());
    p->Option2_Click();
    expectWarning("Bad configuration for WinFellow");
}

TEST_F(AmigaPlayers, FreePlayerBrowsesAndFillsTheFirstEmptyDrive)
{
    player();
    EXPECT_TRUE(ctx().browsepath.isEmpty());
    EXPECT_TRUE(list(free.get(), "File2")->isHidden());
    for (int i = 1; i <= 5; ++i) // a fifth disk changes nothing
        click(i);
    EXPECT_EQ(drives(), (QStringList{disk(1), disk(2), disk(3), disk(4)}));
    free->findChild<QLineEdit *>("Text2")->clear();
    free->findChild<QLineEdit *>("Text4")->clear();
    click(5);
    EXPECT_EQ(drives(), (QStringList{disk(1), disk(5), disk(3), QString()}));
    child<QPushButton>(free.get(), "Command2")->click(); // "Discard Disk"
    EXPECT_EQ(drives(), QStringList(4, QString()));
    click(2, false); // a single click loads nothing
    EXPECT_EQ(drives(), QStringList(4, QString()));
    click(4);
    EXPECT_EQ(drives(), (QStringList{disk(4), QString(), QString(), QString()}));

    ctx().startdir = "/no/such/folder";
    EXPECT_EQ(child<DirListBox>(player(), "Dir1")->path(),
              QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AmigaPlayers, FreePlayerPlaysStaysOpenAndAssociates)
{
    registerAmigaWindows(ctx());
    auto *p = qobject_cast<amiplayer *>(ctx().windows.show("amiplayer"));
    ASSERT_NE(p, nullptr);
    child<QLineEdit>(p, "Text1")->setText("A:\\GAME1.ADF");
    option(p, 1)->click();
    EXPECT_EQ(list(p, "File2")->fileName(), "a500.uae");
    child<QPushButton>(p, "Command1")->click();
    EXPECT_EQ(output(UAE), "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=false\r\n");
    EXPECT_EQ(tc.launcher.started.value(0).text(), uaeExe + " -f " + outputPath(UAE));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    ctx().paths.tempDir = emulators.filePath("gone"); // a warning, the window stays
    p->Command1_Click();
    expectWarning(kStartFailure);
    EXPECT_EQ(tc.launcher.started.size(), 1);
    EXPECT_TRUE(p->isVisible());

    QString seen;
    ctx().windows.addFactory("Form3", [&] { // it reads the drive boxes of the open player
        seen = ctx().windows.find("amiplayer")->findChild<QLineEdit *>("Text1")->text();
        return new QWidget;
    });
    child<QPushButton>(p, "Command3")->click();
    EXPECT_EQ(ctx().assocmode, "Amiga");
    EXPECT_EQ(seen, "A:\\GAME1.ADF");
    EXPECT_TRUE(p->isVisible());
}
