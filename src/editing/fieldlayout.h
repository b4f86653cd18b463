#pragma once

#include "game.h"
#include "windowrequests.h"

#include <QList>
#include <QString>

#include <optional>

// How the field editor shows one field: its caption, and the label and field of each box
// (a credit also has its "Additional" companion).
struct FieldLayout {
    QString caption;
    QString firstLabel;
    Game::Field first = Game::Field::Title;
    QString secondLabel; // empty for a single field
    std::optional<Game::Field> second;

    bool isPair() const { return second.has_value(); }
    // The fields the editor shows and writes.
    QList<Game::Field> fields() const;
};

FieldLayout fieldLayout(GameField field);
