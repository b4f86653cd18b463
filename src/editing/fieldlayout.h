#pragma once

#include "windowrequests.h"

#include <QString>
#include <QVariantMap>

// How the field editor shows one field: its caption, and the label and column of each box
// (a credit also has its "Additional" companion).
struct FieldLayout {
    QString caption;
    QString firstLabel;
    QString firstColumn;
    QString secondLabel; // empty for a single field
    QString secondColumn;

    bool isPair() const { return !secondColumn.isEmpty(); }
    // The columns to write from the two boxes (the second only for a pair); an empty text
    // is stored as Null.
    QVariantMap values(const QString &first, const QString &second) const;
};

FieldLayout fieldLayout(GameField field);
