#pragma once

#include "game.h"
#include "gameentry.h"

#include <QStringList>

// Where a set's game starts, when its game file holds more than the set's loader picks by
// itself: the image inside the archive, and the program in that image's directory.
struct GameStart {
    QString image;    // the archive entry's name, as the set gives it; empty: the first image
    int program = -1; // the row of the image's directory listing; -1: none chosen
    bool isEmpty() const { return image.isEmpty() && program < 0; }
    bool operator==(const GameStart &) const = default;
};

// A game of a set that a community database describes, by the key the set gives it.
struct SetGame {
    qint64 key = 0;
    GameEntry entry;
    GameStart start;
    // The history the set's own program kept: taken only when the game is new here, as the
    // collector's own history wins afterwards.
    PersonalData personal;
};

// What bringing a set's games in did (or, when not kept, would do).
struct SetImport {
    qint64 added = 0;
    qint64 updated = 0;
    qint64 unchanged = 0;
    QStringList conflicts; // titles of the games the collector changed since: left alone
    bool cancelled = false;
};

// A set's games as the store reads them: strictly in order, each once, while whoever makes
// them may still be at work on the later ones.
class SetGameFeed
{
public:
    virtual ~SetGameFeed() = default;
    virtual qsizetype size() const = 0;
    // Known before the game itself: the store sorts new from known games first.
    virtual qint64 key(qsizetype i) const = 0;
    // May wait until game i is made; stays valid as long as the feed.
    virtual const SetGame &at(qsizetype i) = 0;
};
