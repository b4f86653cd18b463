#pragma once

#include <QByteArray>
#include <QList>

namespace sampledata
{

constexpr int kPsidHeaderSize = 0x7C;
constexpr int kModHeaderSize = 1084;

// A version 2 PSID tune: header with the three text fields (each at most 31 bytes, cut
// beyond) and a small 6502 player at $1000 (init $1000, play $1003, called 50 times a
// second) that loops a melody chosen by the seed on the first voice.
QByteArray makePsid(const QByteArray &title, const QByteArray &author, const QByteArray &released,
                    quint32 seed);

// A four-channel module ("M.K."): title (at most 20 bytes), one looped square-wave
// instrument and two patterns of a melody and a bass line chosen by the seed.
QByteArray makeMod(const QByteArray &title, quint32 seed);

// Test tones: a PSID (or, with magic "RSID", a tune for the real C64) whose subtune N holds
// the first voice on the SID frequency value frequencies[N-1] (triangle, full volume).
QByteArray makeTonePsid(const QList<quint16> &frequencies, int startSong,
                        const QByteArray &magic = "PSID");
// A module of one 64-row pattern that holds one note of the given period on the looped
// 32-byte square instrument: a tone of period-clock / (32 * period) Hz.
QByteArray makeToneMod(const QByteArray &title, int period);

} // namespace sampledata
