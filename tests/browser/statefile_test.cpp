#include "statefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace browser;

// The window's tests cover the documented contents; these are the awkward files.
TEST(StateFile, OnlyTheFirstValueCountsAndAnyFileIsSafe)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vantrel.ini");
    const std::pair<QByteArray, const char *> cases[] = {
        {"01\r\n", "01000000"},
        {"2yY1 -1\xc3\xa9", "00010010"},
        {"111111111111", "11111111"},
        {"1010,1111\r\n", "10100000"},
        {"11\n00000000", "11000000"},
        {"\r\n11111111", "00000000"},
        {QByteArray("1\0"
                    "1",
                    3),
         "10100000"},
        {QByteArray("\xff\xfe\x00\x31", 4), "00010000"},
        {QByteArray(1 << 20, '1'), "11111111"}};
    for (const auto &[content, expected] : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const auto state = readStateFile(path);
        ASSERT_TRUE(state) << expected;
        EXPECT_EQ(stateText(*state), expected);
    }
    EXPECT_EQ(parseState(u"00000001"), (ViewState{false, false, false, false, false, false, 0, 1}));

    // Missing, a folder, or empty: nothing, and the window keeps its defaults.
    QFile(path).resize(0);
    for (const QString &p : {dir.filePath("none.ini"), dir.path(), path})
        EXPECT_EQ(readStateFile(p), std::nullopt) << p.toStdString();
    EXPECT_EQ(stateText({}), "11110000");
}
