#pragma once

#include "launcher.h"

#include <QSqlDatabase>
#include <QString>

namespace browser
{

// Which catalogue player "PLAY" opens for a format code (case-blind).
enum class PlayTarget { None, C64, Amiga };
PlayTarget playTarget(const QString &formato);

// The chooser's start folders follow the machine: a formato beginning with "C" is the C64
// family, anything else the Amiga.
bool usesC64Folders(const QString &formato);

// Deletes one game with a bound statement in its own write transaction. False (and
// *error) when the catalogue refuses or no such game exists: nothing was deleted.
bool deleteGame(const QSqlDatabase &db, int id, QString *error = nullptr);

// The utility beside the program, told which catalogue to work on.
Command merrowCommand(const QString &programDir, const QString &catalogue);

// The news file of this version, in the folder of the shipped files.
QString newsFile(const QString &sharedFolder);

} // namespace browser
