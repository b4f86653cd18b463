#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A fresh SQLite file of plain tables named as the caller asked: every value is text (or
// Null), in columns without a type, so nothing is converted on the way. Filled in one
// transaction without a journal: until commit() succeeds the file is partial, and whoever
// made it removes it.
class TableOutput
{
public:
    ~TableOutput();

    std::string create(const std::string &path);
    // Makes the table and readies the rows of it; names are checked by the caller.
    std::string beginTable(const std::string &name, const std::vector<std::string> &columns);
    // Adds one row of the current table; values in column order, nullptr for Null.
    std::string insert(const std::vector<const char *> &values);
    std::string commit();

private:
    std::string error(const std::string &doing) const;
    void finishStatement();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    std::string m_table;
    std::int64_t m_row = 0;
};
