#pragma once

#include "launcher.h"

#include <QString>

namespace browser
{

// Which catalogue player "PLAY" opens for a machine code (case-blind).
enum class PlayTarget { None, C64, Amiga };
PlayTarget playTarget(const QString &machine);

// The chooser's start folders follow the machine: a code beginning with "C" is the C64
// family, anything else the Amiga.
bool usesC64Folders(const QString &machine);

// The utility beside the program, told which catalogue to work on.
Command merrowCommand(const QString &programDir, const QString &catalogue);

// The news file of this version, in the folder of the shipped files.
QString newsFile(const QString &sharedFolder);

} // namespace browser
