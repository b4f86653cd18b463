#include "musicfiles.h"

#include <QList>
#include <QRandomGenerator>
#include <QtEndian>

#include <array>
#include <initializer_list>
#include <utility>

namespace sampledata
{
namespace
{

constexpr quint16 kLoad = 0x1000;
constexpr int kSquareWords = 16;

// SID frequency values for C-3 .. B-4 (PAL clock), two octaves of a scale.
constexpr std::array<quint16, 24> kSidNotes = {
    0x0867, 0x08E1, 0x0961, 0x09E8, 0x0A77, 0x0B0F, 0x0BAF, 0x0C5A, 0x0D0E, 0x0DCC, 0x0E94, 0x0F68,
    0x10CE, 0x11C3, 0x12C3, 0x13D1, 0x14EF, 0x161F, 0x175F, 0x18B3, 0x1A1B, 0x1B99, 0x1D2D, 0x1ED0};

// ProTracker periods, octaves 1 to 3.
constexpr std::array<quint16, 36> kPeriods = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453, 428, 404, 381, 360, 339, 320,
    302, 285, 269, 254, 240, 226, 214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

// Major-scale steps, so random melodies stay pleasant.
constexpr std::array<int, 7> kScale = {0, 2, 4, 5, 7, 9, 11};

void putText(QByteArray &out, int offset, const QByteArray &text, int width)
{
    const QByteArray cut = text.left(width);
    out.replace(offset, cut.size(), cut);
}

// The 6502 player. Layout (addresses from $1000):
//   $1000 JMP init / $1003 JMP play / init / play / notes lo / notes hi / timer / index
QByteArray psidCode(const QList<quint16> &melody)
{
    const int n = int(melody.size());
    const int initAt = 0x1006;
    const int initSize = 22;
    const int playAt = initAt + initSize;
    const int playSize = 46;
    const int lo = playAt + playSize;
    const int hi = lo + n;
    const int timer = hi + n;
    const int index = timer + 1;
    auto a = [](int addr) {
        QByteArray operand;
        operand += char(addr & 0xFF);
        operand += char(addr >> 8);
        return operand;
    };

    QByteArray c;
    c += char(0x4C) + a(initAt);          // JMP init
    c += char(0x4C) + a(playAt);          // JMP play
    c += QByteArray("\xA9\x0F", 2);       // init: LDA #$0F
    c += char(0x8D) + a(0xD418);          // STA volume
    c += QByteArray("\xA9\x09", 2);       // LDA #$09
    c += char(0x8D) + a(0xD405);          // STA attack/decay
    c += QByteArray("\xA9\x00", 2);       // LDA #$00
    c += char(0x8D) + a(0xD406);          // STA sustain/release
    c += char(0x8D) + a(index);           // STA index
    c += char(0x8D) + a(timer);           // STA timer
    c += char(0x60);                      // RTS
    c += char(0xCE) + a(timer);           // play: DEC timer
    c += QByteArray("\x10\x28", 2);       // BPL done (+40)
    c += QByteArray("\xA9\x07", 2);       // LDA #7 (frames a note)
    c += char(0x8D) + a(timer);           // STA timer
    c += char(0xAE) + a(index);           // LDX index
    c += char(0xBD) + a(lo);              // LDA lo,X
    c += char(0x8D) + a(0xD400);          // STA freq lo
    c += char(0xBD) + a(hi);              // LDA hi,X
    c += char(0x8D) + a(0xD401);          // STA freq hi
    c += QByteArray("\xA9\x10", 2);       // LDA #$10 (triangle, gate off)
    c += char(0x8D) + a(0xD404);          // STA control
    c += QByteArray("\xA9\x11", 2);       // LDA #$11 (gate on)
    c += char(0x8D) + a(0xD404);          // STA control
    c += char(0xE8);                      // INX
    c += QByteArray("\xE0", 1) + char(n); // CPX #n
    c += QByteArray("\xD0\x02", 2);       // BNE store
    c += QByteArray("\xA2\x00", 2);       // LDX #0
    c += char(0x8E) + a(index);           // store: STX index
    c += char(0x60);                      // done: RTS
    Q_ASSERT(c.size() == playAt + playSize - kLoad);
    for (quint16 f : melody)
        c += char(f & 0xFF);
    for (quint16 f : melody)
        c += char(f >> 8);
    c += QByteArray(2, '\0'); // timer, index
    return c;
}

QByteArray psidHeader(const QByteArray &magic, const QByteArray &title, int songs, int startSong,
                      int play)
{
    QByteArray out(kPsidHeaderSize, '\0');
    out.replace(0, 4, magic);
    qToBigEndian<quint16>(2, out.data() + 4);               // version
    qToBigEndian<quint16>(kPsidHeaderSize, out.data() + 6); // data offset
    qToBigEndian<quint16>(0, out.data() + 8);               // load address in the data
    qToBigEndian<quint16>(kLoad, out.data() + 0x0A);        // init
    qToBigEndian<quint16>(quint16(play), out.data() + 0x0C);
    qToBigEndian<quint16>(quint16(songs), out.data() + 0x0E);
    qToBigEndian<quint16>(quint16(startSong), out.data() + 0x10);
    qToBigEndian<quint32>(0, out.data() + 0x12); // speed: vertical blank
    putText(out, 0x16, title, 31);
    qToBigEndian<quint16>(0x0014, out.data() + 0x76); // PAL, 6581
    return out;
}

// A four-channel "M.K." header with one looped 32-byte square-wave instrument.
QByteArray modHeader(const QByteArray &title, const QList<char> &orders)
{
    QByteArray out(kModHeaderSize, '\0');
    putText(out, 0, title, 20);
    for (int s = 0; s < 31; ++s) {
        const int at = 20 + 30 * s;
        if (s == 0) {
            putText(out, at, "square", 22);
            qToBigEndian<quint16>(kSquareWords, out.data() + at + 22);
            out[at + 25] = 48; // volume
            qToBigEndian<quint16>(0, out.data() + at + 26);
            qToBigEndian<quint16>(kSquareWords, out.data() + at + 28);
        } else {
            qToBigEndian<quint16>(1, out.data() + at + 28); // no loop
        }
    }
    out[950] = char(orders.size());
    out[951] = char(127);
    for (int i = 0; i < orders.size(); ++i)
        out[952 + i] = orders[i];
    out.replace(1080, 4, "M.K.");
    return out;
}

QByteArray squareSample()
{
    QByteArray sample(kSquareWords * 2, '\0');
    for (int i = 2; i < sample.size(); ++i)
        sample[i] = char(i < sample.size() / 2 + 1 ? 64 : -64);
    return sample;
}

} // namespace

QByteArray makePsid(const QByteArray &title, const QByteArray &author, const QByteArray &released,
                    quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<quint16> melody;
    const int length = 16 + int(rng.bounded(3)) * 8;
    int step = int(rng.bounded(7));
    for (int i = 0; i < length; ++i) {
        step = qBound(0, step + int(rng.bounded(5)) - 2, 13);
        melody.append(kSidNotes[kScale[step % 7] + 12 * (step / 7)]);
    }

    QByteArray out = psidHeader("PSID", title, 1, 1, kLoad + 3);
    putText(out, 0x36, author, 31);
    putText(out, 0x56, released, 31);
    out += char(kLoad & 0xFF);
    out += char(kLoad >> 8);
    out += psidCode(melody);
    return out;
}

QByteArray makeMod(const QByteArray &title, quint32 seed)
{
    QRandomGenerator rng(seed);
    constexpr int kPatterns = 2;
    QByteArray out = modHeader(title, {0, 1, 0});

    int step = int(rng.bounded(7));
    for (int p = 0; p < kPatterns; ++p) {
        QByteArray pattern(64 * 4 * 4, '\0');
        for (int row = 0; row < 64; ++row) {
            auto note = [&](int channel, int period) {
                const int at = (row * 4 + channel) * 4;
                pattern[at] = char((period >> 8) & 0x0F); // sample 1: high nibble 0
                pattern[at + 1] = char(period & 0xFF);
                pattern[at + 2] = char(1 << 4);
                pattern[at + 3] = 0;
            };
            if (row % 2 == 0) {
                step = qBound(0, step + int(rng.bounded(5)) - 2, 13);
                note(0, kPeriods[12 + kScale[step % 7] + 12 * (step / 7)]);
            }
            if (row % 8 == 0)
                note(1, kPeriods[kScale[(p * 3 + row / 8) % 7]]);
        }
        out += pattern;
    }
    return out + squareSample();
}

QByteArray makeToneMod(const QByteArray &title, int period)
{
    QByteArray out = modHeader(title, {0});
    QByteArray pattern(64 * 4 * 4, '\0');
    pattern[0] = char((period >> 8) & 0x0F);
    pattern[1] = char(period & 0xFF);
    pattern[2] = char(1 << 4); // sample 1
    return out + pattern + squareSample();
}

QByteArray makeTonePsid(const QList<quint16> &frequencies, int startSong, const QByteArray &magic)
{
    const int n = int(frequencies.size());
    QByteArray out = psidHeader(magic, "Tones", n, startSong, magic == "RSID" ? 0 : kLoad + 3);
    const int init = kLoad + 6;
    const int play = init + 34;
    const int lo = play + 1;
    const int hi = lo + n;
    QByteArray c;
    auto put = [&c](std::initializer_list<int> bytes) {
        for (int b : bytes)
            c.append(char(b & 0xFF));
    };
    auto absolute = [&put](int opcode, int addr) { put({opcode, addr, addr >> 8}); };
    put({kLoad, kLoad >> 8}); // load address
    absolute(0x4C, init);     // JMP init
    absolute(0x4C, play);     // JMP play
    put({0xAA});              // init: TAX (the subtune)
    absolute(0xBD, lo);       // LDA lo,X
    absolute(0x8D, 0xD400);
    absolute(0xBD, hi); // LDA hi,X
    absolute(0x8D, 0xD401);
    // Full volume, no attack or decay, full sustain, triangle with the gate on.
    for (const auto &[value, reg] : {std::pair{0x0F, 0xD418}, std::pair{0x00, 0xD405},
                                     std::pair{0xF0, 0xD406}, std::pair{0x11, 0xD404}}) {
        put({0xA9, value});
        absolute(0x8D, reg);
    }
    put({0x60, 0x60}); // RTS; play: RTS
    Q_ASSERT(c.size() == 2 + lo - kLoad);
    for (quint16 f : frequencies)
        put({f});
    for (quint16 f : frequencies)
        put({f >> 8});
    return out + c;
}

} // namespace sampledata
