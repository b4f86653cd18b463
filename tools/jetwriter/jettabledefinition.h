#pragma once

#include "jettable.h"

#include <QByteArray>

// The facts a table definition page holds beside the columns.
struct JetTableFacts {
    quint32 rows = 0;
    quint32 usedPagesMap = 0; // address (page << 8 | row) of the map of the table's data pages
    quint32 freePagesMap = 0;
    bool system = false;
};

// A one-page Jet 4 table definition without indexes: the header, a 25-byte entry per
// column, then the column names.
QByteArray jetTableDefinition(const JetTable &table, const JetTableFacts &facts);

// A page map kept inline in a row: its kind (0), the first page, then a bit per page.
QByteArray jetUsageMap(const QList<quint32> &pages);
