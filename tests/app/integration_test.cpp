// Hand-overs between windows of different folders, through the windows as registered.
#include "amigaregistry.h"
#include "c64registry.h"
#include "configregistry.h"
#include "editingregistry.h"
#include "musicregistry.h"

#include "browselists.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

class Integration : public ::testing::Test
{
protected:
    Integration()
    {
        for (auto reg : {registerC64Windows, registerAmigaWindows, registerEditingWindows,
                         registerConfigWindows, registerMusicWindows})
            reg(*t.ctx);
        t.ctx->startdir = dir();
    }
    ~Integration() override
    {
        t.ctx->windows.closeAll();
        flush();
    }

    static void flush()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QString makeFile(const QString &name, const QByteArray &bytes = "data", bool executable = false)
    {
        QFile f(t.temp.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        if (executable)
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return QDir::toNativeSeparators(f.fileName());
    }

    QString dir() const { return QDir::toNativeSeparators(t.temp.path()); }
    QWidget *window(const QString &name) { return t.ctx->windows.find(name); }
    QWidget *show(const QString &name) { return t.ctx->windows.show(name); }

    template <class T> static T *control(QWidget *w, const QString &name)
    {
        T *c = w ? w->findChild<T *>(name) : nullptr;
        EXPECT_TRUE(c) << name.toStdString();
        return c;
    }
    static void click(QWidget *w, const QString &button)
    {
        control<QPushButton>(w, button)->click();
    }

    // Selects the row whose text (or, with role, whose data) matches, as a click does.
    static bool pick(QWidget *w, const QVariant &value, int role = Qt::DisplayRole)
    {
        auto *list = control<QListWidget>(w, role == Qt::DisplayRole ? "File1" : "List1");
        for (int i = 0; list && i < list->count(); ++i)
            if (list->item(i)->data(role) == value) {
                list->setCurrentRow(i);
                return true;
            }
        return false;
    }
    static bool chooseGame(QWidget *form3, int id) { return pick(form3, id, Qt::UserRole); }

    // Picks a file in a player window and presses its Associate button.
    QWidget *associate(const QString &player, const QString &file, const QString &button)
    {
        QWidget *w = show(player);
        EXPECT_TRUE(pick(w, file)) << file.toStdString();
        click(w, button);
        return window("Form3");
    }

    // Presses a Config pick button; drive() plays the user in the modal chooser.
    void pickInConfig(QWidget *config, const QString &column,
                      const std::function<void(QWidget *)> &drive)
    {
        bool reached = false;
        QObject scope; // a chooser still open after five seconds is closed
        QTimer::singleShot(0, &scope, [&] {
            if ((reached = window("sfoglia")))
                drive(window("sfoglia"));
        });
        QTimer::singleShot(5000, &scope, [&] {
            if (QWidget *chooser = window("sfoglia"))
                chooser->close();
        });
        click(config, column + "Pick");
        EXPECT_TRUE(reached) << "the chooser opened modally";
        EXPECT_FALSE(window("sfoglia")) << "the chooser closed";
    }

    TestContext t;
};

TEST_F(Integration, PlayerFilesReachTheGameOfTheirMachineThroughTheAssociationEditor)
{
    const QString d64 = makeFile("zork.d64", QByteArray(174848, '\0'));
    const QString song = makeFile("tune.sid");
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    const int agony = t.catalogue.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
    QWidget *form3 = associate("Form5", "zork.d64", "NmButton5");
    EXPECT_EQ(control<QLineEdit>(window("Form5"), "Text1")->text(), d64);
    ASSERT_TRUE(form3) << "Associate opens the association editor";
    EXPECT_FALSE(chooseGame(form3, agony)) << "only the C64 family is offered";
    ASSERT_TRUE(chooseGame(form3, zork));
    click(form3, "Command1");
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Configuration UPDATED!"});
    EXPECT_EQ(t.catalogue.value(zork, "emul1").toString(), d64);
    EXPECT_TRUE(t.panel.gameLamp);
    EXPECT_FALSE(window("Form3"));
    EXPECT_TRUE(window("Form5")) << "the player stays open";

    // A music window of no machine: the editor, last opened by the C64 player, writes nothing.
    form3 = associate("Form8", "tune.sid", "Command4");
    if (chooseGame(form3, zork)) {
        t.dialogs.clear();
        click(form3, "Command1");
        EXPECT_TRUE(t.dialogs.messages().value(0).contains("Nothing was written"));
    }
    EXPECT_TRUE(t.catalogue.value(zork, "song").isNull());
    EXPECT_EQ(t.catalogue.value(zork, "emul1").toString(), d64);
    t.ctx->windows.closeAll();
    flush();
    t.ctx->playerkind = "Amiga";
    form3 = associate("Form8", "tune.sid", "Command4");
    EXPECT_FALSE(chooseGame(form3, zork)) << "an Amiga player offers Amiga games";
    ASSERT_TRUE(chooseGame(form3, agony));
    click(form3, "Command1");
    EXPECT_EQ(t.catalogue.value(agony, "song").toString(), shortPath(song));
    EXPECT_TRUE(t.catalogue.value(agony, "emul1").isNull());
    EXPECT_TRUE(t.panel.musicLamp);
}

TEST_F(Integration, AmigaPlayerDisksReachAllFourDriveColumns)
{
    QStringList disks;
    for (int i = 1; i <= 4; ++i)
        disks << makeFile(QString("disk%1.adf").arg(i), QByteArray(901120, '\0'));
    const int lemmings = t.catalogue.addGame(
        {{"titolo", "Lemmings"}, {"formato", "Amiga"}, {"song", "/music/lemmings.mod"}});
    QWidget *player = show("amiplayer");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(player));
    auto *files = control<QListWidget>(player, "File1");
    for (int i = 1; i <= 4; ++i) { // a double-click fills the next drive
        ASSERT_TRUE(pick(player, QString("disk%1.adf").arg(i)));
        const QPoint at = files->visualItemRect(files->currentItem()).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
        ASSERT_EQ(control<QLineEdit>(player, QString("Text%1").arg(i))->text(), disks[i - 1]);
    }

    click(player, "Command3");
    QWidget *form3 = window("Form3");
    ASSERT_TRUE(chooseGame(form3, lemmings));
    click(form3, "Command1");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.catalogue.value(lemmings, i ? QString("df%1").arg(i) : "emul1"), disks[i]);
    EXPECT_EQ(t.catalogue.value(lemmings, "song").toString(), "/music/lemmings.mod");
}

// The editor left open by one player and opened again by another follows the second.
TEST_F(Integration, EditorReopenedByAnotherPlayerFollowsIt)
{
    makeFile("zork.d64");
    const QString song = makeFile("tune.sid");
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    t.ctx->playerkind = "C64";
    ASSERT_TRUE(associate("Form5", "zork.d64", "NmButton5"));
    QWidget *form3 = associate("Form8", "tune.sid", "Command4");
    ASSERT_TRUE(chooseGame(form3, zork));
    t.dialogs.clear();
    click(form3, "Command1");
    // Where the window system did not activate the editor, "OK" first reloads its list.
    if (t.dialogs.messages().value(0).contains("Nothing was written")) {
        EXPECT_TRUE(t.catalogue.value(zork, "emul1").isNull());
        ASSERT_TRUE(chooseGame(form3, zork));
        click(form3, "Command1");
    }
    EXPECT_EQ(t.catalogue.value(zork, "song").toString(), shortPath(song));
    EXPECT_TRUE(t.catalogue.value(zork, "emul1").isNull()) << "the C64 player's disk stays out";
}

TEST_F(Integration, ConfigurationTakesTheChoosersPickAndStoresIt)
{
    const QString emulator = makeFile("emulator.exe", "#!/bin/sh\n", true);
    t.catalogue.setConfig({{"ccs64", "/old/ccs64"}, {"game64", "/old/games/"}});
    QWidget *config = show("Config");
    ASSERT_TRUE(config);
    auto *ccs64 = control<QLineEdit>(config, "ccs64");
    EXPECT_EQ(ccs64->text(), "/old/ccs64");
    // Closing the chooser at once is no pick: the configured path stays.
    pickInConfig(config, "ccs64", [](QWidget *chooser) { chooser->close(); });
    EXPECT_EQ(ccs64->text(), "/old/ccs64");

    const auto choose = [&](const QString &title, const QString &file) {
        return [this, title, file](QWidget *chooser) {
            EXPECT_EQ(chooser->windowTitle(), title);
            ASSERT_TRUE(control<DirListBox>(chooser, "Dir1")->setPath(dir()));
            if (!file.isEmpty()) {
                ASSERT_TRUE(pick(chooser, file));
            }
            click(chooser, "Command1");
        };
    };
    pickInConfig(config, "ccs64", choose("Select executable for CCS64 Emulator", "emulator.exe"));
    EXPECT_EQ(ccs64->text(), emulator);
    pickInConfig(config, "game64", choose("Select directory of C64 Games", {}));
    EXPECT_EQ(control<QLineEdit>(config, "game64")->text(), dir() + QDir::separator());

    click(config, "OK");
    EXPECT_EQ(t.catalogue.value(0, "ccs64").toString(), emulator);
    EXPECT_EQ(t.catalogue.value(0, "game64").toString(), dir() + QDir::separator());
}
