#include "browselists.h"
#include "editingtest.h"
#include "filechooser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>

namespace
{

class FileChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *d : {"games/sub", "shots", "bin"})
            QDir(tc.catalogue.dir()).mkpath(d);
        for (const char *f :
             {"games/disk1.adf", "games/disk2.adf", "games/disk3.adf", "games/disk4.adf",
              "games/readme.txt", "bin/notes.txt", "bin/emulator", "shots/broken.png"})
            ASSERT_TRUE(QFile(path(f)).open(QIODevice::WriteOnly));
        QFile::setPermissions(path("bin/emulator"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QImage small(40, 20, QImage::Format_RGB32), big(2000, 500, QImage::Format_RGB32);
        small.fill(Qt::red);
        big.fill(Qt::blue);
        ASSERT_TRUE(small.save(path("shots/small.png")) && big.save(path("shots/big.png")));
    }
    QString path(const QString &name) const
    {
        return QDir::toNativeSeparators(tc.catalogue.dir() + "/" + name);
    }
    // Opens the chooser afresh (closing one left open) as its callers do.
    sfoglia *open(const QString &mode, const QString &startdir = {}, int id = 0)
    {
        if (QWidget *old = tc.app().windows.find("sfoglia"))
            old->close();
        tc.app().browsemode = mode;
        tc.app().startdir = startdir;
        tc.app().selectedid = id;
        return qobject_cast<sfoglia *>(showWindow(tc.app(), "sfoglia"));
    }
    static void select(sfoglia *w, const QString &name)
    {
        auto *files = control<FileListBox>(w, "File1");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found.first());
    }
    // Selects a file (when named) and clicks "OK".
    static void ok(sfoglia *w, const QString &name = {})
    {
        if (!name.isEmpty())
            select(w, name);
        click(w, "Command1");
    }
    static void browse(sfoglia *w, const QString &dir)
    {
        control<DirListBox>(w, "Dir1")->setPath(dir);
    }
    static bool shows(sfoglia *w, const char *name)
    {
        return !control<QWidget>(w, name)->isHidden();
    }

    EditingContext tc;
};

} // namespace

TEST_F(FileChooser, ModesSetPanesFilterAndStartDirectory)
{
    EXPECT_TRUE(shows(open("dirgam64"), "Dir1") && !shows(open("dirgam64"), "File1"));
    sfoglia *w = open("uae");
    browse(w, path("bin"));
    EXPECT_TRUE(shows(w, "File1") && !shows(w, "Frame1"));
#ifndef Q_OS_WIN
    EXPECT_EQ(control<FileListBox>(w, "File1")->count(), 1) << "only programs are offered";
#endif
    EXPECT_TRUE(shows(open("mds1", path("shots"), 1), "Frame1"));
    // Media modes open in the start directory (trailing separator or not), no filter.
    tc.app().browsepath = "/before";
    w = open("mdfm", path("games") + QDir::separator(), 1);
    EXPECT_EQ(control<DirListBox>(w, "Dir1")->path(), path("games"));
    EXPECT_EQ(control<FileListBox>(w, "File1")->count(), 5);
    EXPECT_TRUE(tc.app().browsepath.isEmpty() && tc.app().currentform.data() == w);
}

TEST_F(FileChooser, ABadStartDirectoryIsReportedAndClosesTheChooser)
{
    for (const QString &bad : {path("missing"), QString(), path("games/disk1.adf")}) {
        tc.dialogs.clear();
        tc.app().browsepath = "/kept";
        open("mds2", bad, 1);
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
        EXPECT_FALSE(isOpen(tc.app(), "sfoglia")) << bad.toStdString();
        EXPECT_EQ(tc.app().browsepath, "/kept");
    }
}

TEST_F(FileChooser, ResultIsFolderSeparatorAndFileAndTheCloseBoxFormsNone)
{
    const QString sep = QDir::separator();
    ok(open("game", path("games")), "disk2.adf");
    EXPECT_EQ(tc.app().browsepath, path("games/disk2.adf"));
    ok(open("music", path("games")));
    EXPECT_EQ(tc.app().browsepath, path("games") + sep) << "a folder alone ends in a separator";
    sfoglia *w = open("dirss64");
    browse(w, path("games/sub"));
    EXPECT_EQ(tc.app().browsepath, path("games/sub")) << "browsing reports the folder";
    ok(w);
    EXPECT_EQ(tc.app().browsepath, path("games/sub") + sep);
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    browse(w = open("dirss64"), QDir::rootPath());
    ok(w);
    EXPECT_EQ(tc.app().browsepath, QDir::toNativeSeparators(QDir::rootPath())) << "one separator";

    open("screen1", path("shots"));
    tc.app().pickflag = "yes";
    tc.app().windows.find("sfoglia")->close();
    EXPECT_TRUE(tc.app().browsepath.isEmpty());
    EXPECT_EQ(tc.app().pickflag, "no") << "the pending pick is void";
    w = open("vice");
    tc.app().pickflag = "yes";
    browse(w, path("bin"));
    w->close();
    EXPECT_EQ(tc.app().browsepath, path("bin"));
    EXPECT_EQ(tc.app().pickflag, "yes") << "a configuration pick has no pending pick";
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FileChooser, AmigaDiskSeriesAsksThriceThenStopsAndEndsOnNo)
{
    const int id = tc.catalogue.addGame({{"formato", "Amiga"}, {"dbver", "v1"}});
    tc.panel.gameLamp = false;
    sfoglia *w = open("mdfg", path("games"), id);
    const char *columns[] = {"emul1", "df1", "df2", "df3"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(isOpen(tc.app(), "sfoglia"));
        ok(w, QString("disk%1.adf").arg(i + 1));
        EXPECT_EQ(tc.text(id, columns[i]), path(QString("games/disk%1.adf").arg(i + 1)));
        EXPECT_EQ(w->diskCounter(), i + 1);
        EXPECT_EQ(tc.dialogs.questions(), QStringList(std::min(i + 1, 3), "Configure Other Disk?"));
        EXPECT_EQ(tc.panel.gameLamp, i == 3) << "the lamp follows the last disk";
    }
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia"));
    EXPECT_EQ(tc.text(id, "dbver"), "v1");

    const int lotus = tc.catalogue.addGame({{"formato", "Amiga 1.3"}, {"df1", "/old/d2.adf"}});
    tc.dialogs.answers = {false};
    ok(open("mdfg", path("games"), lotus), "disk1.adf");
    EXPECT_FALSE(isOpen(tc.app(), "sfoglia")) << "answered No: the series ends";
    EXPECT_EQ(tc.text(lotus, "emul1") + tc.text(lotus, "df1"),
              path("games/disk1.adf") + "/old/d2.adf");
    const int elite = tc.catalogue.addGame({{"formato", "C128"}});
    ok(open("mdfg", path("games"), elite), "disk3.adf");
    EXPECT_EQ(tc.dialogs.questions().size(), 4) << "a C64 game is one file";
    EXPECT_EQ(tc.text(elite, "emul1"), path("games/disk3.adf"));
}

TEST_F(FileChooser, MusicAndScreenshotStoresUpdateTheMainWindow)
{
    const int id = tc.catalogue.addGame({{"titolo", "Delta"}, {"formato", "C64"}});
    ok(open("mdfm", path("games"), id), "readme.txt");
    EXPECT_EQ(tc.text(id, "song"), path("games/readme.txt"));
    EXPECT_TRUE(tc.panel.musicLamp && !tc.panel.gameLamp);
    ok(open("mds2", path("shots"), id), "small.png");
    EXPECT_EQ(tc.text(id, "screen2") + tc.panel.screenshot2, path("shots/small.png").repeated(2));
    EXPECT_TRUE(tc.panel.screenshot1.isEmpty()) << "the second screenshot, not the first";
    ok(open("mds1", path("shots"), id), "big.png");
    EXPECT_EQ(tc.panel.screenshot1, path("shots/big.png"));
    EXPECT_TRUE(tc.null(id, "dbver"));
    tc.app().mainwindow = nullptr;
    ok(open("mdfm", path("games"), id), "disk1.adf");
    EXPECT_EQ(tc.text(id, "song"), path("games/disk1.adf")) << "stored without a main window";

    tc.remove(id);
    sfoglia *w = open("mdfg", path("games"), id);
    ok(w, "disk1.adf");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.catalogue.count(), 0);
    EXPECT_TRUE(isOpen(tc.app(), "sfoglia"));
    EXPECT_EQ(w->diskCounter(), 0);
}

TEST_F(FileChooser, PreviewIsCentredInItsFrame)
{
    sfoglia *w = open("screen1", path("shots"));
    auto *image = control<QLabel>(w, "Image1");
    const QRect frame(QPoint(), control<QFrame>(w, "Frame1")->size());
    for (const char *name : {"small.png", "big.png"}) {
        select(w, name);
        EXPECT_LE((image->geometry().center() - frame.center()).manhattanLength(), 1) << name;
    }
    EXPECT_LE(image->width(), frame.width());
    EXPECT_NEAR(double(image->width()) / image->height(), 4.0, 0.1);
    select(w, "small.png");
    EXPECT_EQ(image->size(), QSize(40, 20)) << "natural size";
    select(w, "broken.png");
    EXPECT_TRUE(image->isHidden() && tc.dialogs.shown.isEmpty()) << "no picture, no report";
}

TEST_F(FileChooser, ShownAgainForAnotherRequestItLoadsAfresh)
{
    const int first = tc.catalogue.addGame({{"formato", "Amiga"}});
    const int second = tc.catalogue.addGame({{"formato", "Amiga"}});
    sfoglia *w = open("mdfg", path("games"), first);
    ok(w, "disk1.adf");
    w->Form_Activate();
    EXPECT_EQ(w->diskCounter(), 1) << "the same request goes on";
    tc.app().selectedid = second;
    w->Form_Activate();
    EXPECT_EQ(w->diskCounter(), 0) << "another game starts a fresh series";
    tc.dialogs.answers = {false};
    ok(w, "disk2.adf");
    EXPECT_EQ(tc.text(second, "emul1"), path("games/disk2.adf"));
    EXPECT_TRUE(tc.null(first, "df1"));

    ok(w = open("mdfg", path("games"), first), "disk1.adf");
    tc.app().browsemode = "dirgamami";
    EXPECT_EQ(tc.app().windows.show("sfoglia"), w);
    w->Form_Activate();
    EXPECT_TRUE(!shows(w, "File1") && w->diskCounter() == 0);
    // A start folder left by another caller is no new request for a configuration pick.
    browse(w, path("bin"));
    tc.app().startdir = path("shots");
    w->Form_Activate();
    EXPECT_EQ(tc.app().browsepath, path("bin")) << "not reloaded";
}
