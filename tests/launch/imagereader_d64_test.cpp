// The D64 directory walk: header fields, every type byte, the chain on track 18 and its
// limits, and images cut short at every kind of offset.
#include "c64imagefixtures.h"
#include "imagereader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

const QString kNbsp = QString(QChar(0xA0));

QString line(const QString &name, int pad, int blocks, const QString &type)
{
    return QLatin1Char('"') + name + QLatin1Char('"') + QString(pad, QLatin1Char(' ')) +
           QLatin1Char('\t') + QString::number(blocks) + QLatin1Char('\t') + type;
}

} // namespace

TEST(D64Reader, FreshlyFormattedDiskHasHeaderAndNoEntries)
{
    const ImageListing l = readD64(emptyD64("GAMES DISK", "AB"));
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.name, QStringLiteral("GAMES DISK"));
    EXPECT_EQ(l.id, QStringLiteral("AB") + kNbsp + QStringLiteral("2A"));
    EXPECT_EQ(l.freeText, QStringLiteral("664 BLOCKS FREE."));
    EXPECT_TRUE(l.lines.isEmpty());
}

TEST(D64Reader, FreeBlocksLeaveOutTrack18)
{
    QByteArray image = emptyD64();
    image[kDirTrackOffset + 4 * 18] = char(200);
    image[kDirTrackOffset + 4 * 35] = char(0);  // 17 fewer
    image[kDirTrackOffset + 4 * 1] = char(255); // 234 more
    EXPECT_EQ(readD64(image).freeText, QStringLiteral("881 BLOCKS FREE."));
}

TEST(D64Reader, EveryTypeByteOfTheTable)
{
    QByteArray image = emptyD64();
    const QList<QPair<quint8, QString>> types = {
        {0x82, "PRG"},  {0xC2, "<PRG"}, {0x02, "*PRG"},  {0x42, "<*PRG"},
        {0x80, "DEL"},  {0x81, "SEQ"},  {0x83, "USR"},   {0x84, "REL"},
        {0x85, "???"},  {0x86, "???"},  {0x87, "???"},   {0x01, "*SEQ"},
        {0xC4, "<REL"}, {0x00, "SCR"},  {0x40, "<*DEL"}, {0xFF, "<???"}};
    for (int i = 0; i < types.size(); ++i) {
        D64Entry e;
        e.type = types[i].first;
        e.name = "F" + QByteArray::number(i);
        putEntry(image, 1 + i / 8, i % 8, e);
    }
    putLink(image, 1, 18, 2);
    putLink(image, 2, 0, 0xFF);
    const ImageListing l = readD64(image);
    ASSERT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), types.size());
    for (int i = 0; i < types.size(); ++i) {
        const QString name = QStringLiteral("F%1").arg(i);
        EXPECT_EQ(l.lines[i], line(name, 17 - name.size(), 1, types[i].second)) << i;
    }
}

TEST(D64Reader, NamePaddingAndSizes)
{
    QByteArray image = emptyD64();
    putEntry(image, 1, 0, {0x82, "TENCHARSXX", 17, 0, 10});
    putEntry(image, 1, 1, {0x82, "SIXTEEN CHARS XY", 17, 0, 0x0102});
    putEntry(image, 1, 2, {0x82, "FIFTEEN CHARS X", 17, 0, 0});
    putEntry(image, 1, 3, {0x82, "", 17, 0, 1});
    const ImageListing l = readD64(image);
    ASSERT_EQ(l.lines.size(), 4);
    EXPECT_EQ(l.lines[0], QStringLiteral("\"TENCHARSXX\"       \t10\tPRG"));
    EXPECT_EQ(l.lines[1], QStringLiteral("\"SIXTEEN CHARS XY\"\t258\tPRG"));
    EXPECT_EQ(l.lines[2], QStringLiteral("\"FIFTEEN CHARS X\"  \t0\tPRG"));
    EXPECT_EQ(l.lines[3], line(QString(), 17, 1, QStringLiteral("PRG")));
    for (const QString &s : l.lines)
        EXPECT_TRUE(s.startsWith(QLatin1Char('"')));
}

TEST(D64Reader, InnerPaddingStaysAndBytesAreWindows1252)
{
    QByteArray image = emptyD64(QByteArray("TWO\xA0WORDS"), "ZZ");
    putEntry(image, 1, 0,
             {0x82,
              QByteArray("A\xA0\xA0"
                         "B\x80"),
              17, 0, 1});
    const ImageListing l = readD64(image);
    EXPECT_EQ(l.name, QStringLiteral("TWO") + kNbsp + QStringLiteral("WORDS"));
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_TRUE(l.lines[0].startsWith(QStringLiteral("\"A") + kNbsp + kNbsp + QStringLiteral("B") +
                                      QChar(0x20AC) + QStringLiteral("\"")));
}

TEST(D64Reader, EndTestNeedsAllFiveFieldsZero)
{
    QByteArray image = emptyD64();
    // A scratched entry: type 0 but a name and a start block, so it is listed.
    putEntry(image, 1, 0, {0x00, "GONE", 17, 3, 0});
    // Only the size's high byte set: not an end either.
    putEntry(image, 1, 1, {0x00, "", 0, 0, 0x0100});
    // Everything the test looks at is zero, though other bytes are not: the end.
    const int third = kDirTrackOffset + 256 + 64;
    image[third + 21] = 0x11;
    image[third + 25] = 0x22;
    putEntry(image, 1, 3, {0x82, "AFTER END", 17, 0, 1});
    const ImageListing l = readD64(image);
    EXPECT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), 2);
    EXPECT_EQ(l.lines[0], line(QStringLiteral("GONE"), 13, 0, QStringLiteral("SCR")));
    EXPECT_TRUE(l.lines[1].endsWith(QStringLiteral("\t256\tSCR")));
}

TEST(D64Reader, FullDirectoryOf144EntriesOver18Sectors)
{
    const ImageListing l = readD64(d64WithEntries(144));
    EXPECT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), 144);
    EXPECT_EQ(l.lines.first(), line(QStringLiteral("FILE000"), 10, 1, QStringLiteral("PRG")));
    EXPECT_EQ(l.lines.last(), line(QStringLiteral("FILE143"), 10, 144, QStringLiteral("PRG")));
}

TEST(D64Reader, EighteenthSectorLinkingOnIsCorrupted)
{
    QByteArray image = d64WithEntries(144);
    putLink(image, 18, 18, 1);
    const ImageListing l = readD64(image);
    EXPECT_TRUE(l.corrupted);
    EXPECT_EQ(l.lines.size(), 144);
    EXPECT_TRUE(l.readError.isEmpty());
}

TEST(D64Reader, ChainEndsOnTrackZeroOrSectorZero)
{
    QByteArray image = d64WithEntries(16);
    putLink(image, 1, 18, 0); // sector 0 is the BAM: the walk stops
    EXPECT_EQ(readD64(image).lines.size(), 8);
    putLink(image, 1, 0, 2);
    EXPECT_EQ(readD64(image).lines.size(), 8);
    putLink(image, 1, 7, 2); // any track other than 0 counts as "on"
    EXPECT_EQ(readD64(image).lines.size(), 16);
}

TEST(D64Reader, ChainMovesRelativeToThePreviousSector)
{
    QByteArray image = emptyD64();
    fillSector(image, 1, "ONE");
    putLink(image, 1, 18, 4);
    fillSector(image, 4, "FOUR");
    putLink(image, 4, 18, 2);
    putEntry(image, 2, 0, {0x82, "TWO", 17, 0, 1});
    putLink(image, 2, 0, 0xFF);
    const ImageListing l = readD64(image);
    ASSERT_EQ(l.lines.size(), 17);
    EXPECT_TRUE(l.lines[8].startsWith(QStringLiteral("\"FOUR0\"")));
    EXPECT_TRUE(l.lines[16].startsWith(QStringLiteral("\"TWO\"")));
}

TEST(D64Reader, StepsBeyondASignedSixteenBitMoveAreCorrupted)
{
    const auto chain = [](std::initializer_list<int> sectors) {
        QByteArray image = emptyD64();
        int from = 1;
        fillSector(image, 1, "S");
        for (const int s : sectors) {
            putLink(image, from, 18, quint8(s));
            fillSector(image, s, "S");
            putLink(image, s, 0, 0xFF);
            from = s;
        }
        return readD64(image);
    };
    EXPECT_FALSE(chain({128}).corrupted); // +127
    EXPECT_EQ(chain({128}).lines.size(), 16);
    const ImageListing up = chain({129}); // +128
    EXPECT_TRUE(up.corrupted);
    EXPECT_EQ(up.lines.size(), 8);
    EXPECT_FALSE(chain({128, 255, 127}).corrupted); // -128
    EXPECT_EQ(chain({128, 255, 127}).lines.size(), 32);
    EXPECT_TRUE(chain({128, 255, 126}).corrupted); // -129
    EXPECT_EQ(chain({128, 255, 126}).lines.size(), 24);
}

TEST(D64Reader, LinkLeavingTheImageIsCorruptedAndKeepsEarlierLines)
{
    QByteArray image = d64WithEntries(16);
    image.truncate(kDirTrackOffset + 2 * 256); // sector 2 is gone
    const ImageListing l = readD64(image);
    EXPECT_TRUE(l.corrupted);
    EXPECT_EQ(l.lines.size(), 8);
    EXPECT_EQ(l.freeText, QStringLiteral("664 BLOCKS FREE."));
}

TEST(D64Reader, TruncatedImagesOfEveryLengthClass)
{
    const QByteArray full = d64WithEntries(12);
    struct Cut {
        int size;
        bool name, id;
        int lines;
    };
    const int dir = kDirTrackOffset + 256;
    const QList<Cut> cuts = {{0, false, false, 0},
                             {1000, false, false, 0},
                             {0x16590 + 15, false, false, 0},
                             {0x16590 + 16, true, false, 0},
                             {0x165A2 + 4, true, false, 0},
                             {0x165A2 + 5, true, true, 0},
                             {dir + 1, true, true, 0},
                             {dir + 31, true, true, 0},
                             {dir + 32 * 3 + 31, true, true, 3},
                             {dir + 256, true, true, 8},
                             {dir + 256 + 32 * 2, true, true, 10}};
    for (const Cut &c : cuts) {
        const ImageListing l = readD64(full.left(c.size));
        EXPECT_TRUE(l.corrupted) << c.size;
        EXPECT_EQ(!l.name.isEmpty(), c.name) << c.size;
        EXPECT_EQ(!l.id.isEmpty(), c.id) << c.size;
        EXPECT_EQ(!l.freeText.isEmpty(), c.id) << c.size;
        EXPECT_EQ(l.lines.size(), c.lines) << c.size;
    }
    // Cut right after the last sector the chain needs: nothing is missing.
    const ImageListing whole = readD64(full.left(dir + 512));
    EXPECT_FALSE(whole.corrupted);
    EXPECT_EQ(whole.lines.size(), 12);
}

TEST(D64Reader, ReadsFilesAndUnquotesPaths)
{
    QTemporaryDir dir;
    // 40 tracks with error bytes: larger than anything the walk needs.
    QByteArray big = d64WithEntries(3);
    big.append(196608 + 768 - big.size(), '\x01');
    const QString path = writeImage(dir.path(), QStringLiteral("my game.d64"), big);
    const ImageListing plain = d64dir(path);
    EXPECT_FALSE(plain.corrupted);
    EXPECT_EQ(plain.lines.size(), 3);
    EXPECT_EQ(plain.path, path);
    const ImageListing quoted = d64dir(QLatin1Char('"') + path + QLatin1Char('"'));
    EXPECT_EQ(quoted.path, path);
    EXPECT_EQ(quoted.lines, plain.lines);
    // Nothing is left behind in the temporary folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(D64Reader, UnreadableFilesAreCorruptedWithAReason)
{
    QTemporaryDir dir;
    // A pipe would block a plain read until something writes to it.
    const QString fifo = dir.filePath(QStringLiteral("pipe.d64"));
    QProcess::execute(QStringLiteral("mkfifo"), {fifo});
    for (const QString &path : {dir.filePath(QStringLiteral("missing.d64")), dir.path(), QString(),
                                QStringLiteral("\""), fifo}) {
        const ImageListing l = d64dir(path);
        EXPECT_TRUE(l.corrupted) << path.toStdString();
        EXPECT_FALSE(l.readError.isEmpty()) << path.toStdString();
        EXPECT_TRUE(l.lines.isEmpty());
    }
}

// cc1541 writes real disks: the reader must agree with an independent writer.
TEST(D64Reader, AgreesWithDisksWrittenByCc1541)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("cc1541"));
    if (tool.isEmpty())
        GTEST_SKIP() << "cc1541 is not installed";
    QTemporaryDir dir;
    const QString prg = writeImage(dir.path(), QStringLiteral("game.prg"),
                                   QByteArray("\x01\x08", 2) + QByteArray(600, '\x60'));
    const QString image = dir.filePath(QStringLiteral("disk.d64"));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    // cc1541 takes ASCII lower case for the PETSCII letters.
    p.start(tool, {QStringLiteral("-n"), QStringLiteral("oracle"), QStringLiteral("-i"),
                   QStringLiteral("xy"), QStringLiteral("-f"), QStringLiteral("manic miner"),
                   QStringLiteral("-w"), prg, QStringLiteral("-f"), QStringLiteral("notes"),
                   QStringLiteral("-T"), QStringLiteral("SEQ"), QStringLiteral("-P"),
                   QStringLiteral("-w"), prg, image});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const ImageListing l = d64dir(image);
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.name, QStringLiteral("ORACLE"));
    EXPECT_TRUE(l.id.startsWith(QStringLiteral("XY") + kNbsp));
    // 602 bytes take 3 blocks each.
    EXPECT_EQ(l.freeText, QStringLiteral("658 BLOCKS FREE."));
    ASSERT_EQ(l.lines.size(), 2);
    EXPECT_EQ(l.lines[0], line(QStringLiteral("MANIC MINER"), 6, 3, QStringLiteral("PRG")));
    EXPECT_EQ(l.lines[1], line(QStringLiteral("NOTES"), 12, 3, QStringLiteral("<SEQ")));
}
