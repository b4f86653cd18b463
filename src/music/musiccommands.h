#pragma once

#include "progress.h"
#include "result.h"
#include "tuneinfo.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace music
{

// "m:ss", seconds cut.
QString formatLength(int ms);

// The lines `--music-info` prints: title, author, released, subtunes, start, and the length
// of each subtune whose length is known.
QStringList musicInfoLines(const TuneInfo &info);
Result<QStringList> musicInfoLines(const QString &tunePath, const MusicSources &sources);

// Refuses a subtune the tune does not have; subtunes count from 1.
Outcome checkSubtune(const TuneInfo &info, const QString &tunePath, int subtune);

struct WavRequest {
    QString tunePath;
    QString wavPath;
    std::optional<int> subtune; // from 1; the start subtune when absent
    std::optional<int> seconds; // else the song length, else kDefaultSeconds
};
constexpr int kDefaultWavSeconds = 180;

// Renders a subtune into a 16-bit stereo WAV file. On any failure no file is left behind.
Outcome renderWav(const WavRequest &request, const MusicSources &sources,
                  Progress &progress = Progress::none());

} // namespace music
