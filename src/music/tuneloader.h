#pragma once

#include "result.h"
#include "tune.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace music
{

// The largest file taken for a tune: modules with samples stay well below.
constexpr qint64 kMaxTuneSize = 64 * 1024 * 1024;

// A SID (PSID/RSID) or a module file, with song lengths and STIL from HVSC when found.
Result<std::unique_ptr<Tune>> loadTune(const QString &path, const MusicSources &sources);
// The same from bytes already read; path (may be empty) only locates HVSC.
Result<std::unique_ptr<Tune>> loadTune(const QByteArray &data, const QString &path,
                                       const MusicSources &sources);

} // namespace music
