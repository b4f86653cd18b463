#pragma once

#include "jettable.h"

// Where a column's values lie in a row: fixed-size values at an offset of the fixed part,
// the others by their number in the row's table of variable values.
struct JetColumnPlace {
    bool fixed = false;
    int offset = 0;   // into the fixed part
    int varIndex = 0; // among the variable columns
    int size = 0;     // bytes of a fixed value, the most bytes of a text
};

QList<JetColumnPlace> placeColumns(const QList<JetColumn> &columns);
