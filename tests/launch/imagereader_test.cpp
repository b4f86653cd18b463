// The D64 and T64 directory walks, on images cut short or hostile.
#include "imagereader.h"
#include "launchtest.h"

using namespace c64img;

TEST(D64Reader, HeaderFreeBlocksTypeBytesNamesAndSizes)
{
    // clang-format off
    const QList<QPair<quint8, QString>> types = {
        {0x82, "PRG"}, {0xC2, "<PRG"}, {0x02, "*PRG"}, {0x42, "<*PRG"}, {0x80, "DEL"},
        {0x81, "SEQ"}, {0x83, "USR"}, {0x84, "REL"}, {0x85, "???"}, {0x01, "*SEQ"},
        {0x00, "SCR"}, {0x40, "<*DEL"}, {0xFF, "<???"}};
    // clang-format on
    QList<ImageFile> files{{"TENCHARSXX", QByteArray(10 * 254, 'x')}, {"SIXTEEN CHARS XY", {}}};
    for (int i = 0; i < types.size(); ++i)
        files.append({"F" + QByteArray::number(i), {}, types[i].first});
    QByteArray image = d64(files, QByteArray("TWO\xA0WORDS  "));
    image[dirSector(1) + 32 + 30] = 2; // 258 blocks
    image[dirSector(1) + 32 + 31] = 1;
    image[sampledata::kD64BamOffset + 4 * 18] = char(200); // track 18 is left out of the sum
    image[sampledata::kD64BamOffset + 4 * 1] = char(255);
    const ImageListing l = readD64(image);
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.name, "TWO" + QString(QChar(0xA0)) + "WORDS  ");
    EXPECT_EQ(l.freeText, "874 BLOCKS FREE.");
    ASSERT_EQ(l.lines.size(), types.size() + 2);
    EXPECT_EQ(l.lines[0], "\"TENCHARSXX\"       \t10\tPRG");
    EXPECT_EQ(l.lines[1], "\"SIXTEEN CHARS XY\"\t258\tPRG");
    for (int i = 0; i < types.size(); ++i)
        EXPECT_EQ(l.lines[i + 2], line(QString("F%1").arg(i), 1, types[i].second)) << i;
}

TEST(D64Reader, ChainEndsAndStepsBeyondASignedByteMove)
{
    QByteArray full = d64Files(144);
    EXPECT_EQ(readD64(full).lines.size(), 144);
    link(full, kDirOrder[17], 18, 1); // an 18th sector that links on
    EXPECT_TRUE(readD64(full).corrupted);
    EXPECT_EQ(readD64(full).lines.size(), 144);

    // The sector moves are relative; sectors past track 18 are read where they lie.
    const QByteArray eight = d64Files(8);
    // clang-format off
    const struct { std::initializer_list<int> sectors; bool corrupted; int lines; } cases[] = {
        {{128}, false, 16}, {{129}, true, 8},                        // +127, +128
        {{128, 255, 127}, false, 32}, {{128, 255, 126}, true, 24}}; // -128, -129
    // clang-format on
    for (const auto &c : cases) {
        QByteArray image = eight;
        int from = 1;
        for (const int s : c.sectors) {
            link(image, from, 18, s);
            image.replace(dirSector(s), 256, eight.mid(dirSector(1), 256));
            from = s;
        }
        const ImageListing l = readD64(image);
        EXPECT_EQ(l.corrupted, c.corrupted) << c.lines;
        EXPECT_EQ(l.lines.size(), c.lines);
    }
}

TEST(T64Reader, SlotsNamesAndSizes)
{
    // File data right after two slots looks like more entries; it must not be listed.
    QByteArray image = t64({{"X", prg(256)}, {"TWO  ", prg(0)}}, 2);
    image.insert(kTapeSlot + 64, t64({{"NOT AN ENTRY", prg(1)}}).mid(kTapeSlot, 32));
    image[kTapeSlot + 32 + 4] = image[kTapeSlot + 32 + 5] = 0; // end below start: wraps
    EXPECT_EQ(readT64(image).lines,
              (QStringList{line("X", 2, "PRG", 16), line("TWO", 250, "PRG", 16)}));
    image[0x22] = 0; // 0 counts as one slot
    EXPECT_EQ(readT64(image).lines, QStringList{line("X", 2, "PRG", 16)});

    QList<ImageFile> twelve{{"SIXTEEN CHARS XY", prg(763)}};
    for (int i = 1; i < 12; ++i)
        twelve.append({"GAME" + QByteArray::number(i), prg(1)});
    const ImageListing l = readT64(t64(twelve, 0, QByteArray("TAPE\xA0\xA0  ")));
    EXPECT_EQ(l.name, "TAPE");
    ASSERT_EQ(l.lines.size(), 8); // only the first eight slots are read
    EXPECT_EQ(l.lines[0], line("SIXTEEN CHARS XY", 4, "PRG", 16));
}

// A tape entry's length is rounded up to whole blocks of 254 bytes.
TEST(T64Reader, BlockCountRoundsTheLengthUpToWholeBlocks)
{
    const std::pair<int, int> cases[] = {{1, 1}, {253, 1}, {254, 1}, {255, 2}, {508, 2}, {509, 3}};
    for (const auto &[length, blocks] : cases)
        EXPECT_EQ(readT64(t64({{"F", prg(length)}})).lines,
                  QStringList{line("F", blocks, "PRG", 16)})
            << length;
}
