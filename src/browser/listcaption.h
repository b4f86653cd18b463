#pragma once

#include "gamequery.h"

#include <QString>

namespace browser
{

// The list a filter and a search ask for, as "No record found for " names it: the search
// text, then in parentheses the boxes that narrow the list; the boxes alone without a
// search; "C64, Amiga" when nothing narrows it.
QString listCaption(const GameFilter &filter, const QString &search);

} // namespace browser
