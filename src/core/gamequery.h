#pragma once

#include <QString>

// Which games the list shows: the main window's four boxes and its search text.
struct GameFilter {
    bool c64 = true;
    bool amiga = true;
    bool playable = false; // a game file is set
    bool sound = false;    // a music file is set
    // With both machines: also the games whose machine is none of the six codes (from an
    // import or an older catalogue), so that the window can always reach them.
    bool anyCode = false;
    bool favourites = false; // only the collector's favourites
    bool recent = false;     // only played games, most recent first
    bool operator==(const GameFilter &) const = default;
};

// The orders the list offers. Ties go by title, and empty values sort last.
// Favourite: the favourites first (the list's star column).
enum class GameSort { Title, Year, Publisher, Machine, Genre, Played, Plays, Favourite };

// A search text in the catalogue's syntax: wildcards "*", "?", "#", "[..]", "[!..]",
// case- and accent-blind, and at most one "+" that joins two searches.
struct GameQuery {
    GameFilter filter;
    QString search;
    GameSort sort = GameSort::Title;
    bool descending = false;
    bool operator==(const GameQuery &) const = default;
};
