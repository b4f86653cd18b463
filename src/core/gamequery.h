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
    bool operator==(const GameFilter &) const = default;
};

// A search text in the catalogue's syntax: wildcards "*", "?", "#", "[..]", "[!..]",
// case- and accent-blind, and at most one "+" that joins two searches.
struct GameQuery {
    GameFilter filter;
    QString search;
    bool operator==(const GameQuery &) const = default;
};
