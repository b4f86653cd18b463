#include "escaping.h"
#include "launcher.h"
#include "paths.h"
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

TEST(Paths, LocationRule)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("bin");
    const QString data = dir.filePath("data");
    QDir().mkpath(program);
    const QString sample = dir.filePath("sample.mdb");
    QFile s(sample);
    ASSERT_TRUE(s.open(QIODevice::WriteOnly));
    s.write("sample");
    s.close();

    LocationRequest r{QString(), program, data, sample, dir.path()};
    // Nothing beside the program: the data folder, seeded from the sample.
    Paths p = resolvePaths(r);
    EXPECT_EQ(p.catalogue, QDir(data).filePath("commodore.mdb"));
    EXPECT_TRUE(QFile::exists(p.catalogue));
    EXPECT_EQ(p.stateFile, QDir(data).filePath("Vantrel.ini"));
    EXPECT_EQ(p.temp("x.uae"), QDir(dir.path()).filePath("x.uae"));

    // A seeded catalogue is never overwritten by the sample again.
    QFile mine(p.catalogue);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly | QIODevice::Truncate));
    mine.write("mine");
    mine.close();
    resolvePaths(r);
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "mine");
    mine.close();

    // Portable: beside the executable wins.
    QFile beside(QDir(program).filePath("commodore.mdb"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(resolvePaths(r).catalogue, QDir(program).filePath("commodore.mdb"));

    // --catalogue wins over everything.
    r.cataloguePath = dir.filePath("elsewhere/my.mdb");
    p = resolvePaths(r);
    EXPECT_EQ(p.catalogue, dir.filePath("elsewhere/my.mdb"));
    EXPECT_EQ(p.stateFile, dir.filePath("elsewhere/Vantrel.ini"));
}

TEST(Paths, MissingSampleLeavesAnError)
{
    QTemporaryDir dir;
    LocationRequest r{QString(), dir.filePath("bin"), dir.filePath("data"),
                      dir.filePath("no-sample.mdb"), dir.path()};
    QString error;
    const Paths p = resolvePaths(r, &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(p.catalogue));
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
