// The T64 directory: slots, the maximum-entries field, names padded with blanks or 0xA0,
// sizes from load addresses, and containers cut short.
#include "c64imagefixtures.h"
#include "imagereader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fixtures;

TEST(T64Reader, TapeNameEntriesAndSizesFromAddresses)
{
    const ImageListing l = readT64(t64({{0x82, "TENCHARSXX", 0x0801, 0x0801 + 762},
                                        {0x82, "SIXTEEN CHARS XY", 0x0801, 0x0801 + 763},
                                        {0x81, "DATA", 0x1000, 0x1000}},
                                       30, "MY TAPE"));
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.name, QStringLiteral("MY TAPE"));
    EXPECT_TRUE(l.id.isEmpty());
    EXPECT_TRUE(l.freeText.isEmpty());
    ASSERT_EQ(l.lines.size(), 3);
    EXPECT_EQ(l.lines[0], QStringLiteral("\"TENCHARSXX\"      \t3\tPRG"));
    EXPECT_EQ(l.lines[1], QStringLiteral("\"SIXTEEN CHARS XY\"\t4\tPRG"));
    EXPECT_EQ(l.lines[2], QStringLiteral("\"DATA\"            \t0\tSEQ"));
}

TEST(T64Reader, EndAddressBelowStartWrapsPastTheTop)
{
    const ImageListing l = readT64(t64({{0x82, "HIGH", 0xC000, 0x0000}}));
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_TRUE(l.lines[0].endsWith(QStringLiteral("\t65\tPRG"))); // 0x4000 bytes
}

TEST(T64Reader, BlankAndShiftSpacePaddingAreBothTrimmed)
{
    T64Entry a{0x82, "MANIC MINER", 0x0801, 0x0900, ' '};
    T64Entry b{0x82, "JET SET", 0x0801, 0x0900, char(0xA0)};
    T64Entry c{0x82, QByteArray("MIX \xA0 \xA0"), 0x0801, 0x0900, ' '};
    const ImageListing l = readT64(t64({a, b, c}, 8, QByteArray("TAPE\xA0\xA0  ")));
    EXPECT_EQ(l.name, QStringLiteral("TAPE"));
    ASSERT_EQ(l.lines.size(), 3);
    EXPECT_TRUE(l.lines[0].startsWith(QStringLiteral("\"MANIC MINER\"     \t")));
    EXPECT_TRUE(l.lines[1].startsWith(QStringLiteral("\"JET SET\"         \t")));
    EXPECT_TRUE(l.lines[2].startsWith(QStringLiteral("\"MIX\"")));
}

TEST(T64Reader, OnlyTheFirstEightSlotsAreRead)
{
    QList<T64Entry> entries;
    for (int i = 0; i < 12; ++i)
        entries.append({0x82, "GAME" + QByteArray::number(i), 0x0801, 0x0901, ' '});
    const ImageListing l = readT64(t64(entries));
    EXPECT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), 8);
    EXPECT_TRUE(l.lines[7].startsWith(QStringLiteral("\"GAME7\"")));
}

TEST(T64Reader, MaximumEntriesFieldLimitsTheSlots)
{
    // File data right after two slots looks like more entries; it must not be listed.
    QByteArray image =
        t64({{0x82, "ONE", 0x0801, 0x0901, ' '}, {0x82, "TWO", 0x0801, 0x0901, ' '}}, 2);
    QByteArray fake(32, '\0');
    fake[1] = char(0x82);
    fake.replace(16, 16, padded("NOT AN ENTRY", 16, ' '));
    image.insert(0x40 + 64, fake);
    EXPECT_EQ(readT64(image).lines.size(), 2);

    image[0x22] = 0; // 0 counts as one slot
    const ImageListing one = readT64(image);
    EXPECT_FALSE(one.corrupted);
    EXPECT_EQ(one.lines.size(), 1);

    image[0x22] = char(0x10); // many slots, but at most eight are read
    image[0x23] = char(0x01);
    EXPECT_EQ(readT64(image).lines.size(), 8);
}

TEST(T64Reader, OneCharacterNamesAreListedAndNulNamesSkipped)
{
    QByteArray nulSecond("A");
    nulSecond.append('\0');
    nulSecond.append("BC");
    const ImageListing l = readT64(t64({{0x82, "X", 0x0801, 0x0901, ' '},
                                        {0x82, nulSecond, 0x0801, 0x0901, ' '},
                                        {0x82, QByteArray(1, '\0') + "Z", 0x0801, 0x0901, ' '},
                                        {0x82, "", 0x0801, 0x0901, ' '},
                                        {0x82, "LAST", 0x0801, 0x0901, ' '}}));
    EXPECT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), 3);
    EXPECT_EQ(l.lines[0], QStringLiteral("\"X\"               \t2\tPRG"));
    EXPECT_EQ(l.lines[1], QStringLiteral("\"\"                \t2\tPRG"));
    EXPECT_TRUE(l.lines[2].startsWith(QStringLiteral("\"LAST\"")));
}

TEST(T64Reader, EmptySlotEndsTheDirectory)
{
    T64Entry gap{0x00, "", 0, 0, '\0'};
    const ImageListing l = readT64(
        t64({{0x82, "FIRST", 0x0801, 0x0901, ' '}, gap, {0x82, "HIDDEN", 0x0801, 0x0901, ' '}}));
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.lines.size(), 1);
    // Type 0 with a name is a scratched entry, not the end.
    const ImageListing scratched = readT64(t64({{0x00, "OLD", 0x0801, 0x0901, ' '}}));
    ASSERT_EQ(scratched.lines.size(), 1);
    EXPECT_TRUE(scratched.lines[0].endsWith(QStringLiteral("\tSCR")));
}

TEST(T64Reader, TruncatedContainers)
{
    const QByteArray full = t64({{0x82, "ONE", 0x0801, 0x0901, ' '},
                                 {0x82, "TWO", 0x0801, 0x0901, ' '},
                                 {0x82, "THREE", 0x0801, 0x0901, ' '}},
                                8, "TAPE");
    for (const int size : {0, 0x20, 0x28 + 15}) {
        const ImageListing l = readT64(full.left(size));
        EXPECT_TRUE(l.corrupted) << size;
        EXPECT_TRUE(l.name.isEmpty()) << size;
    }
    const ImageListing headerOnly = readT64(full.left(0x40));
    EXPECT_TRUE(headerOnly.corrupted);
    EXPECT_EQ(headerOnly.name, QStringLiteral("TAPE"));
    const ImageListing midSlot = readT64(full.left(0x40 + 32 + 20));
    EXPECT_TRUE(midSlot.corrupted);
    EXPECT_EQ(midSlot.lines.size(), 1);
    // The fourth slot is empty and ends the directory: the slots after it are not needed.
    EXPECT_FALSE(readT64(full.left(0x40 + 4 * 32)).corrupted);
}

TEST(T64Reader, ReadsFiles)
{
    QTemporaryDir dir;
    const QString path = writeImage(dir.path(), QStringLiteral("tape.t64"),
                                    t64({{0x82, "GAME", 0x0801, 0x2000, ' '}}));
    const ImageListing l = t64dir(QLatin1Char('"') + path + QLatin1Char('"'));
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.path, path);
    EXPECT_EQ(l.lines, QStringList{QStringLiteral("\"GAME\"            \t25\tPRG")});
    EXPECT_TRUE(t64dir(dir.filePath(QStringLiteral("none.t64"))).corrupted);
}
