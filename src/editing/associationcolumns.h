#pragma once

#include "windowrequests.h"

#include <QString>
#include <QStringList>

// What the association editor lists and writes for one kind: the games whose machine
// begins with machinePrefix, and the columns its files go to, in the request's order.
struct AssociationColumns {
    QString machinePrefix;
    QStringList columns;
};

AssociationColumns associationColumns(AssociationKind kind);
