#pragma once

#include "configuration.h"

#include <QStringList>

namespace browser
{

// The emulators and players of the configuration that can be started on this system, one
// line for each kind that has any: "C64: x64sc", "Amiga: fs-uae", "Music: sidplayfp, xmp",
// each program by its file name. A path that is no executable file, and a bare name that
// is not on PATH, are left out.
QStringList startablePrograms(const Configuration &configuration);

} // namespace browser
