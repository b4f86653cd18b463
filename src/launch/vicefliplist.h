#pragma once

#include "result.h"

#include <QByteArray>
#include <QStringList>

class RuntimeFolder;

// VICE's list of the disks that its "flip" key turns through in drive 8: its header line,
// the unit, then one image path a line.
QByteArray viceFliplist(const QStringList &disks);

// Writes the list as "vantrel.vfl" in the folder and gives its path. A path holding a line
// break, which would split into two entries, is refused by name.
Result<QString> writeViceFliplist(const QStringList &disks, const RuntimeFolder &folder);
