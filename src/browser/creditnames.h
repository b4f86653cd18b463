#pragma once

#include <QString>
#include <QStringList>

namespace browser
{

// The line between a role's names and its additional names in a credit list.
inline const QString kAdditionalSeparator = QStringLiteral("----------- Additional -----------");

// Removes at most one blank at the start, then at most one at the end.
void trimOneBlank(QString &name);

// The names of a stored credit text. A name ends at "," or "&" or the end of the text;
// the one character after a separator is skipped (the blank of the stored form), so
// "A,B" gives "A" and "". Each name passes through trimOneBlank.
QStringList splitCredits(const QString &text);

// The entries of one credit list: nothing when the main text is empty; otherwise its
// names, then, when the additional text is not empty, an empty entry, the separator line
// and the additional names.
QStringList creditEntries(const QString &main, const QString &additional);

} // namespace browser
