#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace catalogue
{

// The legacy wildcard language: * any run, ? one character, # one digit,
// [abc] [a-z] [!abc] one character of (or not of) a set. Letter case is ignored for every
// letter Qt can fold. An unbalanced "[" stands for itself.
bool legacyLike(QStringView pattern, QStringView text);

// Case-blind three-way comparison of two UTF-8 texts, as the NOCASE collation sees them.
int foldedCompare(const char *a, int lengthA, const char *b, int lengthB);

// Installs "like" and the folding NOCASE collation on one SQLite connection.
bool registerDialect(sqlite3 *db, QString *error);

} // namespace catalogue
