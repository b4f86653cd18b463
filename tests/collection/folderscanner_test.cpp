#include "folderscanner.h"
#include "widgettest.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// A collection as collectors keep it: a C64 set with sides, a six-disk Amiga set, a zipped
// game with its pictures and tune, and files that are no images.
class FolderScannerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const QByteArray d64(174848, '\0');
        const QByteArray adf(901120, '\0');
        for (const char *disk :
             {"(Disk 1 of 2)(Side A)", "(Disk 2 of 2)(Side A)", "(Disk 1 of 2)(Side B)"})
            add(QString("c64/Ultima V (1988)(Origin)%1.d64").arg(QLatin1String(disk)), d64);
        for (int n = 6; n >= 1; --n)
            add(QString("amiga/Alien Breed 3D (1995)(Team17)(Disk %1 of 6)(AGA).adf").arg(n), adf);
        add("broken.d64", "short");
        add("readme.txt", "text");
        add("text.zip", "PK\3\4 but no archive");
        add("shots/Krakout (1987)(Gremlin).png", "png");
        add("shots/krakout.gif", "gif");
        add("music/KRAKOUT.sid", "PSID");
        // A real zip holding a D64, made by Python's zipfile as a collector's tool would.
        const QString zip = m_dir.filePath("zipped/Krakout (1987)(Gremlin).zip");
        QDir().mkpath(QFileInfo(zip).path());
        ASSERT_EQ(
            QProcess::execute(
                "python3",
                {"-c",
                 QStringLiteral("import zipfile,sys;"
                                "zipfile.ZipFile(sys.argv[1],'w').writestr('k.d64',bytes(174848))"),
                 zip}),
            0);
    }
    void add(const QString &name, const QByteArray &bytes)
    {
        writeFile(m_dir.filePath(name), bytes);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(FolderScannerTest, SetsBecomeOneGameEachWithDisksPicturesAndMusic)
{
    const ScanReport report = FolderScanner(m_dir.path(), {}).scan(Progress::none());
    ASSERT_EQ(report.games.size(), 3);
    const Game &amiga = report.games.at(0).game;
    EXPECT_EQ(amiga.title, "Alien Breed 3D");
    EXPECT_EQ(amiga.machine, "Amiga 3.x");
    EXPECT_EQ(amiga.gameFile, path("amiga/Alien Breed 3D (1995)(Team17)(Disk 1 of 6)(AGA).adf"));
    EXPECT_EQ(amiga.drive4, path("amiga/Alien Breed 3D (1995)(Team17)(Disk 4 of 6)(AGA).adf"));
    EXPECT_EQ(report.games.at(0).moreDisks.size(), 2);
    EXPECT_EQ(ScanReport::diskCount(report.games.at(0)), 6);

    const Game &zipped = report.games.at(1).game;
    EXPECT_EQ(zipped.machine, "C64");
    EXPECT_EQ(zipped.year, "1987");
    EXPECT_EQ(zipped.gameFile, path("zipped/Krakout (1987)(Gremlin).zip"));
    EXPECT_EQ(zipped.screenshot1, path("shots/Krakout (1987)(Gremlin).png"));
    EXPECT_EQ(zipped.screenshot2, path("shots/krakout.gif"));
    EXPECT_EQ(zipped.musicFile, path("music/KRAKOUT.sid"));

    const GameEntry &ultima = report.games.at(2);
    EXPECT_EQ(ultima.game.gameFile, path("c64/Ultima V (1988)(Origin)(Disk 1 of 2)(Side A).d64"));
    EXPECT_TRUE(ultima.game.drive2.isEmpty()); // a C64 game's further disks go to the list
    EXPECT_EQ(ultima.moreDisks,
              QStringList({path("c64/Ultima V (1988)(Origin)(Disk 1 of 2)(Side B).d64"),
                           path("c64/Ultima V (1988)(Origin)(Disk 2 of 2)(Side A).d64")}));

    QStringList skipped;
    for (const SkippedFile &s : report.skipped)
        skipped << QFileInfo(s.path).fileName();
    EXPECT_EQ(skipped, QStringList({"broken.d64", "text.zip"}));
}

} // namespace
