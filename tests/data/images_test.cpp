#include "adfwriter.h"
#include "d64writer.h"
#include "imagereading.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace sampledata;
using namespace imagereading;

static QByteArray pattern(int size, int salt)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + salt) & 0xFF);
    return b;
}

// Directory, sector chains and BAM of a written disk all agree with `files`.
static void checkD64(const QByteArray &d, const QList<ImageFile> &files)
{
    ASSERT_EQ(d.size(), 174848);
    const QList<D64Entry> dir = d64Directory(d);
    ASSERT_EQ(dir.size(), files.size());
    QSet<int> used;
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name.toStdString());
        EXPECT_EQ(std::pair(dir[i].name, dir[i].type),
                  std::pair(files[i].name, int(files[i].type)));
        QList<std::pair<int, int>> chain;
        EXPECT_EQ(d64FileData(d, dir[i], &chain), files[i].data);
        EXPECT_EQ(dir[i].blocks, chain.size());
        for (const auto &[t, s] : chain) {
            EXPECT_TRUE(t != 18 && !bamSaysFree(d, t, s) && !used.contains(t * 100 + s))
                << "block " << t << "/" << s << " on the directory track, free or shared";
            used.insert(t * 100 + s);
        }
    }
    int total = 0;
    for (int t = 1; t <= 35; ++t) { // bitmap agrees with the count, no bits past the last sector
        int free = 0;
        for (int s = 0; s < sectorsOnTrack(t); ++s)
            free += bamSaysFree(d, t, s) ? 1 : 0;
        EXPECT_EQ(free, byteAt(d, kBam + 4 * t)) << "track " << t;
        EXPECT_EQ(byteAt(d, kBam + 4 * t + 3) >> (sectorsOnTrack(t) - 16), 0) << "track " << t;
        total += t == 18 ? 0 : free;
    }
    EXPECT_EQ(total, 664 - used.size());
}

// Root, bitmap, hash chains, headers, pointer tables and data blocks agree with `files`.
static void checkAdf(const QByteArray &d, const QList<ImageFile> &files)
{
    ASSERT_EQ(d.size(), 901120);
    EXPECT_EQ(d.left(4), QByteArray("DOS\0", 4));
    EXPECT_EQ(std::pair(long32(d, 880, 312), long32(d, 880, 316)), std::pair(0xFFFFFFFFu, 881u))
        << "bitmap valid, at block 881";
    EXPECT_EQ(blockSum(d, 880) | blockSum(d, 881), 0u);
    QSet<int> used = {880, 881};
    for (const ImageFile &file : files) {
        SCOPED_TRACE(file.name.toStdString());
        const int header = adfFind(d, adfHash(file.name), file.name);
        ASSERT_NE(header, 0);
        EXPECT_EQ(QList<quint32>({long32(d, header, 4), long32(d, header, 500),
                                  long32(d, header, 508), long32(d, header, 324)}),
                  QList<quint32>({quint32(header), 880u, quint32(-3), quint32(file.data.size())}))
            << "own block, parent is the root, a file, size";
        const AdfFile f = adfRead(d, header);
        EXPECT_EQ(f.data, file.data);
        EXPECT_EQ(f.listed, f.blocks) << "pointer tables and links disagree";
        EXPECT_EQ(f.tables.size(), 1 + qMax(0, int(f.blocks.size()) - 1) / 72) << "extensions";
        for (int b : f.tables + f.blocks) {
            EXPECT_FALSE(used.contains(b) || adfBitmapSaysFree(d, b)) << b << " shared or free";
            used.insert(b);
        }
    }
    EXPECT_EQ(adfFree(d), 1758 - used.size());
}

TEST(D64Writer, ChainsAndBamAgreeWithTheFilesUpToAFullDisk)
{
    const QList<ImageFile> files = {{"GAME", pattern(5000, 1)},
                                    {"EXACT", pattern(254 * 3, 2), 0x81},
                                    {"EMPTY", {}, 0xC2},
                                    {"LARGE", pattern(300 * 254, 9)}, // size needs the high byte
                                    {"SIXTEEN CHARS!!!", pattern(1, 3)}};
    QList<ImageFile> many, full = {{"FITS", pattern(664 * 254, 4)}};
    for (int i = 0; i < 144; ++i)
        many.append({"FILE" + QByteArray::number(i), pattern(10, i)});
    for (const QList<ImageFile> &set : {files, many, full}) {
        const ImageResult r = writeD64("SAMPLE", "01", set);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        checkD64(r.bytes, set);
    }
    const QByteArray d = writeD64("SAMPLE", "01", files).bytes;
    EXPECT_EQ(d.mid(kBam, 4), QByteArray("\x12\x01\x41\x00", 4));
    EXPECT_EQ(d.mid(kBam + 0x90, 16), QByteArray("SAMPLE") + QByteArray(10, char(0xA0)));
    EXPECT_EQ(d64Directory(d)[2].blocks, 1); // an empty file still takes one block
    EXPECT_EQ(byteAt(d, kBam + 4 * 18), 17); // BAM and first directory sector in use
    const QByteArray m = writeD64("FULL", "FF", many).bytes;
    QList<int> sectors;
    d64Directory(m, &sectors);
    EXPECT_EQ(QSet<int>(sectors.begin(), sectors.end()).size(), 18);
    EXPECT_FALSE(sectors.contains(0));
    EXPECT_EQ(byteAt(m, kBam + 4 * 18), 0) << "directory track full";
    EXPECT_EQ(m.mid(offsetOf(18, sectors.last()), 2), QByteArray("\x00\xFF", 2));
    EXPECT_FALSE(writeD64("X", "01", many + QList<ImageFile>{{"ONE TOO MANY", "x"}}).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"HUGE", QByteArray(665 * 254, 'x')}}).ok());
}

TEST(AdfWriter, FilesHashChainsChecksumsAndBitmapAgreeUpToAFullDisk)
{
    QByteArray twin; // shares File0's hash slot
    for (int i = 1; twin.isEmpty(); ++i)
        if (adfHash("File" + QByteArray::number(i)) == adfHash("File0"))
            twin = "File" + QByteArray::number(i);
    // 1731 data blocks need 24 extension blocks: 1731 + 24 + 1 header = 1756, exactly full.
    const QList<ImageFile> files = {{"Game", pattern(20000, 1)},
                                    {"Exact", pattern(488 * 2, 2)},
                                    {"Empty", {}},
                                    {"Large", pattern(488 * 150 + 7, 5)},
                                    {"File0", "one"},
                                    {twin, "two"}},
                           full = {{"Full", pattern(488 * 1731, 3)}};
    for (const QList<ImageFile> &set : {files, full}) {
        const ImageResult r = writeAdf("Sample Disk", set);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        checkAdf(r.bytes, set);
    }
    const QByteArray d = writeAdf("Sample Disk", files).bytes;
    EXPECT_EQ(adfBlockChecksum(d, 880), long32(d, 880, 20));
    EXPECT_EQ(adfRead(d, adfFind(d, adfHash("Large"), "Large")).tables.size(), 3);
    EXPECT_FALSE(writeAdf("V", {{"Huge", QByteArray(488 * 1732, 'x')}}).ok());
    EXPECT_FALSE(writeAdf("V", {{"Same", "x"}, {"SAME", "y"}}).ok());
}
