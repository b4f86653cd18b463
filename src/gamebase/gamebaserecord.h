#pragma once

#include <QList>
#include <QString>

// One game of a GameBase-format database with its lookups resolved, as the file has it:
// texts unconverted, paths relative and with backslashes.
struct GameBaseRecord {
    qint64 id = 0; // GA_Id: the set's own key of the game
    QString name;
    QString year;
    QString publisher;
    QString developer;
    QString genre;
    QString parentGenre;
    QString programmer;
    QString artist;
    QString musician;
    QString cracker;
    QString filename;
    QString fileToRun;
    QString filenameIndex;
    QString screenshot;
    QString sid;
    QString memo;
    QString comment;
    int rating = 0;
    bool favourite = false;
    int timesPlayed = 0;
    QString lastPlayed;
};

// A whole GameBase database: its format version ("2.8") and games, in key order.
struct GameBaseSet {
    QString version;
    QList<GameBaseRecord> games;
};
