#pragma once

#include "game.h"

#include <QList>

// Sorts list rows as "order by title" does under the catalogue's case folding: Null titles
// first, equal titles in their given order.
void sortByTitle(QList<GameSummary> &rows);
