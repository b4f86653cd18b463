#include "d64writer.h"
#include "imagereading.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace sampledata;
using namespace imagereading;

namespace
{

int freeBlocksWithoutDirectoryTrack(const QByteArray &image)
{
    int sum = 0;
    for (int t = 1; t <= 35; ++t) {
        if (t != 18)
            sum += byteAt(image, 0x16500 + 4 * t);
    }
    return sum;
}

bool bamSaysFree(const QByteArray &image, int track, int sector)
{
    return byteAt(image, 0x16500 + 4 * track + 1 + sector / 8) & (1 << (sector % 8));
}

QByteArray pattern(int size, int salt)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + salt) & 0xFF);
    return b;
}

} // namespace

TEST(D64Writer, EmptyDiskIsFreshlyFormatted)
{
    const ImageResult r = writeD64("EMPTY DISK", "AB", {});
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &d = r.bytes;
    ASSERT_EQ(d.size(), 174848);
    EXPECT_EQ(freeBlocksWithoutDirectoryTrack(d), 664);
    EXPECT_EQ(byteAt(d, 0x16500 + 4 * 18), 17); // BAM and first directory sector in use
    EXPECT_EQ(d.mid(0x16500, 4), QByteArray("\x12\x01\x41\x00", 4));
    EXPECT_EQ(d.mid(0x16590, 16), QByteArray("EMPTY DISK") + QByteArray(6, char(0xA0)));
    EXPECT_EQ(d.mid(0x165A0, 11), QByteArray("\xA0\xA0"
                                             "AB\xA0"
                                             "2A\xA0\xA0\xA0\xA0"));
    EXPECT_EQ(d.mid(0x16600, 2), QByteArray("\x00\xFF", 2));
    EXPECT_EQ(d.mid(0x16602, 30), QByteArray(30, '\0')) << "the first entry must be empty";
    // The bitmap agrees with the count on every track.
    for (int t = 1; t <= 35; ++t) {
        int free = 0;
        for (int s = 0; s < sectorsOnTrack(t); ++s)
            free += bamSaysFree(d, t, s) ? 1 : 0;
        EXPECT_EQ(free, byteAt(d, 0x16500 + 4 * t)) << "track " << t;
        EXPECT_EQ(byteAt(d, 0x16500 + 4 * t + 3) >> (sectorsOnTrack(t) - 16), 0)
            << "bits beyond the last sector of track " << t;
    }
}

TEST(D64Writer, FilesAreListedAndReadableThroughTheirLinks)
{
    const QList<ImageFile> files = {{"GAME", pattern(5000, 1)},
                                    {"EXACT", pattern(254 * 3, 2), 0x81},
                                    {"EMPTY", {}, 0xC2},
                                    {"SIXTEEN CHARS!!!", pattern(1, 3)}};
    const ImageResult r = writeD64("SAMPLE", "01", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QList<D64Entry> dir = d64Directory(r.bytes);
    ASSERT_EQ(dir.size(), files.size());

    QSet<int> usedBlocks;
    int totalBlocks = 0;
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name.toStdString());
        EXPECT_EQ(dir[i].name, files[i].name);
        EXPECT_EQ(dir[i].type, files[i].type);
        QList<std::pair<int, int>> chain;
        EXPECT_EQ(d64FileData(r.bytes, dir[i].track, dir[i].sector, &chain), files[i].data);
        EXPECT_EQ(dir[i].blocks, chain.size());
        totalBlocks += int(chain.size());
        for (const auto &[t, s] : chain) {
            EXPECT_NE(t, 18) << "file data on the directory track";
            EXPECT_FALSE(bamSaysFree(r.bytes, t, s)) << "block in use but free in the BAM";
            EXPECT_FALSE(usedBlocks.contains(t * 100 + s)) << "block shared by two files";
            usedBlocks.insert(t * 100 + s);
        }
    }
    EXPECT_EQ(dir[0].blocks, 20); // 5000 bytes in 254-byte blocks
    EXPECT_EQ(dir[1].blocks, 3);
    EXPECT_EQ(dir[2].blocks, 1); // an empty file still takes one block
    EXPECT_EQ(freeBlocksWithoutDirectoryTrack(r.bytes), 664 - totalBlocks);
}

TEST(D64Writer, SizesAboveTwoHundredFiftyFiveBlocksUseTheHighByte)
{
    const ImageResult r = writeD64("BIG", "01", {{"LARGE", pattern(300 * 254, 9)}});
    ASSERT_TRUE(r.ok());
    const int entry = 0x16600;
    EXPECT_EQ(byteAt(r.bytes, entry + 30), 300 & 0xFF);
    EXPECT_EQ(byteAt(r.bytes, entry + 31), 1);
    const QList<D64Entry> dir = d64Directory(r.bytes);
    ASSERT_EQ(dir.size(), 1);
    EXPECT_EQ(d64FileData(r.bytes, dir[0].track, dir[0].sector), pattern(300 * 254, 9));
}

TEST(D64Writer, FullDirectorySpansEighteenSectorsOfTrackEighteen)
{
    QList<ImageFile> files;
    for (int i = 0; i < 144; ++i)
        files.append({QByteArray("FILE") + QByteArray::number(i), pattern(10, i)});
    const ImageResult r = writeD64("FULL", "FF", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    QList<int> sectors;
    const QList<D64Entry> dir = d64Directory(r.bytes, &sectors);
    ASSERT_EQ(dir.size(), 144);
    EXPECT_EQ(dir.last().name, "FILE143");
    ASSERT_EQ(sectors.size(), 18);
    EXPECT_EQ(QSet<int>(sectors.begin(), sectors.end()).size(), 18);
    EXPECT_FALSE(sectors.contains(0));
    EXPECT_EQ(byteAt(r.bytes, 0x16500 + 4 * 18), 0) << "directory track full";
    const int last = offsetOf(18, sectors.last());
    EXPECT_EQ(byteAt(r.bytes, last), 0);
    EXPECT_EQ(byteAt(r.bytes, last + 1), 0xFF);
    // Only entry 0 of a directory sector carries the link.
    EXPECT_EQ(r.bytes.mid(offsetOf(18, sectors[0]) + 32, 2), QByteArray(2, '\0'));
}

TEST(D64Writer, RefusesWhatDoesNotFit)
{
    QList<ImageFile> many;
    for (int i = 0; i < 145; ++i)
        many.append({QByteArray::number(i), "x"});
    EXPECT_FALSE(writeD64("X", "01", many).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"HUGE", QByteArray(665 * 254, 'x')}}).ok());
    EXPECT_TRUE(writeD64("X", "01", {{"FITS", QByteArray(664 * 254, 'x')}}).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"A NAME LONGER THAN 16", "x"}}).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"", "x"}}).ok());
    EXPECT_FALSE(writeD64("A DISK NAME TOO LONG", "01", {}).ok());
    EXPECT_FALSE(writeD64("X", "1", {}).ok());
    const ImageResult r = writeD64("X", "01", {{"HUGE", QByteArray(700 * 254, 'x')}});
    EXPECT_TRUE(r.bytes.isEmpty());
    EXPECT_TRUE(r.error.contains("700")) << r.error.toStdString();
}

TEST(D64Writer, FullDiskHasNoFreeBlockLeft)
{
    const ImageResult r = writeD64("X", "01", {{"FITS", QByteArray(664 * 254, 'x')}});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(freeBlocksWithoutDirectoryTrack(r.bytes), 0);
    const QList<D64Entry> dir = d64Directory(r.bytes);
    ASSERT_EQ(dir.size(), 1);
    EXPECT_EQ(d64FileData(r.bytes, dir[0].track, dir[0].sector).size(), 664 * 254);
}
