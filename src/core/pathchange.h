#pragma once

#include "configuration.h"
#include "game.h"

#include <QString>

// One stored path that moves: a game's file or the configuration's folder.
struct PathChange {
    GameId game = 0; // 0: the configuration
    Game::Field field = Game::Field::GameFile;
    Configuration::Path folder = Configuration::Path::C64Games;
    int disk = -1; // from 0: the game's further disk at that place, not a field
    QString oldPath;
    QString newPath;

    bool isConfiguration() const { return game == 0; }
};
