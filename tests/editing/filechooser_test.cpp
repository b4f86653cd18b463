#include "browsingpane.h"
#include "editingtest.h"
#include "filechooser.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

namespace
{

class FileChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *f :
             {"games/disk1.adf", "games/disk2.adf", "games/disk3.adf", "games/disk4.adf",
              "games/readme.txt", "bin/notes.txt", "shots/broken.png", "games/sub/x"})
            writeFile(path(f));
        writeFile(path("bin/emulator"), "#!", true);
        QImage small(40, 20, QImage::Format_RGB32), big(2000, 500, QImage::Format_RGB32);
        small.fill(Qt::red);
        big.fill(Qt::blue);
        ASSERT_TRUE(small.save(path("shots/small.png")));
        ASSERT_TRUE(big.save(path("shots/big.png")));
    }
    QString path(const QString &name) const
    {
        return QDir::toNativeSeparators(tc.catalogue.dir() + "/" + name);
    }
    // Opens the chooser afresh (closing one left open) as its openers do.
    FileChooser *open(ChooserPurpose purpose, const QString &folder = {}, int id = 0)
    {
        if (QWidget *old = tc.windows.find(WindowKey::FileChooser))
            old->close();
        return tc.open<FileChooser>(FileChooserRequest{purpose, folder, id});
    }
    static QListWidget *files(QWidget *w) { return control<QListWidget>(w, "fileList"); }
    void select(QWidget *w, const QString &name)
    {
        const auto found = files(w)->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files(w)->setCurrentItem(found.first());
    }
    // Selects a file (when named) and clicks "OK".
    void ok(QWidget *w, const QString &name = {})
    {
        if (!name.isEmpty())
            select(w, name);
        click(w, "okButton");
    }
    static void browse(QWidget *w, const QString &dir)
    {
        control<BrowsingPane>(w, "browsingPane")->openAt(dir);
    }
    static bool shows(QWidget *w, const char *name)
    {
        return !control<QWidget>(w, name)->isHidden();
    }
    QString lastPick() { return picked.isEmpty() ? QString() : picked.last().at(1).toString(); }

    EditingContext tc;
    QSignalSpy picked{&tc.events(), &WindowEvents::filePicked};
    QSignalSpy saved{&tc.events(), &WindowEvents::gameSaved};
};

} // namespace

TEST_F(FileChooserTest, PurposesSetCaptionWidthFilterAndStartFolder)
{
    FileChooser *w = open(ChooserPurpose::AmigaGamesFolder, path("games"));
    EXPECT_EQ(w->windowTitle(), "Select directory of Amiga Games");
    EXPECT_FALSE(shows(w, "fileList"));
    w = open(ChooserPurpose::UaeProgram, path("bin"));
    EXPECT_TRUE(shows(w, "fileList"));
    EXPECT_FALSE(shows(w, "previewFrame"));
#ifndef Q_OS_WIN
    EXPECT_EQ(files(w)->count(), 1) << "only programs are offered";
#endif
    w = open(ChooserPurpose::ViceProgram, path("missing"));
    EXPECT_FALSE(control<BrowsingPane>(w, "browsingPane")->folder().isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "a program pick falls back quietly";
    EXPECT_TRUE(shows(open(ChooserPurpose::StoreScreenshot1, path("shots"), 1), "previewFrame"));
    // Media picks open the start folder (trailing separator or not), with no filter.
    w = open(ChooserPurpose::StoreMusicFile, path("games") + QDir::separator(), 1);
    EXPECT_EQ(w->windowTitle(), "Select File Music");
    EXPECT_EQ(control<BrowsingPane>(w, "browsingPane")->folder(), path("games"));
    EXPECT_EQ(files(w)->count(), 5);
}

TEST_F(FileChooserTest, ABadStartFolderForAMediaPickIsReportedAndRefused)
{
    for (const QString &bad : {path("missing"), QString(), path("games/disk1.adf")}) {
        tc.dialogs.clear();
        EXPECT_FALSE(open(ChooserPurpose::Screenshot2, bad, 1));
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
        EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser)) << bad.toStdString();
    }
    EXPECT_EQ(picked.size(), 0);
}

TEST_F(FileChooserTest, PicksGoBackAsFolderSeparatorAndFile)
{
    const QString sep = QDir::separator();
    ok(open(ChooserPurpose::GameFile, path("games")), "disk2.adf");
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.at(0).at(0).value<ChooserPurpose>(), ChooserPurpose::GameFile);
    EXPECT_EQ(lastPick(), path("games/disk2.adf"));
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
    ok(open(ChooserPurpose::MusicFile, path("games")));
    EXPECT_EQ(lastPick(), path("games") + sep) << "a folder alone ends in a separator";
    FileChooser *w = open(ChooserPurpose::C64ScreenshotsFolder);
    browse(w, path("games/sub"));
    ok(w);
    EXPECT_EQ(lastPick(), path("games/sub") + sep);
    browse(w = open(ChooserPurpose::C64ScreenshotsFolder), QDir::rootPath());
    ok(w);
    EXPECT_EQ(lastPick(), QDir::toNativeSeparators(QDir::rootPath())) << "one separator";
    open(ChooserPurpose::Screenshot1, path("shots"))->close();
    EXPECT_EQ(picked.size(), 4) << "closed without OK, nothing is picked";
    EXPECT_EQ(saved.size(), 0);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FileChooserTest, AmigaDiskSeriesAsksThriceThenStopsAndEndsOnNo)
{
    const int id = tc.catalogue.addGame({{"formato", "Amiga"}, {"dbver", "v1"}});
    FileChooser *w = open(ChooserPurpose::StoreGameDisks, path("games"), id);
    const char *columns[] = {"emul1", "df1", "df2", "df3"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(tc.isOpen(WindowKey::FileChooser));
        ok(w, QString("disk%1.adf").arg(i + 1));
        EXPECT_EQ(tc.text(id, columns[i]), path(QString("games/disk%1.adf").arg(i + 1)));
        EXPECT_EQ(saved.size(), i + 1);
        EXPECT_EQ(tc.dialogs.questions(), QStringList(std::min(i + 1, 3), "Configure Other Disk?"));
    }
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
    EXPECT_EQ(saved.last().at(0).toInt(), id);
    EXPECT_EQ(tc.text(id, "dbver"), "v1");
    EXPECT_EQ(picked.size(), 0) << "a store hands nothing back";

    const int lotus = tc.catalogue.addGame({{"formato", "Amiga 1.3"}, {"df1", "/old/d2.adf"}});
    tc.dialogs.answers = {false};
    ok(open(ChooserPurpose::StoreGameDisks, path("games"), lotus), "disk1.adf");
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser)) << "answered No: the series ends";
    EXPECT_EQ(tc.text(lotus, "emul1"), path("games/disk1.adf"));
    EXPECT_EQ(tc.text(lotus, "df1"), "/old/d2.adf");
    const int elite = tc.catalogue.addGame({{"formato", "C128"}});
    ok(open(ChooserPurpose::StoreGameDisks, path("games"), elite), "disk3.adf");
    EXPECT_EQ(tc.dialogs.questions().size(), 4) << "a C64 game is one file";
    EXPECT_EQ(tc.text(elite, "emul1"), path("games/disk3.adf"));
}

TEST_F(FileChooserTest, MusicAndScreenshotStoresWriteTheGameAndReportIt)
{
    const int id = tc.catalogue.addGame({{"titolo", "Delta"}, {"formato", "C64"}});
    ok(open(ChooserPurpose::StoreMusicFile, path("games"), id), "readme.txt");
    EXPECT_EQ(tc.text(id, "song"), path("games/readme.txt"));
    ok(open(ChooserPurpose::StoreScreenshot2, path("shots"), id), "small.png");
    EXPECT_EQ(tc.text(id, "screen2"), path("shots/small.png"));
    EXPECT_TRUE(tc.null(id, "screen1")) << "the second screenshot, not the first";
    ok(open(ChooserPurpose::StoreScreenshot1, path("shots"), id), "big.png");
    EXPECT_EQ(tc.text(id, "screen1"), path("shots/big.png"));
    EXPECT_TRUE(tc.null(id, "dbver"));
    EXPECT_EQ(saved.size(), 3);

    tc.remove(id);
    FileChooser *w = open(ChooserPurpose::StoreGameDisks, path("games"), id);
    ok(w, "disk1.adf");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.catalogue.count(), 0);
    EXPECT_TRUE(tc.isOpen(WindowKey::FileChooser));
    EXPECT_EQ(saved.size(), 3);
}

TEST_F(FileChooserTest, PreviewIsCentredInItsFrame)
{
    FileChooser *w = open(ChooserPurpose::Screenshot1, path("shots"));
    auto *image = control<QLabel>(w, "previewImage");
    const QRect frame(QPoint(), control<QFrame>(w, "previewFrame")->size());
    for (const char *name : {"small.png", "big.png"}) {
        select(w, name);
        EXPECT_LE((image->geometry().center() - frame.center()).manhattanLength(), 1) << name;
    }
    EXPECT_LE(image->width(), frame.width());
    EXPECT_NEAR(double(image->width()) / image->height(), 4.0, 0.1);
    select(w, "small.png");
    EXPECT_EQ(image->size(), QSize(40, 20)) << "natural size";
    select(w, "broken.png");
    EXPECT_TRUE(image->isHidden()) << "no picture";
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "and no report";
}

TEST_F(FileChooserTest, OpenedAgainItGoesOnWithTheSameRequestAndTakesAnother)
{
    const int first = tc.catalogue.addGame({{"formato", "Amiga"}});
    const int second = tc.catalogue.addGame({{"formato", "Amiga"}});
    FileChooser *w = open(ChooserPurpose::StoreGameDisks, path("games"), first);
    ok(w, "disk1.adf");
    tc.windows.open(FileChooserRequest{ChooserPurpose::StoreGameDisks, path("games"), first});
    ok(w, "disk2.adf");
    EXPECT_EQ(tc.text(first, "df1"), path("games/disk2.adf")) << "the same series goes on";
    tc.windows.open(FileChooserRequest{ChooserPurpose::StoreGameDisks, path("games"), second});
    tc.dialogs.answers = {false};
    ok(w, "disk3.adf");
    EXPECT_EQ(tc.text(second, "emul1"), path("games/disk3.adf")) << "another game starts afresh";
    EXPECT_TRUE(tc.null(first, "df2"));
}
