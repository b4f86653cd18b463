// Emulator command lines: the one-line form, how it splits into program and arguments,
// and the files each emulator refuses.
#include "c64commandline.h"

#include <gtest/gtest.h>

namespace
{

const QString E = QStringLiteral("C:\\EMU\\X.EXE");
const QString S = QStringLiteral("C:\\GAMES\\ELITE.D64");
const QString kEntry = QStringLiteral("\"MANIC MINER\"      \t12\tPRG");

using Status = C64CommandResult::Status;

QString text(C64Emulator e, const QString &s, int index = -1, const QString &entry = {})
{
    const C64CommandResult r = buildC64Command(e, E, s, index, entry);
    EXPECT_TRUE(r.ok());
    return r.command.text();
}

} // namespace

TEST(C64CommandLine, Ccs64AddsTheIndexUnlessItIsZero)
{
    EXPECT_EQ(text(C64Emulator::Ccs64, S, 0, kEntry), E + " " + S);
    EXPECT_EQ(text(C64Emulator::Ccs64, S, 2, kEntry), E + " " + S + ",2");
    EXPECT_EQ(text(C64Emulator::Ccs64, S, -1), E + " " + S + ",-1");
    const Command c = buildC64Command(C64Emulator::Ccs64, E, S, 2, kEntry).command;
    EXPECT_EQ(c.program, E);
    EXPECT_EQ(c.arguments, QStringList{S + ",2"});
    EXPECT_EQ(c.windowStyle, WindowStyle::NormalFocus);
}

TEST(C64CommandLine, ViceNamesTheSelectedProgramInLowerCase)
{
    EXPECT_EQ(text(C64Emulator::Vice, S, 1, kEntry), E + " " + S + ":manic miner");
    EXPECT_EQ(buildC64Command(C64Emulator::Vice, E, S, 1, kEntry).command.arguments,
              QStringList{S + ":manic miner"});
    // First entry, nothing selected, or no closing mark: the plain line.
    EXPECT_EQ(text(C64Emulator::Vice, S, 0, kEntry), E + " " + S);
    EXPECT_EQ(text(C64Emulator::Vice, S, -1), E + " " + S);
    EXPECT_EQ(text(C64Emulator::Vice, S, 3, QStringLiteral("\"NO END  \t1\tPRG")), E + " " + S);
    EXPECT_EQ(text(C64Emulator::Vice, S, 3, QStringLiteral("\"")), E + " " + S);
    EXPECT_EQ(text(C64Emulator::Vice, S, 3, QStringLiteral("\"\"                 \t1\tPRG")),
              E + " " + S + ":");
    const QString accented = QStringLiteral("\"") + QChar(0xC9) + QStringLiteral("LAN\"\t1\tPRG");
    EXPECT_EQ(text(C64Emulator::Vice, S, 1, accented),
              E + " " + S + ":" + QChar(0xE9) + QStringLiteral("lan"));
}

TEST(C64CommandLine, C64sDiskTapeAndRoots)
{
    const QString c64s = QStringLiteral("C:\\EMU\\C64S.EXE");
    const C64CommandResult disk = buildC64Command(C64Emulator::C64s, c64s, S, 0, {});
    ASSERT_TRUE(disk.ok());
    EXPECT_EQ(disk.command.text(),
              QStringLiteral("C:\\EMU\\C64S.EXE -diskdir C:\\GAMES -disk \\ELITE.D64 -autotype "
                             "LOAD$22*$22,8,1$0DRUN$0D -1541"));
    EXPECT_EQ(disk.command.arguments,
              (QStringList{"-diskdir", "C:\\GAMES", "-disk", "\\ELITE.D64", "-autotype",
                           "LOAD$22*$22,8,1$0DRUN$0D", "-1541"}));
    EXPECT_EQ(disk.command.windowStyle, WindowStyle::MinimizedFocus);

    EXPECT_EQ(text(C64Emulator::C64s, QStringLiteral("C:\\T\\GAME.T64")),
              E + " -tapedir C:\\T -tape \\GAME.T64 -autotype LOAD$0DRUN$0D -1541");
    EXPECT_EQ(text(C64Emulator::C64s, QStringLiteral("C:\\T\\game.t64")),
              E + " -tapedir C:\\T -tape \\game.t64 -autotype LOAD$0DRUN$0D -1541");
    EXPECT_EQ(text(C64Emulator::C64s, QStringLiteral("C:\\GAME.d64")),
              E + " -diskdir C: -disk \\GAME.d64 -autotype LOAD$22*$22,8,1$0DRUN$0D -1541");
    EXPECT_EQ(buildC64Command(C64Emulator::C64s, E, QStringLiteral("/home/me/c64/a b.d64"), 0, {})
                  .command.arguments.mid(0, 4),
              (QStringList{"-diskdir", "/home/me/c64", "-disk", "/a b.d64"}));
    EXPECT_EQ(buildC64Command(C64Emulator::C64s, E, QStringLiteral("/GAME.D64"), 0, {})
                  .command.arguments.mid(0, 4),
              (QStringList{"-diskdir", "/", "-disk", "/GAME.D64"}));
}

TEST(C64CommandLine, FilesTheEmulatorsRefuse)
{
    for (const char *file :
         {"C:\\G\\GAME.PRG", "C:\\G\\GAME.P00", "C:\\G\\GAME.D64 ", "C:\\G\\GAME.D6", ""})
        EXPECT_EQ(buildC64Command(C64Emulator::C64s, E, QString::fromLatin1(file), 0, {}).status,
                  Status::Unsupported)
            << file;
    for (const char *file : {"C:\\G\\GAME.PRG", "C:\\G\\GAME.T64", "C:\\G\\GAME.p01", ""})
        EXPECT_EQ(buildC64Command(C64Emulator::Pc64, E, QString::fromLatin1(file), 0, {}).status,
                  Status::Unsupported)
            << file;
    for (const char *file :
         {"C:\\G\\GAME.D64", "C:\\G\\GAME.d64", "C:\\G\\GAME.P00", "C:\\G\\GAME.p00"})
        EXPECT_EQ(text(C64Emulator::Pc64, QString::fromLatin1(file), 2, kEntry),
                  E + " " + QString::fromLatin1(file))
            << file;
    // CCS64 and VICE take any file.
    EXPECT_EQ(text(C64Emulator::Ccs64, QStringLiteral("C:\\G\\GAME.PRG"), 0),
              E + " C:\\G\\GAME.PRG");
    EXPECT_EQ(text(C64Emulator::Vice, QStringLiteral("C:\\G\\GAME.PRG"), 0),
              E + " C:\\G\\GAME.PRG");
}

TEST(C64CommandLine, MissingEmulatorOrImage)
{
    for (const C64Emulator e : kC64Emulators)
        EXPECT_EQ(buildC64Command(e, QString(), S, 0, {}).status, Status::NotConfigured);
    EXPECT_EQ(buildC64Command(C64Emulator::Ccs64, E, QString(), 0, {}).status, Status::NoImage);
    EXPECT_EQ(buildC64Command(C64Emulator::Vice, E, QString(), 1, kEntry).status, Status::NoImage);
}

TEST(C64CommandLine, ProgramPathWithBlanksStaysOneProgram)
{
    const QString vice = QStringLiteral("C:\\Program Files\\VICE\\x64.exe");
    const C64CommandResult r = buildC64Command(C64Emulator::Vice, vice, S, 0, {});
    EXPECT_EQ(r.command.program, vice);
    EXPECT_EQ(r.command.text(), vice + " " + S);
}

TEST(C64CommandLine, EmulatorTable)
{
    const QStringList captions = {"CCS64", "VICE", "C64S", "PC64"};
    const QStringList fields = {"ccs64", "vice", "c64s", "pc64"};
    for (int i = 0; i < 4; ++i) {
        const C64EmulatorInfo &info = c64EmulatorInfo(kC64Emulators[i]);
        EXPECT_EQ(info.button, QStringLiteral("NmButton%1").arg(i + 1));
        EXPECT_EQ(info.caption, captions[i]);
        EXPECT_EQ(info.field, fields[i]);
        EXPECT_EQ(info.failureText, "Bad Configuration for " + captions[i]);
    }
}

TEST(C64CommandLine, C64diskKeepsTheLeadingSeparator)
{
    EXPECT_EQ(c64disk(QStringLiteral("C:\\GAMES\\ELITE.D64")), QStringLiteral("\\ELITE.D64"));
    EXPECT_EQ(c64disk(QStringLiteral("ELITE.D64")), QStringLiteral("ELITE.D64"));
    EXPECT_EQ(c64disk(QStringLiteral("/a/b.d64")), QStringLiteral("/b.d64"));
    EXPECT_EQ(c64disk(QStringLiteral("C:\\")), QStringLiteral("\\"));
    EXPECT_EQ(c64disk(QString()), QString());
    EXPECT_EQ(c64EntryName(kEntry), QStringLiteral("MANIC MINER"));
    EXPECT_FALSE(c64EntryName(QString()).has_value());
}
