#pragma once

#include "game.h"
#include "launcher.h"

#include <QSqlDatabase>

// Starts a catalogue game's program through another launcher and, once it has started,
// counts the play: a start is known to succeed here and nowhere earlier. Game 0 (a file
// from outside the catalogue) counts nothing. A play that cannot be written, as in a
// read-only catalogue, is logged only: the game runs all the same.
class PlayCountingLauncher : public Launcher
{
public:
    PlayCountingLauncher(Launcher &launcher, QSqlDatabase db, GameId game);

    Outcome start(const Command &command) override;
    Outcome openDocument(const QString &path) override;

private:
    Launcher &m_launcher;
    QSqlDatabase m_db;
    GameId m_game;
};
