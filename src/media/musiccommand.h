#pragma once

#include "game.h"
#include "launcher.h"
#include "result.h"

#include <QString>

class CatalogueStore;

// What the sound player windows and "--play-music" share: the configured players, a game's
// song, the caption of a player's button and the command that plays a file.
namespace music
{

struct GameMusic {
    QString title;
    QString song;
    QString player1;
    QString player2;
};

// The configured players and the game's title and song. A game that is gone has neither
// title nor song: only a catalogue that cannot be read is a failure.
Result<GameMusic> readGameMusic(const CatalogueStore &store, GameId id);

// The file name without its folder and without a final extension ("winamp.exe" gives
// "winamp"). Players on Linux often have no extension, so only a short suffix after the
// last dot that holds a letter counts as one: "sidplay2" and "vlc-3.0" stay whole.
// Both separators count, as stored paths may come from either system.
QString programName(const QString &path);

// The button caption of a configured player: programName, or the whole path when that is
// empty (a path that ends in a separator).
QString playerCaption(const QString &path);

// The player started minimized on the short form of file, given as one argument; the
// argument is empty when the file does not exist.
Command playCommand(const QString &player, const QString &file);

} // namespace music
