#pragma once

#include "game.h"
#include "result.h"

#include <QSqlDatabase>
#include <QStringList>

#include <optional>

namespace merrow
{

struct GameDiff {
    bool isNew = false; // no local game with its title and machine
    QStringList lines;  // one a compared field that differs, in the order shown
};

// The 14 compared fields with their 11-character labels, in the order they are shown.
struct ComparedField {
    Game::Field field;
    const char *label;
};
const QList<ComparedField> &comparedFields();

// "label: local -> export", with a value that is not set written as "EMPTY"; nothing when
// both sides read the same.
std::optional<QString> diffLine(const QString &label, const QString &local,
                                const QString &exported);

// Compares the export game exportId with the local game of the same title and machine
// (letter case aside; the first one when several match).
Result<GameDiff> compareGame(const QSqlDatabase &local, const QSqlDatabase &exportDb,
                             GameId exportId);

} // namespace merrow
