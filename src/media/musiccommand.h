#pragma once

#include "launcher.h"

#include <QSqlDatabase>
#include <QString>

// What the two sound player windows share: the players of the configuration record, the
// caption of a player's button and the command that plays a file.
namespace music
{

struct SoundPlayers {
    QString player1;
    QString player2;
};

// player1 and player2 of the first configuration row; both empty when there is none.
SoundPlayers loadPlayers(const QSqlDatabase &db, QString *error);

// The song of the game with this id; empty when it has none or the game is gone.
QString loadSong(const QSqlDatabase &db, int id, QString *error);

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
