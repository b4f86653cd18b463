// Emulator command lines, the files each emulator refuses, and `vantrel --dir`.
#include "c64commandline.h"
#include "c64dirlisting.h"
#include "launchtest.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace c64img;

namespace
{

const QString E = "C:\\EMU\\X.EXE";
const QString S = "C:\\GAMES\\ELITE.D64";
const QString kEntry = "\"MANIC MINER\"      \t12\tPRG";
const QString kDisk = " -autotype LOAD$22*$22,8,1$0DRUN$0D -1541";
const QString kTape = " -autotype LOAD$0DRUN$0D -1541";
using Status = C64CommandResult::Status;
using C = C64Emulator;

struct Listed {
    int code;
    QString out, err;
};
Listed listing(const QString &image)
{
    Listed r;
    QTextStream out(&r.out), err(&r.err);
    r.code = runDirListing(image, out, err);
    out.flush(), err.flush();
    return r;
}

} // namespace

TEST(C64CommandLine, EveryEmulatorAndSelection)
{
    const QString accented = "\"" + QChar(0xC9) + "LAN\"\t1\tPRG";
    using Case = std::tuple<C, QString, int, QString, QString>;
    const Case cases[] = {
        // CCS64: ",index" unless the first entry is selected; ",-1" with no selection.
        {C::Ccs64, S, 0, kEntry, E + " " + S},
        {C::Ccs64, S, 2, kEntry, E + " " + S + ",2"},
        {C::Ccs64, S, -1, {}, E + " " + S + ",-1"},
        // VICE: the selected program in lower case; the plain line otherwise.
        {C::Vice, S, 1, accented, E + " " + S + ":" + QChar(0xE9) + "lan"},
        {C::Vice, S, 0, kEntry, E + " " + S},
        {C::Vice, S, 3, "\"NO END  \t1\tPRG", E + " " + S}, // a hostile entry
        // C64S: folder and "\name" of a disk or a tape, in either case.
        {C::C64s, S, 0, {}, E + " -diskdir C:\\GAMES -disk \\ELITE.D64" + kDisk},
        {C::C64s, "C:\\GAME.d64", 0, {}, E + " -diskdir C: -disk \\GAME.d64" + kDisk},
        {C::C64s, "C:\\T\\X.t64", 0, {}, E + " -tapedir C:\\T -tape \\X.t64" + kTape},
        {C::C64s, "/GAME.D64", 0, {}, E + " -diskdir / -disk /GAME.D64" + kDisk},
        // PC64: only disks and P00 files, whatever is selected.
        {C::Pc64, "C:\\G\\GAME.P00", 2, kEntry, E + " C:\\G\\GAME.P00"},
    };
    for (const auto &[emulator, file, index, entry, expected] : cases) {
        const C64CommandResult r = buildC64Command(emulator, E, file, index, entry);
        EXPECT_EQ(r.command.text(), expected);
        EXPECT_EQ(r.command.windowStyle,
                  emulator == C::C64s ? WindowStyle::MinimizedFocus : WindowStyle::NormalFocus);
    }
    // The line is a program and an argument list: blanks need no quoting.
    EXPECT_EQ(buildC64Command(C::C64s, E, "/home/me/a b.d64", 0, {}).command.arguments.mid(0, 4),
              (QStringList{"-diskdir", "/home/me", "-disk", "/a b.d64"}));
}

TEST(C64CommandLine, RefusedFilesAndMissingPieces)
{
    const std::pair<C, const char *> refused[] = {{C::C64s, "C:\\G\\GAME.PRG"},
                                                  {C::C64s, "C:\\G\\GAME.D64 "},
                                                  {C::C64s, ""},
                                                  {C::Pc64, "C:\\G\\GAME.T64"},
                                                  {C::Pc64, "C:\\G\\GAME.p01"}};
    for (const auto &[emulator, file] : refused)
        EXPECT_EQ(buildC64Command(emulator, E, file, 0, {}).status, Status::Unsupported) << file;
    for (const C64Emulator e : kC64Emulators)
        EXPECT_EQ(buildC64Command(e, QString(), S, 0, {}).status, Status::NotConfigured);
    EXPECT_EQ(buildC64Command(C::Ccs64, E, QString(), 0, {}).status, Status::NoImage);
}

TEST(C64DirListing, PrintsHeaderAndLinesOrFailsWithItsCode)
{
    QTemporaryDir dir;
    const Listed r =
        listing(writeFile(dir.filePath("a.d64"), d64({{"FIRST", QByteArray(12 * 254, 'x')}}, "L")));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "L\n01" + QString(QChar(0xA0)) +
                         "2A\n652 BLOCKS FREE.\n\"FIRST\"            \t12\tPRG\n");
    EXPECT_TRUE(r.err.isEmpty());
    // Of an archive, the first D64 or T64 inside.
    const QString zipped = writeZip(
        dir.filePath("z.zip"), {{"a.prg", prg(3)}, {"b.D64", readFile(dir.filePath("a.d64"))}});
    EXPECT_EQ(listing(zipped).out, r.out);
    const QString tape = writeFile(dir.filePath("b.T64"), t64({{"TAPED", prg(1)}}, 8));
    EXPECT_EQ(listing(tape).out, "T\n\n\n\"TAPED\"           \t1\tPRG\n");
    // Control bytes in names are shown escaped, the columns' tabs stay.
    const QString odd = writeFile(dir.filePath("c.T64"), t64({{"A\nB\x1b", prg(1)}}, 8));
    EXPECT_EQ(listing(odd).out, "T\n\n\n\"A\\nB\\x1b\"            \t1\tPRG\n");

    QByteArray bad = d64Files(144);
    link(bad, kDirOrder[17], 18, 5);
    const Listed corrupt = listing(writeFile(dir.filePath("bad.d64"), bad));
    EXPECT_EQ(corrupt.code, 2);
    EXPECT_EQ(corrupt.out.count(QLatin1Char('\n')), 3 + 144);
    EXPECT_EQ(corrupt.err, "Directory appears to be corrupted.\nIt is recommended to NOT use "
                           "this program with this file.\n");

    const QString notes = writeFile(dir.filePath("notes.txt"), "x");
    writeFile(dir.filePath("folder.d64/inside"));
    QProcess::execute("mkfifo", {dir.filePath("pipe.t64")}); // would block a plain read
    const QString adf = writeZip(dir.filePath("adf.zip"), {{"a.adf", QByteArray(901120, 0)}});
    const QString climbs = writeZip(dir.filePath("climbs.zip"), {{"../../x.d64", d64Files(1)}});
    for (const QString &path : {notes, dir.filePath("missing.d64"), dir.filePath("folder.d64"),
                                dir.filePath("pipe.t64"), QString(), adf, climbs}) {
        const Listed failed = listing(path);
        EXPECT_EQ(failed.code, 1) << path.toStdString();
        EXPECT_TRUE(failed.out.isEmpty()) << path.toStdString();
        EXPECT_FALSE(failed.err.isEmpty()) << path.toStdString();
    }
}
