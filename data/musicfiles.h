#pragma once

#include <QByteArray>

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

} // namespace sampledata
