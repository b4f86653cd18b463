#pragma once

#include "jetwriter.h"

// A GameBase-shaped set of invented games. The first games are the cases an import must
// get right ("Title, The", a repeated title, unknown year and publisher, an uncategorised
// genre, a long note, a favourite played three times); the rest are generated, cycling
// through the lookup tables.
struct GameBaseOptions {
    QString version = QStringLiteral("2.8"); // 2.5 lacks Artists and Developers
    int release = 1; // release 2 renames game 1 and adds game 4 (Amiga disks)
    int games = 3;   // in all, at least the first ones; then invented games from id 5
};

QList<JetTable> gameBaseTables(const GameBaseOptions &options);

// Writes the set to path as a Jet 4 file; an empty image where it cannot be written.
JetImage writeGameBase(const QString &path, const GameBaseOptions &options);
