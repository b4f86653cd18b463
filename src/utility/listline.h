#pragma once

#include <QString>

namespace merrow
{

// The five-character column that starts every game line of the import lists. A format
// outside the known six shows its own first five characters, blank-padded.
QString abbreviation(const QString &machine);

// Abbreviation, one blank, the title as stored (a Null title is listed as empty).
QString listLine(const QString &machine, const QString &title);

} // namespace merrow
