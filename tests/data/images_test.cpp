#include "adfwriter.h"
#include "d64writer.h"
#include "imagereading.h"
#include "musicfiles.h"
#include "screenshots.h"
#include "t64writer.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

using namespace sampledata;
using namespace imagereading;

namespace
{

QByteArray pattern(int size, int salt)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + salt) & 0xFF);
    return b;
}

} // namespace

TEST(D64Writer, ChainsAndBamAgreeWithTheFiles)
{
    const QList<ImageFile> files = {{"GAME", pattern(5000, 1)},
                                    {"EXACT", pattern(254 * 3, 2), 0x81},
                                    {"EMPTY", {}, 0xC2},
                                    {"LARGE", pattern(300 * 254, 9)}, // size needs the high byte
                                    {"SIXTEEN CHARS!!!", pattern(1, 3)}};
    const ImageResult r = writeD64("SAMPLE", "01", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &d = r.bytes;
    ASSERT_EQ(d.size(), 174848);
    EXPECT_EQ(d.mid(kBam, 4), QByteArray("\x12\x01\x41\x00", 4));
    EXPECT_EQ(d.mid(kBam + 0x90, 16), QByteArray("SAMPLE") + QByteArray(10, char(0xA0)));
    const QList<D64Entry> dir = d64Directory(d);
    ASSERT_EQ(dir.size(), files.size());
    QSet<int> used;
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name.toStdString());
        EXPECT_EQ(dir[i].name, files[i].name);
        EXPECT_EQ(dir[i].type, files[i].type);
        QList<std::pair<int, int>> chain;
        EXPECT_EQ(d64FileData(d, dir[i], &chain), files[i].data);
        EXPECT_EQ(dir[i].blocks, chain.size());
        for (const auto &[t, s] : chain) {
            EXPECT_NE(t, 18) << "file data on the directory track";
            EXPECT_FALSE(bamSaysFree(d, t, s)) << "block in use but free in the BAM";
            EXPECT_FALSE(used.contains(t * 100 + s)) << "block shared by two files";
            used.insert(t * 100 + s);
        }
    }
    EXPECT_EQ(dir[2].blocks, 1); // an empty file still takes one block
    EXPECT_EQ(d64Free(d), 664 - used.size());
    EXPECT_EQ(byteAt(d, kBam + 4 * 18), 17); // BAM and first directory sector in use
    // The bitmap agrees with the count on every track, no bits beyond the last sector.
    for (int t = 1; t <= 35; ++t) {
        int free = 0;
        for (int s = 0; s < sectorsOnTrack(t); ++s)
            free += bamSaysFree(d, t, s) ? 1 : 0;
        EXPECT_EQ(free, byteAt(d, kBam + 4 * t)) << "track " << t;
        EXPECT_EQ(byteAt(d, kBam + 4 * t + 3) >> (sectorsOnTrack(t) - 16), 0) << "track " << t;
    }
}

TEST(D64Writer, FullDirectoryFullDiskAndWhatDoesNotFit)
{
    QList<ImageFile> files;
    for (int i = 0; i < 144; ++i)
        files.append({"FILE" + QByteArray::number(i), pattern(10, i)});
    ImageResult r = writeD64("FULL", "FF", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    QList<int> sectors;
    EXPECT_EQ(d64Directory(r.bytes, &sectors).size(), 144);
    EXPECT_EQ(QSet<int>(sectors.begin(), sectors.end()).size(), 18);
    EXPECT_FALSE(sectors.contains(0));
    EXPECT_EQ(byteAt(r.bytes, kBam + 4 * 18), 0) << "directory track full";
    EXPECT_EQ(r.bytes.mid(offsetOf(18, sectors.last()), 2), QByteArray("\x00\xFF", 2));

    r = writeD64("X", "01", {{"FITS", pattern(664 * 254, 4)}});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(d64Free(r.bytes), 0);
    EXPECT_EQ(d64FileData(r.bytes, d64Directory(r.bytes).value(0)), pattern(664 * 254, 4));

    files.append(ImageFile{"ONE TOO MANY", "x"});
    EXPECT_FALSE(writeD64("X", "01", files).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"HUGE", QByteArray(665 * 254, 'x')}}).ok());
}

TEST(T64Writer, EntriesPointAtThePrograms)
{
    const QList<ImageFile> files = {{"FIRST", "\x01\x08" + pattern(1000, 1)},
                                    {"SECOND PROGRAM", QByteArray("\x00\xC0", 2) + pattern(10, 2)}};
    const ImageResult r = writeT64("MY TAPE", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &t = r.bytes;
    const auto le16 = [&t](int at) { return qFromLittleEndian<quint16>(t.constData() + at); };
    EXPECT_TRUE(t.startsWith("C64S tape image file"));
    EXPECT_EQ(le16(0x24), 2);
    ASSERT_EQ(t.size(), 0x40 + le16(0x22) * 32 + 1000 + 10);
    for (int i = 0; i < files.size(); ++i) {
        const int e = 0x40 + 32 * i;
        const QByteArray payload = files[i].data.mid(2);
        EXPECT_EQ(le16(e + 2), qFromLittleEndian<quint16>(files[i].data.constData()));
        EXPECT_EQ(le16(e + 4) - le16(e + 2), payload.size());
        EXPECT_EQ(t.mid(qFromLittleEndian<quint32>(t.constData() + e + 8), payload.size()),
                  payload);
        EXPECT_EQ(t.mid(e + 16, 16), files[i].name.leftJustified(16, ' '));
    }
    EXPECT_FALSE(writeT64("T", {{"NOLOAD", "x"}}).ok());
    EXPECT_FALSE(writeT64("T", {{"WRAPS", "\xF0\xFF" + pattern(0x20, 0)}}).ok());
    EXPECT_FALSE(writeT64("T", files, 1).ok());
}

TEST(AdfWriter, FilesHashChainsChecksumsAndBitmapAgree)
{
    // Two names in one hash slot, and a file long enough for two extension blocks.
    QByteArray twin;
    for (int i = 1; twin.isEmpty(); ++i)
        if (adfHash("File" + QByteArray::number(i)) == adfHash("File0"))
            twin = "File" + QByteArray::number(i);
    const QList<ImageFile> files = {{"Game", pattern(20000, 1)},
                                    {"Exact", pattern(488 * 2, 2)},
                                    {"Empty", {}},
                                    {"Large", pattern(488 * 150 + 7, 5)},
                                    {"File0", "one"},
                                    {twin, "two"}};
    const ImageResult r = writeAdf("Sample Disk", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &d = r.bytes;
    ASSERT_EQ(d.size(), 901120);
    EXPECT_EQ(d.left(4), QByteArray("DOS\0", 4));
    EXPECT_EQ(long32(d, 880, 312), 0xFFFFFFFFu) << "bitmap valid";
    EXPECT_EQ(long32(d, 880, 316), 881u);
    EXPECT_EQ(blockSum(d, 880), 0u);
    EXPECT_EQ(blockSum(d, 881), 0u);
    EXPECT_EQ(adfBlockChecksum(d, 880), long32(d, 880, 20));
    QSet<int> used = {880, 881};
    for (const ImageFile &file : files) {
        SCOPED_TRACE(file.name.toStdString());
        const int header = adfFind(d, adfHash(file.name), file.name);
        ASSERT_NE(header, 0);
        EXPECT_EQ(long32(d, header, 4), quint32(header));
        EXPECT_EQ(long32(d, header, 500), 880u) << "parent is the root";
        EXPECT_EQ(long32(d, header, 508), quint32(-3)) << "a file";
        EXPECT_EQ(long32(d, header, 324), quint32(file.data.size()));
        const AdfFile f = adfRead(d, header);
        EXPECT_EQ(f.data, file.data);
        EXPECT_EQ(f.listed, f.blocks) << "pointer tables and links disagree";
        if (file.name == "Large") {
            EXPECT_EQ(f.tables.size(), 3);
        }
        for (int b : f.tables + f.blocks) {
            EXPECT_FALSE(used.contains(b)) << "block " << b << " used twice";
            used.insert(b);
        }
    }
    for (int b : used)
        EXPECT_FALSE(adfBitmapSaysFree(d, b)) << "block " << b;
    EXPECT_EQ(adfFree(d), 1758 - used.size());
}

TEST(AdfWriter, ExactlyFullDiskAndOneBlockTooMany)
{
    // 1731 data blocks need 24 extension blocks: 1731 + 24 + 1 header = 1756, exactly full.
    const ImageResult full = writeAdf("V", {{"Full", pattern(488 * 1731, 3)}});
    ASSERT_TRUE(full.ok()) << full.error.toStdString();
    EXPECT_EQ(adfFree(full.bytes), 0);
    EXPECT_EQ(adfRead(full.bytes, adfFind(full.bytes, adfHash("Full"), "Full")).data,
              pattern(488 * 1731, 3));
    EXPECT_FALSE(writeAdf("V", {{"Huge", QByteArray(488 * 1732, 'x')}}).ok());
    EXPECT_FALSE(writeAdf("V", {{"Same", "x"}, {"SAME", "y"}}).ok());
}

TEST(MediaGenerators, SameInputSameBytesOtherSeedOtherResult)
{
    EXPECT_EQ(makePsid("T", "A", "R", 5), makePsid("T", "A", "R", 5));
    EXPECT_NE(makePsid("T", "A", "R", 5), makePsid("T", "A", "R", 6));
    EXPECT_EQ(makeMod("a", 1), makeMod("a", 1));
    EXPECT_NE(makeMod("a", 1), makeMod("a", 2));
    EXPECT_EQ(makeC64Screenshot("Moon", 1, 3), makeC64Screenshot("Moon", 1, 3));
    EXPECT_NE(makeC64Screenshot("Moon", 1, 3), makeC64Screenshot("Moon", 2, 3));
    EXPECT_EQ(makeAmigaScreenshot("Moon", 2, 3), makeAmigaScreenshot("Moon", 2, 3));
    EXPECT_NE(makeAmigaScreenshot("Moon", 2, 3), makeAmigaScreenshot("Moon", 2, 4));
}
