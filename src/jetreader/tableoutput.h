#pragma once

#include "sqliteoutput.h"

#include <string>
#include <vector>

// Plain tables named as the caller asked: every value is text (or Null), in columns
// without a type, so nothing is converted on the way.
class TableOutput : public SqliteOutput
{
public:
    std::string create(const std::string &path) { return open(path, {}); }
    // Makes the table and readies the rows of it; names are checked by the caller.
    std::string beginTable(const std::string &name, const std::vector<std::string> &columns);
    // Adds one row of the current table; values in column order, nullptr for Null.
    std::string insert(const std::vector<const char *> &values);
};
