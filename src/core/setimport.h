#pragma once

#include "gameentry.h"

#include <QStringList>

// A game of a set that a community database describes, by the key the set gives it.
struct SetGame {
    qint64 key = 0;
    GameEntry entry;
};

// What bringing a set's games in did (or, when not kept, would do).
struct SetImport {
    qint64 added = 0;
    qint64 updated = 0;
    qint64 unchanged = 0;
    QStringList conflicts; // titles of the games the collector changed since: left alone
    bool cancelled = false;
};
