#pragma once

#include "game.h"

#include <QStringList>

// A game to add together with the disks of its set beyond what the game's own fields hold
// (disk 2 on of a C64 game, disk 5 on of an Amiga game).
struct GameEntry {
    Game game;
    QStringList moreDisks;
};
