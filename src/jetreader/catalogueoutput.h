#pragma once

#include "jetcatalogue.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The fresh SQLite file the reader writes: the catalogue's tables without their indexes (the
// programs read it as a file from elsewhere and copy what they keep), filled in one
// transaction without a journal: until commit() succeeds the file is partial, and whoever
// made it removes it.
class CatalogueOutput
{
public:
    ~CatalogueOutput();

    // Writes the catalogue's tables into path, a new empty file.
    std::string create(const std::string &path);
    // The table as the file defines it: id first, then every other column.
    std::string shape(const std::string &table, TableShape *shape);
    std::string beginTable(const TableShape &shape);
    // Adds one row of the current table; values in shape order, nullptr for Null.
    std::string insert(const std::vector<const char *> &values);
    std::string commit();

private:
    std::string error(const std::string &doing) const;
    void finishStatement();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    TableShape m_shape;
    std::int64_t m_row = 0;
};
