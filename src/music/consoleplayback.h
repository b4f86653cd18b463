#pragma once

#include "result.h"
#include "tuneinfo.h"

#include <QString>

#include <optional>

class QTextStream;

namespace music
{

// Plays a subtune (the start subtune when absent) on the sound device until its song length
// runs out, or the tune ends, or Ctrl+C; says on out what plays. For a terminal: it runs
// its own event loop.
Outcome playToEnd(const QString &tunePath, std::optional<int> subtune, const MusicSources &sources,
                  QTextStream &out);

} // namespace music
