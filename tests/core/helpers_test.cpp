#include "escaping.h"
#include "launcher.h"
#include "shortpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ShortPath, ExistingMissingAndBlankPaths)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder with blanks");
    QDir().mkpath(folder);
    const QString file = folder + "/Game File.d64";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(shortPath(file), QDir::toNativeSeparators(file));
    EXPECT_EQ(shortPath(dir.filePath("missing.d64")), QString());
    EXPECT_EQ(shortPath(QString()), QString());
}

TEST(Command, TextJoinsWithOneBlank)
{
    EXPECT_EQ((Command{"/emu/x64", {"/games/a b.d64:elite"}}).text(),
              "/emu/x64 /games/a b.d64:elite");
    EXPECT_EQ((Command{"/p/player", {""}}).text(), "/p/player ");
    EXPECT_EQ((Command{"/p/player", {}}).text(), "/p/player");
}

TEST(EscapeControls, NoStoredValueForgesALineOrReachesTheTerminal)
{
    const struct {
        QString text, shown;
    } cases[] = {
        {"Plain \\ title é", "Plain \\ title é"},
        {"Two\nlines\r\tend", "Two\\nlines\\r\\tend"},
        {"\x1b[2Jgone", "\\x1b[2Jgone"},
        {QString(QChar(0)) + "x", "\\x00x"},
        {QString(QChar(0x9b)) + "\x7f", "\\x9b\\x7f"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escapeControls(c.text), c.shown);
}
