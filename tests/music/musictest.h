#pragma once

#include "tune.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The SID value of the test tones' subtunes: 440, 880 and 220 Hz on a PAL C64.
inline const QList<quint16> kToneValues = {7493, 14985, 3746};
constexpr double kPalClock = 985248.0;
inline double sidHertz(quint16 value)
{
    return value * kPalClock / 16777216.0;
}

// Sound as a WAV file holds it: the first channel only.
struct Sound {
    int rate = 0;
    std::vector<qint16> samples;
};

// The pitch in Hz of the sound's second half from its rising crossings of the mean; 0 for
// silence.
double pitchOf(const Sound &sound);
// Renders up to seconds of the tune's current subtune (less when it ends).
Sound render(Tune &tune, double seconds);
// Reads a 16-bit PCM WAV file; an empty Sound when it is not one.
Sound readWav(const QString &path);
// Runs a Debian player to its end (at most 60 s); false when it failed or is missing.
bool runPlayer(const QString &program, const QStringList &arguments);
