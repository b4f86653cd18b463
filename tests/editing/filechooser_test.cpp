#include "database.h"
#include "editingtest.h"
#include "filechooser.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "browselists.h"

namespace
{

class FileChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = QDir(tc.catalogue.dir());
        root.mkpath("games/sub");
        root.mkpath("shots");
        root.mkpath("bin");
        for (const char *f : {"games/disk1.adf", "games/disk2.adf", "games/disk3.adf",
                              "games/disk4.adf", "games/readme.txt", "bin/notes.txt"})
            touch(root.filePath(f));
        const QString tool = root.filePath("bin/emulator");
        touch(tool);
        QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
        QImage small(40, 20, QImage::Format_RGB32);
        small.fill(Qt::red);
        ASSERT_TRUE(small.save(root.filePath("shots/small.png")));
        QImage big(2000, 500, QImage::Format_RGB32);
        big.fill(Qt::blue);
        ASSERT_TRUE(big.save(root.filePath("shots/big.png")));
        touch(root.filePath("shots/broken.png"));
    }

    static void touch(const QString &path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    QString dir(const char *name) const
    {
        return QDir::toNativeSeparators(root.filePath(QString::fromLatin1(name)));
    }
    QString file(const char *name) const { return dir(name); }

    sfoglia *open(const QString &mode, const QString &startdir = {}, int id = 0)
    {
        tc.app().browsemode = mode;
        tc.app().startdir = startdir;
        tc.app().selectedid = id;
        return qobject_cast<sfoglia *>(showWindow(tc.app(), "sfoglia"));
    }

    static QStringList names(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    static void select(sfoglia *w, const QString &name)
    {
        auto *files = control<FileListBox>(w, "File1");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found.first());
    }

    static void ok(sfoglia *w) { control<QPushButton>(w, "Command1")->click(); }

    EditingContext tc;
    QDir root;
};

} // namespace

TEST_F(FileChooser, ModesSetCaptionWidthAndFilter)
{
    sfoglia *w = open("dirgam64");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Select directory of C64 Games");
    EXPECT_TRUE(control<QWidget>(w, "File1")->isHidden());
    EXPECT_TRUE(control<QWidget>(w, "Frame1")->isHidden());
    EXPECT_FALSE(control<QWidget>(w, "Dir1")->isHidden());
    const int narrow = w->sizeHint().width();
    w->close();

    w = open("uae");
    EXPECT_EQ(w->windowTitle(), "Select executable for UAE Emulator");
    EXPECT_FALSE(control<QWidget>(w, "File1")->isHidden());
    EXPECT_TRUE(control<QWidget>(w, "Frame1")->isHidden());
    const int middle = w->sizeHint().width();
    control<DirListBox>(w, "Dir1")->setPath(dir("bin"));
#ifndef Q_OS_WIN
    EXPECT_EQ(names(control<QListWidget>(w, "File1")), QStringList{"emulator"})
        << "only programs are offered";
#endif
    w->close();

    w = open("mds1", dir("shots"), 1);
    EXPECT_EQ(w->windowTitle(), "Screenshot Selector");
    EXPECT_FALSE(control<QWidget>(w, "Frame1")->isHidden());
    EXPECT_GT(w->sizeHint().width(), middle);
    EXPECT_GT(middle, narrow);
    w->close();

    w = open("mdfm", dir("games"), 1);
    EXPECT_EQ(w->windowTitle(), "Select File Music");
    EXPECT_EQ(names(control<QListWidget>(w, "File1")).size(), 5) << "every file, no filter";
    w->close();

    w = open("unheard-of");
    EXPECT_EQ(w->windowTitle(), "Screenshot Selector");
    EXPECT_FALSE(w->mode().known);
}

TEST_F(FileChooser, MediaModesOpenInTheStartDirectoryWithAnEmptyResult)
{
    tc.app().browsepath = "/before";
    sfoglia *w = open("game", dir("games"));
    EXPECT_EQ(control<DirListBox>(w, "Dir1")->path(), dir("games"));
    EXPECT_EQ(control<FileListBox>(w, "File1")->path(), dir("games"));
    EXPECT_TRUE(tc.app().browsepath.isEmpty());
    EXPECT_EQ(tc.app().currentform.data(), w);

    // A start directory with its trailing separator, as the configuration stores it.
    w->close();
    w = open("music", dir("games") + QDir::separator());
    EXPECT_EQ(control<DirListBox>(w, "Dir1")->path(), dir("games"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FileChooser, ABadStartDirectoryIsReportedAndClosesTheChooser)
{
    for (const QString &bad : {dir("missing"), QString(), file("games/disk1.adf")}) {
        SCOPED_TRACE(bad.toStdString());
        tc.dialogs.clear();
        tc.app().browsepath = "/kept";
        open("mds2", bad, 1);
        ASSERT_EQ(tc.dialogs.shown.size(), 2);
        EXPECT_EQ(tc.dialogs.shown.at(0).kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown.at(1).text, "Directory in configuration is bad");
        EXPECT_EQ(tc.dialogs.shown.at(1).title, "Error");
        EXPECT_EQ(tc.dialogs.shown.at(1).icon, Dialogs::Icon::Critical);
        EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
        EXPECT_EQ(tc.app().browsepath, "/kept");
    }
}

TEST_F(FileChooser, ResultIsFolderSeparatorAndFile)
{
    sfoglia *w = open("game", dir("games"));
    select(w, "disk2.adf");
    ok(w);
    EXPECT_EQ(tc.app().browsepath, file("games/disk2.adf"));
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));

    // No file selected: the folder with one trailing separator.
    w = open("music", dir("games"));
    ok(w);
    EXPECT_EQ(tc.app().browsepath, dir("games") + QDir::separator());

    w = open("dirss64");
    control<DirListBox>(w, "Dir1")->setPath(dir("games/sub"));
    EXPECT_EQ(tc.app().browsepath, dir("games/sub")) << "browsing reports the folder";
    ok(w);
    EXPECT_EQ(tc.app().browsepath, dir("games/sub") + QDir::separator());

    w = open("dirss64");
    control<DirListBox>(w, "Dir1")->setPath(QDir::rootPath());
    ok(w);
    EXPECT_EQ(tc.app().browsepath, QDir::toNativeSeparators(QDir::rootPath()))
        << "a root keeps its single separator";

    w = open("pc64");
    control<DirListBox>(w, "Dir1")->setPath(dir("bin"));
    ok(w);
    EXPECT_EQ(tc.app().browsepath, dir("bin") + QDir::separator());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FileChooser, CloseBoxFormsNoResult)
{
    open("screen1", dir("shots"));
    tc.app().pickflag = "yes";
    tc.app().windows.find("sfoglia")->close();
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    EXPECT_TRUE(tc.app().browsepath.isEmpty());
    EXPECT_EQ(tc.app().pickflag, "no") << "the pending pick is void";

    // A configuration pick has no pending pick to void.
    sfoglia *w = open("vice");
    tc.app().pickflag = "yes";
    control<DirListBox>(w, "Dir1")->setPath(dir("bin"));
    w->close();
    EXPECT_EQ(tc.app().browsepath, dir("bin"));
    EXPECT_EQ(tc.app().pickflag, "yes");
}

TEST_F(FileChooser, AmigaDiskSeriesStoresFourDisksThenStopsAsking)
{
    const int id = tc.catalogue.addGame({{"titolo", "Monkey Island"},
                                         {"formato", "Amiga"},
                                         {"dbver", "v1"},
                                         {"df3", "/old/d4.adf"}});
    tc.panel.gameLamp = false;
    sfoglia *w = open("mdfg", dir("games"), id);
    EXPECT_EQ(w->windowTitle(), "Select File Game");
    const char *disks[] = {"disk1.adf", "disk2.adf", "disk3.adf", "disk4.adf"};
    const char *columns[] = {"emul1", "df1", "df2", "df3"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(isOpen(tc.app(), "sfoglia"));
        select(w, disks[i]);
        ok(w);
        EXPECT_EQ(tc.catalogue.value(id, columns[i]).toString(), joinPath(dir("games"), disks[i]));
        EXPECT_EQ(w->diskCounter(), i + 1);
        EXPECT_EQ(tc.dialogs.questions().size(), std::min(i + 1, 3));
        EXPECT_EQ(tc.panel.gameLamp, i == 3) << "the lamp follows the last disk";
    }
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    EXPECT_EQ(tc.dialogs.questions().first(), "Configure Other Disk?");
    const auto question =
        std::find_if(tc.dialogs.shown.begin(), tc.dialogs.shown.end(),
                     [](const auto &s) { return s.kind == FakeDialogs::Shown::Question; });
    EXPECT_EQ(question->title, "Amiga File Game");
    EXPECT_EQ(question->icon, Dialogs::Icon::Question);
    EXPECT_EQ(tc.catalogue.value(id, "dbver").toString(), "v1");
}

TEST_F(FileChooser, AmigaSeriesEndsOnNo)
{
    const int id = tc.catalogue.addGame(
        {{"titolo", "Lotus"}, {"formato", "Amiga 1.3"}, {"df1", "/old/d2.adf"}});
    sfoglia *w = open("mdfg", dir("games"), id);
    tc.dialogs.answers = {false};
    select(w, "disk1.adf");
    ok(w);
    EXPECT_EQ(tc.dialogs.questions().size(), 1);
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    EXPECT_TRUE(tc.panel.gameLamp);
    EXPECT_EQ(tc.catalogue.value(id, "emul1").toString(), file("games/disk1.adf"));
    EXPECT_EQ(tc.catalogue.value(id, "df1").toString(), "/old/d2.adf");
}

TEST_F(FileChooser, C64GameStoresOneFileWithoutAsking)
{
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C128"}});
    sfoglia *w = open("mdfg", dir("games"), id);
    select(w, "disk3.adf");
    ok(w);
    EXPECT_TRUE(tc.dialogs.questions().isEmpty());
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    EXPECT_EQ(tc.catalogue.value(id, "emul1").toString(), file("games/disk3.adf"));
    EXPECT_TRUE(tc.catalogue.value(id, "df1").isNull());
    EXPECT_TRUE(tc.panel.gameLamp);
}

TEST_F(FileChooser, MusicAndScreenshotStoresUpdateTheMainWindow)
{
    const int id = tc.catalogue.addGame({{"titolo", "Delta"}, {"formato", "C64"}});
    tc.panel.musicLamp = false;
    sfoglia *w = open("mdfm", dir("games"), id);
    select(w, "readme.txt");
    ok(w);
    EXPECT_EQ(tc.catalogue.value(id, "song").toString(), file("games/readme.txt"));
    EXPECT_TRUE(tc.panel.musicLamp);
    EXPECT_FALSE(tc.panel.gameLamp);

    w = open("mds2", dir("shots"), id);
    select(w, "small.png");
    ok(w);
    EXPECT_EQ(tc.catalogue.value(id, "screen2").toString(), file("shots/small.png"));
    EXPECT_EQ(tc.panel.screenshot2, file("shots/small.png"));
    EXPECT_TRUE(tc.panel.screenshot1.isEmpty()) << "the second screenshot, not the first";

    w = open("mds1", dir("shots"), id);
    select(w, "big.png");
    ok(w);
    EXPECT_EQ(tc.panel.screenshot1, file("shots/big.png"));
    EXPECT_EQ(tc.catalogue.value(id, "screen2").toString(), file("shots/small.png"));
    EXPECT_TRUE(tc.catalogue.value(id, "dbver").isNull());
}

TEST_F(FileChooser, StoresWithoutMainWindowStillWrite)
{
    tc.app().mainwindow = nullptr;
    const int id = tc.catalogue.addGame({{"titolo", "Solo"}, {"formato", "C64"}});
    sfoglia *w = open("mdfm", dir("games"), id);
    select(w, "disk1.adf");
    ok(w);
    EXPECT_EQ(tc.catalogue.value(id, "song").toString(), file("games/disk1.adf"));
}

TEST_F(FileChooser, StoreIntoADeletedGameIsReported)
{
    const int id = tc.catalogue.addGame({{"titolo", "Gone"}, {"formato", "Amiga"}});
    sfoglia *w = open("mdfg", dir("games"), id);
    catalogue::run(tc.catalogue.db(), "delete from tabella1 where id=?", {id});
    select(w, "disk1.adf");
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("no longer in the catalogue"));
    EXPECT_TRUE(tc.dialogs.questions().isEmpty());
    EXPECT_EQ(tc.catalogue.count(), 0);
    EXPECT_FALSE(tc.panel.gameLamp);
    EXPECT_TRUE(isOpen(tc.app(), "sfoglia"));
    EXPECT_EQ(w->diskCounter(), 0);
}

TEST_F(FileChooser, PreviewIsCentredInItsFrame)
{
    sfoglia *w = open("screen1", dir("shots"));
    auto *frame = control<QFrame>(w, "Frame1");
    auto *image = control<QLabel>(w, "Image1");
    const QPoint centre = QRect(QPoint(), frame->size()).center();

    select(w, "small.png");
    ASSERT_FALSE(image->isHidden());
    EXPECT_EQ(image->size(), QSize(40, 20)) << "natural size";
    EXPECT_LE((image->geometry().center() - centre).manhattanLength(), 1);

    select(w, "big.png");
    ASSERT_FALSE(image->isHidden());
    EXPECT_LE(image->width(), frame->width());
    EXPECT_LE(image->height(), frame->height());
    EXPECT_NEAR(double(image->width()) / image->height(), 4.0, 0.1);
    EXPECT_LE((image->geometry().center() - centre).manhattanLength(), 1);

    select(w, "broken.png");
    EXPECT_TRUE(image->isHidden());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "a file that is no picture is not reported";
}

TEST_F(FileChooser, ShownAgainForAnotherModeItLoadsAfresh)
{
    const int id = tc.catalogue.addGame({{"titolo", "Series"}, {"formato", "Amiga"}});
    sfoglia *w = open("mdfg", dir("games"), id);
    select(w, "disk1.adf");
    ok(w);
    ASSERT_EQ(w->diskCounter(), 1);

    // Activated again for the same request: the series goes on.
    w->Form_Activate();
    EXPECT_EQ(w->diskCounter(), 1);

    tc.app().browsemode = "dirgamami";
    EXPECT_EQ(tc.app().windows.show("sfoglia"), w);
    w->Form_Activate();
    EXPECT_EQ(w->windowTitle(), "Select directory of Amiga Games");
    EXPECT_TRUE(control<QWidget>(w, "File1")->isHidden());
    EXPECT_EQ(w->diskCounter(), 0);

    tc.app().browsemode = "screen2";
    tc.app().startdir = dir("shots");
    w->Form_Activate();
    EXPECT_EQ(w->windowTitle(), "Screenshot Selector");
    EXPECT_EQ(control<DirListBox>(w, "Dir1")->path(), dir("shots"));
    EXPECT_FALSE(control<QWidget>(w, "Frame1")->isHidden());
}

TEST_F(FileChooser, ModalPickReturnsItsResultToTheCaller)
{
    tc.app().browsemode = "ccs64";
    QTimer::singleShot(0, [this] {
        auto *w = tc.app().windows.find<sfoglia>("sfoglia");
        ASSERT_TRUE(w);
        EXPECT_EQ(w->windowModality(), Qt::ApplicationModal);
        control<DirListBox>(w, "Dir1")->setPath(dir("bin"));
        select(w, "emulator");
        ok(w);
    });
    tc.app().windows.showModal("sfoglia");
    EXPECT_EQ(tc.app().browsepath, file("bin/emulator"));
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
}

TEST_F(FileChooser, AStorePickForAnotherGameStartsAFreshSeries)
{
    const int first = tc.catalogue.addGame({{"titolo", "First"}, {"formato", "Amiga"}});
    const int second = tc.catalogue.addGame({{"titolo", "Second"}, {"formato", "Amiga"}});
    sfoglia *w = open("mdfg", dir("games"), first);
    select(w, "disk1.adf");
    ok(w);
    ASSERT_EQ(w->diskCounter(), 1);
    tc.app().selectedid = second;
    w->Form_Activate();
    EXPECT_EQ(w->diskCounter(), 0);
    select(w, "disk2.adf");
    tc.dialogs.answers = {false};
    ok(w);
    EXPECT_EQ(tc.catalogue.value(second, "emul1").toString(), file("games/disk2.adf"));
    EXPECT_TRUE(tc.catalogue.value(first, "df1").isNull());
}
