#pragma once

#include <QString>
#include <QVariant>

namespace merrow
{

// The five-character column that starts every game line of the import lists. A format
// outside the known six shows its own first five characters, blank-padded.
QString abbreviation(const QVariant &format);

// Abbreviation, one blank, the title as stored (a Null title is listed as empty).
QString listLine(const QVariant &format, const QVariant &title);

} // namespace merrow
