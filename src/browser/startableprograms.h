#pragma once

#include <QSqlDatabase>
#include <QStringList>

namespace browser
{

// The emulators and players of the configuration record that can be started on this
// system, one line for each kind that has any: "C64: x64sc", "Amiga: fs-uae", "Music:
// sidplayfp, xmp", each program by its file name. A path that is no executable file, and
// a bare name that is not on PATH, are left out. *error is set when the record cannot be
// read.
QStringList startablePrograms(const QSqlDatabase &db, QString *error = nullptr);

} // namespace browser
