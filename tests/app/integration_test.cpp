// The hand-overs between windows of different folders, through the real windows as the
// program registers them: a player's files reach the association editor, the chooser's
// pick reaches the configuration window.
#include "amigaregistry.h"
#include "c64registry.h"
#include "configregistry.h"
#include "editingregistry.h"
#include "musicregistry.h"

#include "browselists.h"
#include "database.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace
{

class Integration : public ::testing::Test
{
protected:
    Integration()
    {
        AppContext &c = ctx();
        registerC64Windows(c);
        registerAmigaWindows(c);
        registerEditingWindows(c);
        registerConfigWindows(c);
        registerMusicWindows(c);
        EXPECT_TRUE(folder.isValid());
    }
    ~Integration() override
    {
        ctx().windows.closeAll();
        flush();
    }

    AppContext &ctx() { return *t.ctx; }

    static void flush()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // A file in the test folder, its native path returned.
    QString makeFile(const QString &name, const QByteArray &bytes = "data", bool executable = false)
    {
        QFile f(folder.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return QDir::toNativeSeparators(f.fileName());
    }

    QString nativeFolder() const { return QDir::toNativeSeparators(folder.path()); }

    QWidget *window(const QString &name) { return ctx().windows.find(name); }

    template <class T> static T *control(QWidget *w, const QString &name)
    {
        T *c = w ? w->findChild<T *>(name) : nullptr;
        EXPECT_TRUE(c) << name.toStdString();
        return c;
    }

    // Selects the row showing text, as a user's click does.
    static bool pickRow(QListWidget *list, const QString &text)
    {
        for (int i = 0; list && i < list->count(); ++i)
            if (list->item(i)->text() == text) {
                list->setCurrentRow(i);
                return true;
            }
        return false;
    }

    static void doubleClickRow(QListWidget *list, const QString &text)
    {
        ASSERT_TRUE(pickRow(list, text)) << text.toStdString();
        const QPoint at = list->visualItemRect(list->currentItem()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // The association editor's game row for id.
    static bool chooseGame(QWidget *form3, int id)
    {
        auto *list = control<QListWidget>(form3, "List1");
        for (int i = 0; list && i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toInt() == id) {
                list->setCurrentRow(i);
                return true;
            }
        return false;
    }

    // Moves the chooser's folder list, as browsing there does.
    static void chooserFolder(QWidget *chooser, const QString &path)
    {
        auto *dir = control<DirListBox>(chooser, "Dir1");
        ASSERT_TRUE(dir && dir->setPath(path)) << path.toStdString();
    }

    // Runs the pick button of a Config box; while the modal chooser is open, drive()
    // plays the user in it. A chooser still open after five seconds is closed.
    void pickInConfig(QWidget *config, const QString &column,
                      const std::function<void(QWidget *)> &drive)
    {
        bool reached = false;
        QTimer user;
        user.setSingleShot(true);
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget *chooser = window(QStringLiteral("sfoglia"));
            reached = chooser != nullptr;
            if (chooser)
                drive(chooser);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (QWidget *chooser = window(QStringLiteral("sfoglia")))
                chooser->close();
        });
        user.start(0);
        guard.start(5000);
        control<QPushButton>(config, column + QStringLiteral("Pick"))->click();
        EXPECT_TRUE(reached) << "the chooser opened modally";
        EXPECT_FALSE(window(QStringLiteral("sfoglia"))) << "the chooser closed";
    }

    TestContext t;
    QTemporaryDir folder;
};

TEST_F(Integration, FreeC64PlayerFileReachesTheGameThroughTheAssociationEditor)
{
    const QString d64 = makeFile(QStringLiteral("zork.d64"), QByteArray(174848, '\0'));
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    const int other = t.catalogue.addGame({{"titolo", "Another"}, {"formato", "Amiga"}});
    ctx().startdir = nativeFolder();

    QWidget *form5 = ctx().windows.show(QStringLiteral("Form5"));
    ASSERT_TRUE(form5);
    ASSERT_TRUE(pickRow(control<QListWidget>(form5, "File1"), QStringLiteral("zork.d64")));
    EXPECT_EQ(control<QLineEdit>(form5, "Text1")->text(), d64);

    control<QPushButton>(form5, "NmButton5")->click();
    QWidget *form3 = window(QStringLiteral("Form3"));
    ASSERT_TRUE(form3) << "Associate opens the association editor";
    EXPECT_FALSE(chooseGame(form3, other)) << "only the C64 family is offered";
    ASSERT_TRUE(chooseGame(form3, zork));
    t.dialogs.clear();
    control<QPushButton>(form3, "Command1")->click();

    EXPECT_EQ(t.dialogs.messages(), QStringList{"Configuration UPDATED!"});
    EXPECT_EQ(t.catalogue.value(zork, "emul1").toString(), d64);
    EXPECT_TRUE(t.catalogue.value(other, "emul1").isNull());
    EXPECT_TRUE(t.panel.gameLamp);
    EXPECT_FALSE(window(QStringLiteral("Form3")));
    EXPECT_TRUE(window(QStringLiteral("Form5"))) << "the player stays open";
}

TEST_F(Integration, FreeAmigaPlayerDisksReachAllFourDriveColumns)
{
    QStringList disks;
    for (int i = 1; i <= 4; ++i)
        disks << makeFile(QStringLiteral("disk%1.adf").arg(i), QByteArray(901120, '\0'));
    const int lemmings = t.catalogue.addGame(
        {{"titolo", "Lemmings"}, {"formato", "Amiga"}, {"song", "/music/lemmings.mod"}});
    ctx().startdir = nativeFolder();

    QWidget *player = ctx().windows.show(QStringLiteral("amiplayer"));
    ASSERT_TRUE(player);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(player));
    auto *files = control<QListWidget>(player, "File1");
    for (int i = 1; i <= 4; ++i)
        doubleClickRow(files, QStringLiteral("disk%1.adf").arg(i));
    for (int i = 1; i <= 4; ++i)
        ASSERT_EQ(control<QLineEdit>(player, QStringLiteral("Text%1").arg(i))->text(),
                  disks.at(i - 1));

    control<QPushButton>(player, "Command3")->click();
    QWidget *form3 = window(QStringLiteral("Form3"));
    ASSERT_TRUE(form3);
    ASSERT_TRUE(chooseGame(form3, lemmings));
    control<QPushButton>(form3, "Command1")->click();

    EXPECT_EQ(t.catalogue.value(lemmings, "emul1").toString(), disks.at(0));
    EXPECT_EQ(t.catalogue.value(lemmings, "df1").toString(), disks.at(1));
    EXPECT_EQ(t.catalogue.value(lemmings, "df2").toString(), disks.at(2));
    EXPECT_EQ(t.catalogue.value(lemmings, "df3").toString(), disks.at(3));
    EXPECT_EQ(t.catalogue.value(lemmings, "song").toString(), "/music/lemmings.mod");
}

TEST_F(Integration, MusicWindowSongReachesTheGameOfItsMachine)
{
    const QString song = makeFile(QStringLiteral("tune.sid"));
    const int c64 = t.catalogue.addGame({{"titolo", "Commando"}, {"formato", "C64"}});
    const int amiga = t.catalogue.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
    ctx().startdir = nativeFolder();
    ctx().playerkind = QStringLiteral("Amiga");

    QWidget *form8 = ctx().windows.show(QStringLiteral("Form8"));
    ASSERT_TRUE(form8);
    ASSERT_TRUE(pickRow(control<QListWidget>(form8, "File1"), QStringLiteral("tune.sid")));
    control<QPushButton>(form8, "Command4")->click();
    QWidget *form3 = window(QStringLiteral("Form3"));
    ASSERT_TRUE(form3);
    EXPECT_FALSE(chooseGame(form3, c64)) << "an Amiga player offers Amiga games";
    ASSERT_TRUE(chooseGame(form3, amiga));
    t.panel.musicLamp = false;
    control<QPushButton>(form3, "Command1")->click();

    EXPECT_EQ(t.catalogue.value(amiga, "song").toString(), nomecorto(song));
    EXPECT_TRUE(t.catalogue.value(amiga, "emul1").isNull());
    EXPECT_TRUE(t.panel.musicLamp);
}

// A music window of no known machine must not let the editor write another player's
// file: the editor was last opened for the C64 player, whose box still holds a disk.
TEST_F(Integration, MusicWindowOfNoMachineWritesNothing)
{
    makeFile(QStringLiteral("zork.d64"));
    makeFile(QStringLiteral("tune.sid"));
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    ctx().startdir = nativeFolder();

    QWidget *form5 = ctx().windows.show(QStringLiteral("Form5"));
    ASSERT_TRUE(pickRow(control<QListWidget>(form5, "File1"), QStringLiteral("zork.d64")));
    control<QPushButton>(form5, "NmButton5")->click();
    control<QPushButton>(window(QStringLiteral("Form3")), "Command2")->click();
    flush();

    ctx().playerkind.clear();
    QWidget *form8 = ctx().windows.show(QStringLiteral("Form8"));
    ASSERT_TRUE(pickRow(control<QListWidget>(form8, "File1"), QStringLiteral("tune.sid")));
    control<QPushButton>(form8, "Command4")->click();
    QWidget *form3 = window(QStringLiteral("Form3"));
    ASSERT_TRUE(form3);
    if (chooseGame(form3, zork)) {
        t.dialogs.clear();
        control<QPushButton>(form3, "Command1")->click();
        EXPECT_TRUE(t.dialogs.messages().value(0).contains("Nothing was written"));
    }
    EXPECT_TRUE(t.catalogue.value(zork, "emul1").isNull());
    EXPECT_TRUE(t.catalogue.value(zork, "song").isNull());
}

// The editor left open by one player and opened again by another follows the second.
TEST_F(Integration, EditorReopenedByAnotherPlayerFollowsIt)
{
    const QString d64 = makeFile(QStringLiteral("zork.d64"));
    const QString song = makeFile(QStringLiteral("tune.sid"));
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    ctx().startdir = nativeFolder();
    ctx().playerkind = QStringLiteral("C64");

    QWidget *form5 = ctx().windows.show(QStringLiteral("Form5"));
    ASSERT_TRUE(pickRow(control<QListWidget>(form5, "File1"), QStringLiteral("zork.d64")));
    control<QPushButton>(form5, "NmButton5")->click();
    ASSERT_TRUE(window(QStringLiteral("Form3")));

    QWidget *form8 = ctx().windows.show(QStringLiteral("Form8"));
    ASSERT_TRUE(pickRow(control<QListWidget>(form8, "File1"), QStringLiteral("tune.sid")));
    control<QPushButton>(form8, "Command4")->click();
    QWidget *form3 = window(QStringLiteral("Form3"));
    ASSERT_TRUE(form3);
    ASSERT_TRUE(chooseGame(form3, zork));
    t.dialogs.clear();
    control<QPushButton>(form3, "Command1")->click();
    // Where the window system did not activate the editor, "OK" first reloads its list.
    if (t.dialogs.messages().value(0).contains("Nothing was written")) {
        EXPECT_TRUE(t.catalogue.value(zork, "emul1").isNull());
        ASSERT_TRUE(chooseGame(form3, zork));
        control<QPushButton>(form3, "Command1")->click();
    }

    EXPECT_EQ(t.catalogue.value(zork, "song").toString(), nomecorto(song));
    EXPECT_TRUE(t.catalogue.value(zork, "emul1").isNull()) << "the C64 player's disk stays out";
}

TEST_F(Integration, ConfigurationTakesTheChoosersPickAndStoresIt)
{
    const QString emulator = makeFile(QStringLiteral("emulator.exe"), "#!/bin/sh\n", true);
    t.catalogue.setConfig({{"ccs64", "/old/ccs64"}, {"game64", "/old/games/"}});

    QWidget *config = ctx().windows.show(QStringLiteral("Config"));
    ASSERT_TRUE(config);
    EXPECT_EQ(control<QLineEdit>(config, "ccs64")->text(), "/old/ccs64");

    pickInConfig(config, QStringLiteral("ccs64"), [&](QWidget *chooser) {
        EXPECT_EQ(chooser->windowTitle(), "Select executable for CCS64 Emulator");
        chooserFolder(chooser, nativeFolder());
        ASSERT_TRUE(pickRow(control<QListWidget>(chooser, "File1"), "emulator.exe"));
        control<QPushButton>(chooser, "Command1")->click();
    });
    EXPECT_EQ(control<QLineEdit>(config, "ccs64")->text(), emulator);

    pickInConfig(config, QStringLiteral("game64"), [&](QWidget *chooser) {
        EXPECT_EQ(chooser->windowTitle(), "Select directory of C64 Games");
        chooserFolder(chooser, nativeFolder());
        control<QPushButton>(chooser, "Command1")->click();
    });
    EXPECT_EQ(control<QLineEdit>(config, "game64")->text(), nativeFolder() + QDir::separator());

    control<QPushButton>(config, "OK")->click();
    EXPECT_EQ(t.catalogue.value(0, "ccs64").toString(), emulator);
    EXPECT_EQ(t.catalogue.value(0, "game64").toString(), nativeFolder() + QDir::separator());
}

// Closing the chooser at once is no pick: the configured path stays in the box.
TEST_F(Integration, ChooserClosedWithoutOkLeavesTheConfiguredPath)
{
    t.catalogue.setConfig({{"vice", "/old/vice"}});
    QWidget *config = ctx().windows.show(QStringLiteral("Config"));
    ASSERT_TRUE(config);
    pickInConfig(config, QStringLiteral("vice"), [](QWidget *chooser) { chooser->close(); });
    EXPECT_EQ(control<QLineEdit>(config, "vice")->text(), "/old/vice");
    t.dialogs.answers = {true};
    control<QPushButton>(config, "OK")->click();
    EXPECT_EQ(t.catalogue.value(0, "vice").toString(), "/old/vice");
}

TEST_F(Integration, DropOnTheCatalogueC64PlayerOpensTheConfiguration)
{
    QWidget *emu = ctx().windows.show(QStringLiteral("emu64"));
    ASSERT_TRUE(emu);
    EXPECT_FALSE(window(QStringLiteral("Config")));
    auto *frame = control<QGroupBox>(emu, "Frame1");
    QMimeData mime;
    mime.setText(QStringLiteral("anything"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_TRUE(window(QStringLiteral("Config")));
}

} // namespace
