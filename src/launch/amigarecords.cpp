#include "amigarecords.h"

#include "configuration.h"
#include "game.h"

QString amigaExecutable(const Configuration &configuration, AmigaEmulator emulator)
{
    return emulator == AmigaEmulator::WinUAE ? configuration.uae : configuration.fellow;
}

AmigaDrives amigaDrives(const Game &game)
{
    return {game.gameFile, game.drive2, game.drive3, game.drive4};
}
