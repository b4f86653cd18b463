#include "musicfiles.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace sampledata;

namespace
{

int be16(const QByteArray &b, int at)
{
    return qFromBigEndian<quint16>(b.constData() + at);
}

// The byte of the tune at a C64 address (the data starts with its load address).
quint8 at(const QByteArray &sid, int address)
{
    const int load = quint8(sid[0x7C]) | quint8(sid[0x7D]) << 8;
    return quint8(sid[0x7E + address - load]);
}

int operand(const QByteArray &sid, int address)
{
    return at(sid, address + 1) | at(sid, address + 2) << 8;
}

} // namespace

TEST(PsidFile, HeaderCarriesTheTextsAndAddresses)
{
    const QByteArray sid = makePsid("Moon Harbour", "Dag Wellbeck", "1985 Brightwater", 4);
    EXPECT_EQ(sid.left(4), "PSID");
    EXPECT_EQ(be16(sid, 4), 2);
    EXPECT_EQ(be16(sid, 6), 0x7C);
    EXPECT_EQ(be16(sid, 8), 0); // load address taken from the data
    EXPECT_EQ(be16(sid, 0x0A), 0x1000);
    EXPECT_EQ(be16(sid, 0x0C), 0x1003);
    EXPECT_EQ(be16(sid, 0x0E), 1);
    EXPECT_EQ(be16(sid, 0x10), 1);
    EXPECT_EQ(sid.mid(0x16, 32), QByteArray("Moon Harbour").leftJustified(32, '\0'));
    EXPECT_EQ(sid.mid(0x36, 32), QByteArray("Dag Wellbeck").leftJustified(32, '\0'));
    EXPECT_EQ(sid.mid(0x56, 32), QByteArray("1985 Brightwater").leftJustified(32, '\0'));
    EXPECT_EQ(sid.mid(0x7C, 2), QByteArray("\x00\x10", 2));
}

TEST(PsidFile, LongTextsKeepTheirTerminator)
{
    const QByteArray sid = makePsid(QByteArray(40, 'T'), QByteArray(32, 'A'), "", 1);
    EXPECT_EQ(sid.mid(0x16, 32), QByteArray(31, 'T') + '\0');
    EXPECT_EQ(sid.mid(0x36, 32), QByteArray(31, 'A') + '\0');
}

TEST(PsidFile, PlayerJumpsLandOnTheRightInstructions)
{
    for (quint32 seed : {1u, 2u, 99u}) {
        const QByteArray sid = makePsid("T", "A", "R", seed);
        ASSERT_EQ(at(sid, 0x1000), 0x4C); // JMP init
        ASSERT_EQ(at(sid, 0x1003), 0x4C); // JMP play
        const int init = operand(sid, 0x1000);
        const int play = operand(sid, 0x1003);
        EXPECT_EQ(at(sid, init), 0xA9);
        EXPECT_EQ(at(sid, init + 1), 0x0F);
        EXPECT_EQ(at(sid, play - 1), 0x60) << "init ends with RTS right before play";
        EXPECT_EQ(at(sid, play), 0xCE); // DEC timer
        const int timer = operand(sid, play);
        EXPECT_EQ(at(sid, play + 3), 0x10); // BPL done
        const int done = play + 5 + qint8(at(sid, play + 4));
        EXPECT_EQ(at(sid, done), 0x60) << "BPL must reach the final RTS";
        const int bne = done - 7;
        EXPECT_EQ(at(sid, bne), 0xD0);
        EXPECT_EQ(at(sid, bne + 2 + qint8(at(sid, bne + 1))), 0x8E) << "BNE must reach STX";
        EXPECT_EQ(operand(sid, done - 3), timer + 1) << "index follows the timer";
        const int lo = operand(sid, play + 13);
        const int hi = operand(sid, play + 19);
        const int notes = at(sid, bne - 1); // CPX #notes
        EXPECT_EQ(lo, done + 1);
        EXPECT_EQ(hi, lo + notes);
        EXPECT_EQ(timer, hi + notes);
        EXPECT_EQ(sid.size(), 0x7E + (timer + 2 - 0x1000)) << "tune ends after its variables";
    }
}

TEST(PsidFile, SeedChoosesTheMelody)
{
    EXPECT_EQ(makePsid("T", "A", "R", 5), makePsid("T", "A", "R", 5));
    EXPECT_NE(makePsid("T", "A", "R", 5), makePsid("T", "A", "R", 6));
}

TEST(ModFile, LayoutOfAFourChannelModule)
{
    const QByteArray mod = makeMod("glass orbit", 3);
    EXPECT_EQ(mod.left(20), QByteArray("glass orbit").leftJustified(20, '\0'));
    EXPECT_EQ(mod.mid(1080, 4), "M.K.");
    const int songLength = quint8(mod[950]);
    ASSERT_GE(songLength, 1);
    int patterns = 0;
    for (int i = 0; i < 128; ++i)
        patterns = qMax(patterns, quint8(mod[952 + i]) + 1);
    int sampleBytes = 0;
    for (int s = 0; s < 31; ++s) {
        const int base = 20 + 30 * s;
        sampleBytes += 2 * be16(mod, base + 22);
        EXPECT_LE(quint8(mod[base + 25]), 64) << "volume of sample " << s;
        EXPECT_GE(be16(mod, base + 28), 1) << "repeat length of sample " << s;
    }
    EXPECT_EQ(sampleBytes, 32);
    ASSERT_EQ(mod.size(), 1084 + patterns * 1024 + sampleBytes);
    int notes = 0;
    for (int n = 0; n < patterns * 256; ++n) {
        const int cell = 1084 + 4 * n;
        const int period = (quint8(mod[cell]) & 0x0F) << 8 | quint8(mod[cell + 1]);
        const int sample = (quint8(mod[cell]) & 0xF0) | quint8(mod[cell + 2]) >> 4;
        if (period == 0)
            continue;
        ++notes;
        EXPECT_GE(period, 113);
        EXPECT_LE(period, 856);
        EXPECT_EQ(sample, 1);
    }
    EXPECT_GT(notes, 50);
}

TEST(ModFile, TitleIsCutAndSeedChoosesTheTune)
{
    const QByteArray cut = makeMod(QByteArray(30, 'x'), 1);
    EXPECT_EQ(cut.left(20), QByteArray(20, 'x'));
    EXPECT_EQ(cut.mid(20, 6), "square") << "the first sample name follows the title";
    EXPECT_EQ(makeMod("a", 1), makeMod("a", 1));
    EXPECT_NE(makeMod("a", 1), makeMod("a", 2));
}
