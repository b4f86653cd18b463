#include "adfwriter.h"
#include "imagereading.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace sampledata;
using namespace imagereading;

namespace
{

constexpr quint32 kFileSecType = quint32(-3);

QByteArray pattern(int size, int salt)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + salt) & 0xFF);
    return b;
}

bool bitmapSaysFree(const QByteArray &image, int block)
{
    const int bit = block - 2;
    return long32(image, 881, 4 + 4 * (bit / 32)) & (1u << (bit % 32));
}

int freeBlocks(const QByteArray &image)
{
    int free = 0;
    for (int b = 2; b < 1760; ++b)
        free += bitmapSaysFree(image, b) ? 1 : 0;
    return free;
}

// Finds a file the way AmigaDOS does: hash slot of the root, then the hash chain.
int findHeader(const QByteArray &image, const QByteArray &name)
{
    int block = int(long32(image, 880, 24 + 4 * adfHash(name)));
    for (int guard = 0; block != 0 && guard < 1760; ++guard) {
        if (adfName(image, block).toUpper() == name.toUpper())
            return block;
        block = int(long32(image, block, 496));
    }
    return 0;
}

struct ReadFile {
    QByteArray data;
    QList<int> blocks; // data blocks in order of the next_data links
    QList<int> tables; // header and list blocks
    QList<int> listed; // data blocks as the pointer tables list them
};

ReadFile readFile(const QByteArray &image, int header)
{
    ReadFile f;
    int block = int(long32(image, header, 16));
    for (int seq = 1; block != 0 && seq < 1760; ++seq) {
        EXPECT_EQ(long32(image, block, 0), 8u) << "data block type";
        EXPECT_EQ(long32(image, block, 4), quint32(header)) << "data block owner";
        EXPECT_EQ(long32(image, block, 8), quint32(seq)) << "sequence number";
        EXPECT_EQ(blockSum(image, block), 0u) << "data block checksum";
        const int size = int(long32(image, block, 12));
        EXPECT_LE(size, 488);
        f.data += image.mid(block * 512 + 24, size);
        f.blocks.append(block);
        block = int(long32(image, block, 16));
    }
    for (int table = header; table != 0; table = int(long32(image, table, 504))) {
        f.tables.append(table);
        const int count = int(long32(image, table, 8));
        for (int k = 0; k < count; ++k)
            f.listed.append(int(long32(image, table, 24 + 4 * (71 - k))));
        if (f.tables.size() > 100)
            break;
    }
    return f;
}

} // namespace

TEST(AdfWriter, EmptyDiskHasValidRootAndBitmap)
{
    const ImageResult r = writeAdf("Empty", {});
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &d = r.bytes;
    ASSERT_EQ(d.size(), 901120);
    EXPECT_EQ(d.left(4), QByteArray("DOS\0", 4));
    EXPECT_EQ(long32(d, 880, 0), 2u);            // header block
    EXPECT_EQ(long32(d, 880, 12), 72u);          // hash table size
    EXPECT_EQ(long32(d, 880, 312), 0xFFFFFFFFu); // bitmap valid
    EXPECT_EQ(long32(d, 880, 316), 881u);
    EXPECT_EQ(long32(d, 880, 508), 1u); // root
    EXPECT_EQ(adfName(d, 880), "Empty");
    EXPECT_EQ(blockSum(d, 880), 0u);
    EXPECT_EQ(blockSum(d, 881), 0u);
    EXPECT_EQ(adfBlockChecksum(d, 880), long32(d, 880, 20));
    EXPECT_EQ(adfBlockChecksum(d, 881, 0), long32(d, 881, 0));
    for (int slot = 0; slot < 72; ++slot)
        EXPECT_EQ(long32(d, 880, 24 + 4 * slot), 0u);
    EXPECT_EQ(freeBlocks(d), 1756);
    EXPECT_FALSE(bitmapSaysFree(d, 880));
    EXPECT_FALSE(bitmapSaysFree(d, 881));
    EXPECT_TRUE(bitmapSaysFree(d, 2));
    EXPECT_TRUE(bitmapSaysFree(d, 1759));
}

TEST(AdfWriter, HashFollowsTheFileSystemRule)
{
    // len 1: (1 * 13 + 'A') & 0x7FF = 78, 78 % 72 = 6; letter case does not count.
    EXPECT_EQ(adfHash("a"), 6);
    EXPECT_EQ(adfHash("A"), 6);
    // "ab": h = 2; h = 2*13+65 = 91; h = 91*13+66 = 1249; 1249 % 72 = 25.
    EXPECT_EQ(adfHash("Ab"), 25);
}

TEST(AdfWriter, FilesAreFoundAndReadBack)
{
    const QList<ImageFile> files = {{"Game", pattern(20000, 1)},
                                    {"Readme", QByteArray("A short text.\n")},
                                    {"Exact", pattern(488 * 2, 2)},
                                    {"Empty", {}}};
    const ImageResult r = writeAdf("Sample Disk", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    QSet<int> used;
    for (const ImageFile &file : files) {
        SCOPED_TRACE(file.name.toStdString());
        const int header = findHeader(r.bytes, file.name);
        ASSERT_NE(header, 0);
        EXPECT_EQ(long32(r.bytes, header, 0), 2u);
        EXPECT_EQ(long32(r.bytes, header, 4), quint32(header));
        EXPECT_EQ(long32(r.bytes, header, 508), kFileSecType);
        EXPECT_EQ(long32(r.bytes, header, 500), 880u) << "parent is the root";
        EXPECT_EQ(long32(r.bytes, header, 324), quint32(file.data.size()));
        EXPECT_EQ(blockSum(r.bytes, header), 0u) << "header checksum";
        const ReadFile f = readFile(r.bytes, header);
        EXPECT_EQ(f.data, file.data);
        EXPECT_EQ(f.listed, f.blocks) << "pointer table and links disagree";
        used.insert(header);
        for (int b : f.blocks) {
            EXPECT_FALSE(used.contains(b));
            used.insert(b);
        }
    }
    for (int b : used)
        EXPECT_FALSE(bitmapSaysFree(r.bytes, b)) << "block " << b;
    EXPECT_EQ(freeBlocks(r.bytes), 1756 - used.size());
    EXPECT_EQ(blockSum(r.bytes, 880), 0u);
    EXPECT_EQ(blockSum(r.bytes, 881), 0u);
}

TEST(AdfWriter, LargeFilesGetExtensionBlocks)
{
    const QByteArray big = pattern(488 * 150 + 7, 5); // 151 data blocks: header + 2 lists
    const ImageResult r = writeAdf("Big", {{"Large", big}});
    ASSERT_TRUE(r.ok());
    const int header = findHeader(r.bytes, "Large");
    ASSERT_NE(header, 0);
    const ReadFile f = readFile(r.bytes, header);
    EXPECT_EQ(f.data, big);
    ASSERT_EQ(f.tables.size(), 3);
    EXPECT_EQ(long32(r.bytes, header, 8), 72u);
    for (int i = 1; i < f.tables.size(); ++i) {
        const int list = f.tables[i];
        EXPECT_EQ(long32(r.bytes, list, 0), 16u);
        EXPECT_EQ(long32(r.bytes, list, 4), quint32(list));
        EXPECT_EQ(long32(r.bytes, list, 500), quint32(header));
        EXPECT_EQ(blockSum(r.bytes, list), 0u);
        EXPECT_FALSE(bitmapSaysFree(r.bytes, list));
    }
    EXPECT_EQ(long32(r.bytes, f.tables[2], 8), 7u);
    EXPECT_EQ(f.listed, f.blocks);
}

TEST(AdfWriter, NamesSharingAHashSlotAreChained)
{
    QByteArray first = "File0";
    QByteArray second;
    for (int i = 1; i < 1000 && second.isEmpty(); ++i) {
        const QByteArray candidate = "File" + QByteArray::number(i);
        if (adfHash(candidate) == adfHash(first))
            second = candidate;
    }
    ASSERT_FALSE(second.isEmpty());
    const ImageResult r = writeAdf("Chain", {{first, "one"}, {second, "two"}});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(readFile(r.bytes, findHeader(r.bytes, first)).data, "one");
    EXPECT_EQ(readFile(r.bytes, findHeader(r.bytes, second)).data, "two");
}

TEST(AdfWriter, RefusesBadNamesAndOverfullDisks)
{
    EXPECT_FALSE(writeAdf("", {}).ok());
    EXPECT_FALSE(writeAdf("Vol:ume", {}).ok());
    EXPECT_FALSE(writeAdf("V", {{"a/b", "x"}}).ok());
    EXPECT_FALSE(writeAdf("V", {{QByteArray(31, 'n'), "x"}}).ok());
    EXPECT_FALSE(writeAdf("V", {{"Same", "x"}, {"SAME", "y"}}).ok());
    EXPECT_FALSE(writeAdf("V", {{"Huge", QByteArray(488 * 1756, 'x')}}).ok());
    // 1731 data blocks need 24 list blocks: 1731 + 24 + 1 header = 1756, exactly full.
    const ImageResult full = writeAdf("V", {{"Full", pattern(488 * 1731, 3)}});
    ASSERT_TRUE(full.ok()) << full.error.toStdString();
    EXPECT_EQ(freeBlocks(full.bytes), 0);
    EXPECT_EQ(readFile(full.bytes, findHeader(full.bytes, "Full")).data, pattern(488 * 1731, 3));
}
