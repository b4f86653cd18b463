#include "browsingpane.h"
#include "editingtest.h"
#include "filechooser.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace
{

class FileChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *f : {"games/disk1.adf", "games/disk2.adf", "games/disk3.adf",
                              "games/disk4.adf", "games/readme.txt", "bin/notes.txt",
                              "shots/small.png", "shots/big.png", "games/sub/x"})
            writeFile(path(f));
        writeFile(path("bin/emulator"), "#!", true);
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
    static BrowsingPane *pane(QWidget *w) { return control<BrowsingPane>(w, "browsingPane"); }
    static void select(QWidget *w, const QString &name)
    {
        files(w)->setCurrentItem(files(w)->findItems(name, Qt::MatchExactly).value(0));
    }
    // Selects a file (when named) and clicks "OK".
    static void ok(QWidget *w, const QString &name = {})
    {
        if (!name.isEmpty())
            select(w, name);
        click(w, "okButton");
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
    EXPECT_FALSE(shown(w, "fileList"));
    w = open(ChooserPurpose::UaeProgram, path("bin"));
    EXPECT_FALSE(shown(w, "previewFrame"));
#ifndef Q_OS_WIN
    EXPECT_EQ(files(w)->count(), 1) << "only programs are offered";
#endif
    w = open(ChooserPurpose::ViceProgram, path("missing"));
    EXPECT_FALSE(pane(w)->folder().isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "a program pick falls back quietly";
    EXPECT_TRUE(shown(open(ChooserPurpose::StoreScreenshot1, path("shots"), 1), "previewFrame"));
    // Media picks open the start folder (trailing separator or not), filtered by purpose.
    w = open(ChooserPurpose::StoreMusicFile, path("games") + QDir::separator(), 1);
    EXPECT_EQ(pane(w)->folder(), path("games"));
    EXPECT_EQ(files(w)->count(), 0) << "no music there";
    // A bad start folder for a media pick is reported and refused.
    for (const QString &bad : {path("missing"), path("games/disk1.adf")}) {
        tc.dialogs.clear();
        EXPECT_FALSE(open(ChooserPurpose::Screenshot2, bad));
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Directory in configuration is bad"});
        EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser)) << bad.toStdString();
    }
    // None configured: the user's home.
    tc.dialogs.clear();
    w = open(ChooserPurpose::Screenshot2, QString());
    EXPECT_EQ(pane(w)->folder(), QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FileChooserTest, FilesAreFilteredByPurposeAndMachineHiddenOnesNeverShown)
{
    for (const char *f : {"mixed/a.d64", "mixed/b.ADF", "mixed/c.sid", "mixed/mod.tune",
                          "mixed/d.png", "mixed/e.txt", "mixed/.hidden.d64"})
        writeFile(path(f));
    const int amiga = tc.catalogue.addGame({{"titolo", "X"}, {"formato", "Amiga 1.3"}});
    const struct {
        ChooserPurpose purpose;
        int id;
        QStringList shown;
    } cases[] = {{ChooserPurpose::Screenshot1, 0, {"d.png"}},
                 {ChooserPurpose::GameFile, 0, {"a.d64", "b.ADF"}},
                 {ChooserPurpose::StoreGameDisks, amiga, {"b.ADF"}},
                 {ChooserPurpose::MusicFile, 0, {"c.sid", "mod.tune"}},
                 {ChooserPurpose::StoreMusicFile, amiga, {"mod.tune"}}};
    FileChooser *w = nullptr;
    for (const auto &c : cases) {
        w = open(c.purpose, path("mixed"), c.id);
        QStringList names;
        for (int i = 0; i < files(w)->count(); ++i)
            names << files(w)->item(i)->text();
        EXPECT_EQ(names, c.shown) << int(c.purpose);
    }
    auto *filter = control<QComboBox>(w, "filterBox");
    EXPECT_EQ(filter->itemText(filter->count() - 1), "All files");
    QTest::keyClick(filter, Qt::Key_End);
    EXPECT_EQ(files(w)->count(), 6) << "all but the hidden one";
}

TEST_F(FileChooserTest, PicksGoBackAsFolderSeparatorAndFile)
{
    const QString sep = QDir::separator();
    ok(open(ChooserPurpose::GameFile, path("games")), "disk2.adf");
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.at(0).at(0).value<ChooserPurpose>(), ChooserPurpose::GameFile);
    EXPECT_EQ(lastPick(), path("games/disk2.adf"));
    ok(open(ChooserPurpose::MusicFile, path("games")));
    EXPECT_EQ(lastPick(), path("games") + sep) << "a folder alone ends in a separator";
    ok(open(ChooserPurpose::C64ScreenshotsFolder, path("games/sub")));
    EXPECT_EQ(lastPick(), path("games/sub") + sep);
    ok(open(ChooserPurpose::C64ScreenshotsFolder, QDir::rootPath()));
    EXPECT_EQ(lastPick(), QDir::toNativeSeparators(QDir::rootPath())) << "one separator";
    click(open(ChooserPurpose::Screenshot1, path("shots")), "cancelButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
    EXPECT_EQ(picked.size(), 4) << "cancelled, nothing is picked";
}

TEST_F(FileChooserTest, AmigaDiskSeriesAsksThriceThenStopsAndEndsOnNo)
{
    const int id = tc.catalogue.addGame({{"formato", "Amiga"}});
    const FileChooserRequest series{ChooserPurpose::StoreGameDisks, path("games"), id};
    QWidget *w = tc.windows.open(series);
    const char *columns[] = {"emul1", "df1", "df2", "df3"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        // Asked again for the same series while open, the chooser goes on with it.
        ASSERT_EQ(tc.windows.open(series), w);
        ok(w, QString("disk%1.adf").arg(i + 1));
        EXPECT_EQ(tc.text(id, columns[i]), path(QString("games/disk%1.adf").arg(i + 1)));
        EXPECT_EQ(saved.size(), i + 1);
        EXPECT_EQ(tc.dialogs.questions(), QStringList(std::min(i + 1, 3), "Configure Other Disk?"));
    }
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser));
    EXPECT_EQ(saved.last().at(0).toInt(), id);
    EXPECT_EQ(picked.size(), 0) << "a store hands nothing back";

    const int next = tc.catalogue.addGame({{"formato", "Amiga 1.3"}});
    const int lotus = tc.catalogue.addGame({{"formato", "Amiga 1.3"}});
    ok(w = open(ChooserPurpose::StoreGameDisks, path("games"), next), "disk1.adf");
    // Opened for another game while open, it starts a fresh series.
    tc.windows.open(FileChooserRequest{ChooserPurpose::StoreGameDisks, path("games"), lotus});
    tc.dialogs.answers = {false};
    ok(w, "disk2.adf");
    EXPECT_EQ(tc.text(lotus, "emul1"), path("games/disk2.adf"));
    EXPECT_FALSE(tc.isOpen(WindowKey::FileChooser)) << "answered No: the series ends";
    const int elite = tc.catalogue.addGame({{"formato", "C128"}});
    writeFile(path("games/elite.d64"));
    ok(open(ChooserPurpose::StoreGameDisks, path("games"), elite), "elite.d64");
    EXPECT_EQ(tc.dialogs.questions().size(), 5) << "a C64 game is one file";
    EXPECT_EQ(tc.text(elite, "emul1"), path("games/elite.d64"));
}

TEST_F(FileChooserTest, MusicAndScreenshotStoresWriteTheGameAndReportIt)
{
    const int id = tc.catalogue.addGame({{"formato", "C64"}});
    writeFile(path("games/tune.sid"));
    ok(open(ChooserPurpose::StoreMusicFile, path("games"), id), "tune.sid");
    EXPECT_EQ(tc.text(id, "song"), path("games/tune.sid"));
    ok(open(ChooserPurpose::StoreScreenshot2, path("shots"), id), "small.png");
    EXPECT_EQ(tc.text(id, "screen2"), path("shots/small.png"));
    ok(open(ChooserPurpose::StoreScreenshot1, path("shots"), id), "big.png");
    EXPECT_EQ(tc.text(id, "screen1"), path("shots/big.png"));
    EXPECT_EQ(saved.size(), 3);

    tc.remove(id);
    ok(open(ChooserPurpose::StoreGameDisks, path("games"), id), "disk1.adf");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_TRUE(tc.isOpen(WindowKey::FileChooser));
    EXPECT_EQ(saved.size(), 3);
}

TEST_F(FileChooserTest, PreviewShrinksALargePictureToItsFrame)
{
    ASSERT_TRUE(QImage(2000, 500, QImage::Format_RGB32).save(path("shots/wide.png")));
    FileChooser *w = open(ChooserPurpose::Screenshot1, path("shots"));
    auto *image = control<QLabel>(w, "previewImage");
    select(w, "wide.png");
    EXPECT_LE(image->width(), control<QFrame>(w, "previewFrame")->width());
    EXPECT_NEAR(double(image->width()) / image->height(), 4.0, 0.1);
    select(w, "small.png"); // not a picture
    EXPECT_TRUE(image->isHidden());
}

TEST_F(FileChooserTest, EnterOrATypedPathOpensAFolderThenPicksItOrTheFile)
{
    FileChooser *w = open(ChooserPurpose::GameFile, path("games"));
    auto *folders = control<QListWidget>(w, "folderList");
    folders->setCurrentItem(folders->findItems("sub", Qt::MatchEndsWith).value(0));
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(pane(w)->folder(), path("games/sub")) << "Enter on a folder opens it";
    EXPECT_TRUE(picked.isEmpty());
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(lastPick(), path("games/sub") + QDir::separator()) << "on the open one: OK";

    w = open(ChooserPurpose::GameFile, path("games"));
    select(w, "disk3.adf");
    QTest::keyClick(files(w), Qt::Key_Return);
    EXPECT_EQ(lastPick(), path("games/disk3.adf"));

    // A typed file path picks the file, or opens its folder when a folder is wanted.
    w = open(ChooserPurpose::GameFile, path("bin"));
    auto *typed = control<QLineEdit>(w, "folderEdit");
    typed->setText(path("games"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(pane(w)->folder(), path("games"));
    EXPECT_EQ(picked.size(), 2) << "a typed folder is opened, not picked";
    typed->setText(path("shots/big.png"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(lastPick(), path("shots/big.png"));

    w = open(ChooserPurpose::C64GamesFolder, path("bin"));
    typed = control<QLineEdit>(w, "folderEdit");
    typed->setText(path("games/readme.txt"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(pane(w)->folder(), path("games"));
    EXPECT_EQ(typed->text(), path("games"));
    ok(w);
    EXPECT_EQ(lastPick(), path("games") + QDir::separator());
    EXPECT_TRUE(tc.dialogs.messages().isEmpty());
}
