#pragma once

#include "jetcatalogue.h"
#include "sqliteoutput.h"

#include <string>
#include <vector>

// The catalogue's tables without their indexes: the programs read the file as one from
// elsewhere and copy what they keep.
class CatalogueOutput : public SqliteOutput
{
public:
    // Writes the catalogue's tables into path, a new empty file.
    std::string create(const std::string &path);
    // The table as the file defines it: id first, then every other column.
    std::string shape(const std::string &table, TableShape *shape);
    std::string beginTable(const TableShape &shape);
    // Adds one row of the current table; values in shape order.
    std::string insert(const std::vector<JetValue> &values);
};
