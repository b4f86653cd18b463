#pragma once

#include "amigalinerules.h"

struct Configuration;
struct Game;

// The program configured for an Amiga slot; empty when none is.
QString amigaExecutable(const Configuration &configuration, AmigaEmulator emulator);

// A game's disks in the drives DF0 to DF3.
AmigaDrives amigaDrives(const Game &game);
