// The D64 and T64 directory walks, the extension dispatch, and images cut short or hostile.
#include "imagereader.h"
#include "launchtest.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace c64img;

static const QString kNbsp = QString(QChar(0xA0));

TEST(D64Reader, HeaderFreeBlocksAndEveryTypeByte)
{
    const ImageListing empty = readD64(d64({}, "GAMES DISK", "AB"));
    EXPECT_FALSE(empty.corrupted || !empty.lines.isEmpty());
    EXPECT_EQ((QStringList{empty.name, empty.id, empty.freeText}),
              (QStringList{"GAMES DISK", "AB" + kNbsp + "2A", "664 BLOCKS FREE."}));

    const QList<QPair<quint8, QString>> types = {
        {0x82, "PRG"},  {0xC2, "<PRG"}, {0x02, "*PRG"},  {0x42, "<*PRG"},
        {0x80, "DEL"},  {0x81, "SEQ"},  {0x83, "USR"},   {0x84, "REL"},
        {0x85, "???"},  {0x86, "???"},  {0x87, "???"},   {0x01, "*SEQ"},
        {0xC4, "<REL"}, {0x00, "SCR"},  {0x40, "<*DEL"}, {0xFF, "<???"}};
    QList<ImageFile> files;
    for (int i = 0; i < types.size(); ++i)
        files.append({"F" + QByteArray::number(i), {}, types[i].first});
    QByteArray image = d64(files);
    // Track 18 is left out of the sum: 664 - 16 - 17 + 234.
    image[sampledata::kD64BamOffset + 4 * 18] = char(200);
    image[sampledata::kD64BamOffset + 4 * 35] = char(0);
    image[sampledata::kD64BamOffset + 4 * 1] = char(255);
    const ImageListing l = readD64(image);
    ASSERT_FALSE(l.corrupted);
    EXPECT_EQ(l.freeText, "865 BLOCKS FREE.");
    ASSERT_EQ(l.lines.size(), types.size());
    for (int i = 0; i < types.size(); ++i)
        EXPECT_EQ(l.lines[i], line(QString("F%1").arg(i), 1, types[i].second)) << i;
}

TEST(D64Reader, NamesPaddingAndSizes)
{
    QByteArray image =
        d64({{"TENCHARSXX", QByteArray(10 * 254, 'x')}, {"SIXTEEN CHARS XY", {}}, {"EMPTY", {}}},
            QByteArray("TWO\xA0WORDS"));
    image[entryAt(1) + 30] = 2; // 258 blocks
    image[entryAt(1) + 31] = 1;
    image.replace(entryAt(2) + 5, 16, QByteArray(16, char(0xA0))); // an empty name
    const ImageListing l = readD64(image);
    EXPECT_EQ(l.name, "TWO" + kNbsp + "WORDS");
    EXPECT_EQ(l.lines, (QStringList{"\"TENCHARSXX\"       \t10\tPRG",
                                    "\"SIXTEEN CHARS XY\"\t258\tPRG", line(QString(), 1, "PRG")}));
}

TEST(D64Reader, ChainOver18SectorsAndItsEnds)
{
    QByteArray full = d64Files(144);
    const ImageListing l = readD64(full);
    EXPECT_FALSE(l.corrupted);
    ASSERT_EQ(l.lines.size(), 144);
    EXPECT_EQ(l.lines.last(), line("FILE143", 1, "PRG"));
    link(full, kDirOrder[17], 18, 1); // an 18th sector that links on
    const ImageListing over = readD64(full);
    EXPECT_TRUE(over.corrupted && over.readError.isEmpty());
    EXPECT_EQ(over.lines.size(), 144);

    QByteArray two = d64Files(16); // sectors 1 and 4
    link(two, 1, 0, 4);
    EXPECT_EQ(readD64(two).lines.size(), 8);
    link(two, 1, 7, 4); // any track other than 0 counts as "on"
    EXPECT_EQ(readD64(two).lines.size(), 16);
}

TEST(D64Reader, StepsBeyondASignedByteMoveAreCorrupted)
{
    // The sector moves are relative; sectors past track 18 are read where they lie.
    const QByteArray eight = d64Files(8);
    const QByteArray sector = eight.mid(dirSector(1), 256);
    const auto check = [&](std::initializer_list<int> sectors, bool corrupted, int lines) {
        QByteArray image = eight;
        int from = 1;
        for (const int s : sectors) {
            link(image, from, 18, s);
            image.replace(dirSector(s), 256, sector);
            from = s;
        }
        const ImageListing l = readD64(image);
        EXPECT_EQ(l.corrupted, corrupted) << lines;
        EXPECT_EQ(l.lines.size(), lines);
    };
    check({128}, false, 16);           // +127
    check({129}, true, 8);             // +128
    check({128, 255, 127}, false, 32); // -128
    check({128, 255, 126}, true, 24);  // -129
}

TEST(D64Reader, TruncatedImagesOfEveryLengthClass)
{
    const QByteArray full = d64Files(12); // sectors 1 and 4
    const int s1 = dirSector(1), s4 = dirSector(4), bam = sampledata::kD64BamOffset;
    const auto check = [&](int size, bool name, bool id, int lines, bool corrupted = true) {
        const ImageListing l = readD64(full.left(size));
        EXPECT_EQ(l.corrupted, corrupted) << size;
        EXPECT_EQ(!l.name.isEmpty(), name) << size;
        EXPECT_EQ(!l.id.isEmpty() && !l.freeText.isEmpty(), id) << size;
        EXPECT_EQ(l.lines.size(), lines) << size;
    };
    for (const int size : {0, 1000, bam + 0x90 + 15})
        check(size, false, false, 0);
    check(bam + 0x90 + 16, true, false, 0);
    check(bam + 0xA2 + 4, true, false, 0);
    for (const int size : {bam + 0xA2 + 5, s1 + 1, s1 + 31})
        check(size, true, true, 0);
    check(s1 + 32 * 3 + 31, true, true, 3);
    check(s1 + 256, true, true, 8);
    check(s4 + 64, true, true, 10);
    check(s4 + 256, true, true, 12, false); // all the chain needs
}

TEST(ImageFiles, ReadUnquotedAndRefuseWhatCannotBeRead)
{
    QTemporaryDir dir;
    const QString disk = save(dir.path(), "my game.d64", d64Files(3));
    const ImageListing quoted = d64dir('"' + disk + '"');
    EXPECT_FALSE(quoted.corrupted);
    EXPECT_EQ(quoted.path, disk);
    EXPECT_EQ(quoted.lines.size(), 3);
    EXPECT_EQ(d64dir(disk).lines, quoted.lines);

    const QString tape = save(dir.path(), "tape.t64", t64({{"GAME", prg(0x0801, 6143)}}));
    const ImageListing t = t64dir('"' + tape + '"');
    EXPECT_EQ(t.path, tape);
    EXPECT_EQ(t.lines, QStringList{line("GAME", 25, "PRG", 16)});

    // A pipe would block a plain read until something writes to it.
    const QString fifo = dir.filePath("pipe.d64");
    QProcess::execute("mkfifo", {fifo});
    for (const QString &path : {dir.filePath("missing.d64"), dir.path(), fifo}) {
        const ImageListing l = d64dir(path);
        EXPECT_TRUE(l.corrupted) << path.toStdString();
        EXPECT_FALSE(l.readError.isEmpty()) << path.toStdString();
        EXPECT_TRUE(l.lines.isEmpty());
    }
}

TEST(T64Reader, SlotLimitOneCharacterNamesBlankPaddingAndWrappingSizes)
{
    // File data right after two slots looks like more entries; it must not be listed.
    QByteArray image = t64({{"X", prg(0x0801, 256)}, {"TWO  ", prg(0xC000, 0)}}, 2);
    image.insert(kTapeSlot + 64, t64({{"NOT AN ENTRY", prg(0x0801, 1)}}).mid(kTapeSlot, 32));
    image[kTapeSlot + 32 + 4] = image[kTapeSlot + 32 + 5] = 0; // end below start: wraps
    EXPECT_EQ(readT64(image).lines,
              (QStringList{line("X", 2, "PRG", 16), line("TWO", 65, "PRG", 16)}));
    image[0x22] = 0; // 0 counts as one slot
    EXPECT_EQ(readT64(image).lines, QStringList{line("X", 2, "PRG", 16)});
}

TEST(T64Reader, NamesMoreThanEightEntriesAndTruncation)
{
    QList<ImageFile> twelve{{"TENCHARSXX", prg(0x0801, 762)},
                            {"SIXTEEN CHARS XY", prg(0x0801, 763)}};
    for (int i = 2; i < 12; ++i)
        twelve.append({"GAME" + QByteArray::number(i), prg(0x0801, 256)});
    const ImageListing l = readT64(t64(twelve, 0, QByteArray("TAPE\xA0\xA0  ")));
    EXPECT_FALSE(l.corrupted);
    EXPECT_EQ(l.name, "TAPE");
    EXPECT_TRUE(l.id.isEmpty() && l.freeText.isEmpty());
    ASSERT_EQ(l.lines.size(), 8); // only the first eight slots are read
    EXPECT_EQ(l.lines[0], line("TENCHARSXX", 3, "PRG", 16));
    EXPECT_EQ(l.lines[1], line("SIXTEEN CHARS XY", 4, "PRG", 16));
    EXPECT_TRUE(l.lines[7].startsWith("\"GAME7\""));

    const QByteArray full = t64(
        {{"ONE", prg(0x0801, 1)}, {"TWO", prg(0x0801, 1)}, {"THREE", prg(0x0801, 1)}}, 8, "TAPE");
    const auto check = [&](int size, bool corrupted, bool name, int lines) {
        const ImageListing t = readT64(full.left(size));
        EXPECT_EQ(t.corrupted, corrupted) << size;
        EXPECT_EQ(t.name == "TAPE", name) << size;
        EXPECT_EQ(t.lines.size(), lines) << size;
    };
    for (const int size : {0, 0x20, 0x28 + 15})
        check(size, true, false, 0);
    check(0x40, true, true, 0);
    check(kTapeSlot + 52, true, true, 1);
    check(kTapeSlot + 128, false, true, 3); // the empty fourth slot ends it
}

TEST(ImageReaderHelpers, ExtensionDispatchIsExactAndCaseSensitive)
{
    using K = C64ImageKind;
    const QList<QPair<const char *, K>> cases = {{"C:\\GAMES\\ELITE.D64", K::D64},
                                                 {"/g/elite.d64", K::D64},
                                                 {"/g/x.T64", K::T64},
                                                 {"/g/x.t64", K::T64},
                                                 {"\"/g/x.d64\"", K::D64},
                                                 {"/g/x.D64x", K::None},
                                                 {"/g/x.d64 ", K::None},
                                                 {"/g/x.p00", K::None},
                                                 {"/g/x", K::None},
                                                 {"x.D6", K::None},
                                                 {"C:\\V1.2\\README", K::None},
                                                 {"/g/x.D64.zip", K::None}};
    for (const auto &c : cases)
        EXPECT_EQ(c64ImageKind(QString::fromLatin1(c.first)), c.second) << c.first;
    EXPECT_EQ(c64Extension("C:\\V1.2\\README"), ".2\\README");
    EXPECT_EQ(c64Extension("README"), QString());
}
