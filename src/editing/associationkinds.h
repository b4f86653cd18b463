#pragma once

#include <QString>
#include <QStringList>

// What the association editor attaches for each assocmode: which games it lists, which
// columns "OK" writes, and from which boxes of which opening window.
struct AssociationKind {
    enum class Lamp { None, Game, Music };

    QString mode;
    QString prefix;          // formato prefix of the listed games
    QStringList columns;     // written in this order ...
    QString sourceWindow;    // ... from the boxes of this window
    QStringList sourceBoxes; // one box per column
    Lamp lamp = Lamp::None;

    bool known() const { return !columns.isEmpty(); }
};

// The kind for assocmode; an unknown word lists every game and writes nothing.
AssociationKind associationKind(const QString &assocmode);
