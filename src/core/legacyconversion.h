#pragma once

#include "legacyreader.h"
#include "result.h"

#include <QString>

class Progress;

namespace legacy
{

// Writes a new catalogue at target holding every game (ids kept, so the order stays) and
// the configuration record of the legacy Jet catalogue jetFile, which is only read. Fails
// when target exists; target appears complete or not at all. Work files go into a private
// folder under tempDir.
[[nodiscard]] Outcome convertCatalogue(const QString &jetFile, const QString &target,
                                       const QString &tempDir, const ReaderRun &run = {});

// The same for a BackgroundJob: the games read so far go to progress, which may stop it.
Outcome convertCatalogue(const QString &jetFile, const QString &target, const QString &tempDir,
                         Progress &progress);

} // namespace legacy
