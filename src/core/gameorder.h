#pragma once

#include "game.h"
#include "gamequery.h"

#include <QStringView>

#include <optional>
#include <vector>

// The orders of the game list, over rows given in title order (as the store lists them):
// by the key, ties kept in title order, empty values last whichever way. A year, a
// publisher, a genre or a machine compares as the catalogue's folding does; played and
// plays put the newest and the most played first, and descending reverses that.
class GameOrder
{
public:
    // "title", "year", "publisher", "machine", "genre", "played" or "plays".
    static std::optional<GameSort> fromKey(QStringView key);

    // The rows' positions in this order.
    static std::vector<quint32> positions(const QList<GameSummary> &rows, GameSort sort,
                                          bool descending);
    // Puts title-ordered rows into this order.
    static void sort(QList<GameSummary> &rows, GameSort sort, bool descending = false);
};
