#include "escaping.h"
#include "launcher.h"
#include "regularfile.h"
#include "shortpath.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

TEST(ShortPath, ExistingMissingAndBlankPaths)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("folder with blanks/Game File.d64");
    writeFile(file);
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

#ifdef Q_OS_UNIX
TEST(RegularFile, OnlyAnOrdinaryFileOfPlausibleSizeIsOpened)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("file.mdb"), QByteArray(100, 'x'));
    const QString fifo = dir.filePath("fifo.mdb"), zero = dir.filePath("zero.mdb-wal"),
                  linked = dir.filePath("linked.mdb"), dangling = dir.filePath("dangling.mdb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    ASSERT_TRUE(QFile::link(file, linked));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dangling));
    const struct {
        QString path;
        qint64 largest;
        const char *says; // after the path; nothing for a file that may be opened
    } cases[] = {
        {file, 100, nullptr},
        {linked, 100, nullptr}, // a link counts as the file it names
        {file, 99, " is larger than 99 bytes, more than any catalogue holds"},
        {fifo, 100, " is a FIFO, not a file"},
        {zero, 100, " is a device, not a file"},
        {dir.path(), 100, " is a folder, not a file"},
        {dir.filePath("missing"), 100, " does not exist"},
        {dangling, 100, " does not exist"},
    };
    for (const auto &c : cases) {
        const Outcome file = checkRegularFile(c.path, c.largest);
        EXPECT_EQ(file.error(), c.says ? c.path + c.says : QString()) << c.path.toStdString();
    }
}
#endif
