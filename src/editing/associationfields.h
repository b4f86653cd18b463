#pragma once

#include "game.h"
#include "windowrequests.h"

#include <QList>
#include <QString>

// What the association editor lists and writes for one kind: the games whose machine
// begins with machinePrefix, and the fields its files go to, in the request's order.
struct AssociationFields {
    QString machinePrefix;
    QList<Game::Field> fields;
};

AssociationFields associationFields(AssociationKind kind);
