#pragma once

#include <QString>

class QIODevice;

namespace browser
{

// What `vantrel --list` was asked for. With neither machine option both are on, and with
// both every game is listed, also one whose code names neither machine.
struct ListingRequest {
    bool c64 = false;
    bool amiga = false;
    bool playable = false;
    bool sound = false;
    QString find; // empty: no search
    QString sort; // a GameOrder key; empty: by title
    bool favourites = false;
    bool recent = false; // played games only, the most recent first
};

// Prints the games the main window's list would show for these boxes and this search,
// one "id<TAB>title" line each (UTF-8), in list order. Returns the exit status: 0 when
// something was listed, 1 when nothing matches ("No record found for " and what was asked
// for on err, as the window says it), 2 when the catalogue cannot be read or the sort key
// is unknown.
int listGames(const QString &cataloguePath, const ListingRequest &request, QIODevice &out,
              QIODevice &err);

} // namespace browser
