#pragma once

#include "sqliteoutput.h"

#include <string>
#include <vector>

// Plain tables named as the caller asked, in columns without a type, so nothing is converted
// on the way: Jet's byte, integer and long integer values as numbers, every other as text.
class TableOutput : public SqliteOutput
{
public:
    std::string create(const std::string &path) { return open(path, {}); }
    // Makes the table and readies the rows of it; names are checked by the caller.
    std::string beginTable(const std::string &name, const std::vector<std::string> &columns);
    // Adds one row of the current table; values in column order.
    std::string insert(const std::vector<JetValue> &values);
};
