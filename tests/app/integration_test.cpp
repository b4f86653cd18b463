// Hand-overs between windows of different folders, through the windows as the program
// registers them.
#include "amigaregistry.h"
#include "browserregistry.h"
#include "c64registry.h"
#include "configregistry.h"
#include "editingregistry.h"
#include "musicregistry.h"

#include "browselists.h"
#include "mainwindow.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTimer>

#include <functional>

class Integration : public ::testing::Test
{
protected:
    Integration()
    {
        for (auto reg : {registerC64Windows, registerAmigaWindows, registerEditingWindows,
                         registerConfigWindows, registerMusicWindows, registerBrowserWindows})
            reg(*t.ctx);
    }
    ~Integration() override
    {
        t.windows.closeAll();
        flushDeletes();
    }

    QString dir() const { return QDir::toNativeSeparators(t.temp.path()); }
    QString file(const QString &name, const QByteArray &bytes = "data", bool executable = false)
    {
        return writeFile(t.temp.filePath(name), bytes, executable);
    }

    // Selects the row of list whose data under role matches, as a click does.
    static bool select(QListWidget *list, const QVariant &value, int role = Qt::DisplayRole)
    {
        for (int i = 0; list && i < list->count(); ++i)
            if (list->item(i)->data(role) == value) {
                list->setCurrentRow(i);
                Q_EMIT list->itemClicked(list->item(i));
                return true;
            }
        return false;
    }

    // Chooses game id in the association editor and presses OK.
    void attachTo(QWidget *editor, int id)
    {
        ASSERT_TRUE(editor);
        ASSERT_TRUE(select(control<QListWidget>(editor, "gameList"), id, Qt::UserRole));
        click(editor, "okButton");
    }

    // Presses a pick button of the configuration; drive() plays the user in the chooser.
    void pickInConfig(QWidget *config, const QString &column,
                      const std::function<void(QWidget *)> &drive)
    {
        bool reached = false;
        QObject scope; // a chooser still open after five seconds is closed
        QTimer::singleShot(0, &scope, [&] {
            if (QWidget *chooser = t.windows.find(WindowKey::FileChooser)) {
                reached = true;
                drive(chooser);
            }
        });
        QTimer::singleShot(5000, &scope, [&] {
            if (QWidget *chooser = t.windows.find(WindowKey::FileChooser))
                chooser->close();
        });
        click(config, column + "PickButton");
        EXPECT_TRUE(reached) << "the chooser opened modally";
        EXPECT_FALSE(isOpen(*t.ctx, WindowKey::FileChooser)) << "the chooser closed";
    }

    TestContext t;
};

TEST_F(Integration, PlayerFilesReachTheGameOfTheirMachine)
{
    const QString d64 = file("zork.d64", QByteArray(174848, '\0'));
    QStringList disks;
    for (int i = 1; i <= 4; ++i)
        disks << file(QString("disk%1.adf").arg(i), QByteArray(901120, '\0'));
    const int zork = t.catalogue.addGame({{"titolo", "Zork"}, {"formato", "C64"}});
    const int agony = t.catalogue.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});

    QWidget *c64 = t.windows.open(C64FreePlayerRequest{dir()});
    ASSERT_TRUE(select(control<QListWidget>(c64, "fileList"), "zork.d64"));
    click(c64, "associateButton");
    QWidget *editor = t.windows.find(WindowKey::AssociationEditor);
    ASSERT_TRUE(editor);
    EXPECT_FALSE(select(control<QListWidget>(editor, "gameList"), agony, Qt::UserRole))
        << "only the C64 family is offered";
    attachTo(editor, zork);
    EXPECT_EQ(t.catalogue.value(zork, "emul1").toString(), d64);

    QWidget *amiga = t.windows.open(AmigaFreePlayerRequest{dir()});
    auto *files = control<QListWidget>(amiga, "fileList");
    for (int i = 1; i <= 4; ++i) { // activating a file fills the next drive
        ASSERT_TRUE(select(files, QString("disk%1.adf").arg(i)));
        Q_EMIT files->itemDoubleClicked(files->currentItem());
    }
    click(amiga, "associateButton");
    attachTo(t.windows.find(WindowKey::AssociationEditor), agony);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.catalogue.value(agony, i ? QString("df%1").arg(i) : "emul1"), disks[i]);
}

TEST_F(Integration, ConfigurationTakesTheChoosersPickAndStoresIt)
{
    const QString emulator = file("emulator.exe", "#!/bin/sh\n", true);
    t.catalogue.setConfig({{"ccs64", "/old/ccs64"}, {"game64", "/old/games/"}});
    QWidget *config = t.windows.show(WindowKey::SystemConfig);
    auto *ccs64 = control<QLineEdit>(config, "ccs64Edit");
    // Closing the chooser at once is no pick: the configured path stays.
    pickInConfig(config, "ccs64", [](QWidget *chooser) { chooser->close(); });
    EXPECT_EQ(ccs64->text(), "/old/ccs64");

    const auto choose = [&](const QString &title, const QString &name) {
        return [this, title, name](QWidget *chooser) {
            EXPECT_EQ(chooser->windowTitle(), title);
            ASSERT_TRUE(control<DirListBox>(chooser, "folderList")->setPath(dir()));
            if (!name.isEmpty()) {
                ASSERT_TRUE(select(control<QListWidget>(chooser, "fileList"), name));
            }
            click(chooser, "okButton");
        };
    };
    pickInConfig(config, "ccs64", choose("Select executable for CCS64 Emulator", "emulator.exe"));
    EXPECT_EQ(ccs64->text(), emulator);
    pickInConfig(config, "game64", choose("Select directory of C64 Games", {}));
    click(config, "okButton");
    EXPECT_EQ(t.catalogue.value(0, "ccs64").toString(), emulator);
    EXPECT_EQ(t.catalogue.value(0, "game64").toString(), dir() + QDir::separator());
}

// Modify opens the record editor on the shown game; its save reaches the main window.
TEST_F(Integration, TheRecordEditorsSaveRefreshesTheMainWindow)
{
    t.catalogue.addGame({{"titolo", "Alpha"}, {"formato", "C64"}});
    const int beta = t.catalogue.addGame({{"titolo", "Beta"}, {"formato", "C64"}});
    auto *main = new MainWindow(*t.ctx);
    auto *list = control<QAbstractItemView>(main, "gameList");
    list->setCurrentIndex(list->model()->index(1, 0));
    ASSERT_EQ(main->gameId(), beta);
    click(main, "modifyButton");
    QWidget *editor = t.windows.find(WindowKey::RecordEditor);
    ASSERT_TRUE(editor);
    control<QLineEdit>(editor, "titleEdit")->setText("Aardvark");
    click(editor, "modifyButton");
    EXPECT_EQ(t.catalogue.value(beta, "titolo").toString(), "Aardvark");
    EXPECT_EQ(main->gameId(), beta) << "the edited game stays shown";
    EXPECT_EQ(list->currentIndex().row(), 0) << "and highlighted at its new place";
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Aardvark");
}
