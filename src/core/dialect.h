#pragma once

#include "result.h"

#include <QString>
#include <QStringView>

struct sqlite3;

namespace catalogue
{

// The legacy wildcard language: * any run, ? one character, # one digit,
// [abc] [a-z] [!abc] one character of (or not of) a set. Letter case is ignored for every
// letter Qt can fold, and so are accents and ligatures: "senor" finds "Señor", "château"
// finds "Chateau", "coeur" finds "Cœur" (a ligature counts as its letters, also for "?").
// An unbalanced "[" stands for itself. Compiling is linear in the pattern's length, and
// matching costs at most n * ceil(m / 64) steps for a text of n and a pattern of m
// characters, whatever they hold.
bool legacyLike(QStringView pattern, QStringView text);

// Case-blind three-way comparison of two UTF-8 texts, as the NOCASE collation sees them.
// Accents and ligatures count here: equality and order never take two titles for one.
int foldedCompare(const char *a, int lengthA, const char *b, int lengthB);

// Installs "like" (the wildcard language above) and the folding NOCASE collation on one
// SQLite connection.
[[nodiscard]] Outcome registerDialect(sqlite3 *db);

} // namespace catalogue
