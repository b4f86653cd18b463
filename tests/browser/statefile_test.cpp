#include "statefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace browser;

namespace
{

QString writeFile(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath("Vantrel.ini");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return path;
}

} // namespace

TEST(StateFile, AllOnAllOffAndPositions)
{
    const ViewState on = parseState(u"11111111");
    EXPECT_EQ(on, (ViewState{true, true, true, true, true, true, 1, 1}));
    const ViewState off = parseState(u"00000000");
    EXPECT_EQ(off, (ViewState{false, false, false, false, false, false, 0, 0}));
    // Each position reaches its own setting.
    EXPECT_EQ(parseState(u"10000000"), (ViewState{true, false, false, false, false, false, 0, 0}));
    EXPECT_EQ(parseState(u"00100000"), (ViewState{false, false, true, false, false, false, 0, 0}));
    EXPECT_EQ(parseState(u"00010000"), (ViewState{false, false, false, true, false, false, 0, 0}));
    EXPECT_EQ(parseState(u"00000100"), (ViewState{false, false, false, false, false, true, 0, 0}));
    EXPECT_EQ(parseState(u"00000001"), (ViewState{false, false, false, false, false, false, 0, 1}));
}

TEST(StateFile, ShortAndGarbageValues)
{
    // Missing positions are off; only "1" is on.
    EXPECT_EQ(parseState(u"11"), (ViewState{true, true, false, false, false, false, 0, 0}));
    EXPECT_EQ(parseState(u""), (ViewState{false, false, false, false, false, false, 0, 0}));
    EXPECT_EQ(parseState(u"2yY1 -1\u00e9"),
              (ViewState{false, false, false, true, false, false, 1, 0}));
    EXPECT_EQ(parseState(u"111111111111"), parseState(u"11111111"));
}

TEST(StateFile, FirstValueOfTheContent)
{
    EXPECT_EQ(firstStateValue(""), std::nullopt);
    EXPECT_EQ(firstStateValue("10101010\r\n"), "10101010");
    EXPECT_EQ(firstStateValue("1010,1111\r\n"), "1010");
    EXPECT_EQ(firstStateValue("11\n00000000"), "11");
    EXPECT_EQ(firstStateValue("\r\n11111111"), "");
    EXPECT_EQ(firstStateValue(QByteArray("1\0"
                                         "1",
                                         3)),
              QString::fromLatin1("1\0"
                                  "1",
                                  3));
}

TEST(StateFile, ReadMissingEmptyAndBinaryFiles)
{
    QTemporaryDir dir;
    EXPECT_EQ(readStateFile(dir.filePath("none.ini")), std::nullopt);
    EXPECT_EQ(readStateFile(dir.path()), std::nullopt); // a folder, not a file
    EXPECT_EQ(readStateFile(writeFile(dir, "")), std::nullopt);
    EXPECT_EQ(readStateFile(writeFile(dir, "01\r\n")),
              (ViewState{false, true, false, false, false, false, 0, 0}));
    QByteArray huge(1 << 20, '1');
    const auto big = readStateFile(writeFile(dir, huge));
    ASSERT_TRUE(big);
    EXPECT_EQ(*big, parseState(u"11111111"));
    const auto binary = readStateFile(writeFile(dir, QByteArray("\xff\xfe\x00\x31", 4)));
    ASSERT_TRUE(binary);
    EXPECT_FALSE(binary->c64);
}

TEST(StateFile, WriteThenReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vantrel.ini");
    const ViewState s{true, false, true, false, false, true, 1, 0};
    QString error;
    ASSERT_TRUE(writeStateFile(path, s, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "10100110\r\n");
    f.close();
    EXPECT_EQ(readStateFile(path), s);
    EXPECT_EQ(stateText({}), "11110000");
}

TEST(StateFile, WriteFailureIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeStateFile(dir.filePath("missing/folder/Vantrel.ini"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}
