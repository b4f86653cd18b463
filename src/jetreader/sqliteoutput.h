#pragma once

#include "jetcatalogue.h"

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A fresh SQLite file the reader fills in one transaction without a journal: until commit()
// succeeds the file is partial, and whoever made it removes it. The outputs add what their
// tables look like.
class SqliteOutput
{
public:
    std::string commit();

protected:
    SqliteOutput() = default;
    ~SqliteOutput();
    SqliteOutput(const SqliteOutput &) = delete;
    SqliteOutput &operator=(const SqliteOutput &) = delete;

    // Creates path; setup runs before the transaction begins.
    std::string open(const std::string &path, const std::string &setup);
    // Readies the rows of table through sql, an insert with one mark a value.
    std::string prepareInsert(const std::string &table, const std::string &sql);
    // Starts the next row: the insert, reset, for the caller to bind what comes before first.
    sqlite3_stmt *nextRow();
    // Binds values from first on, numbers as numbers, and runs the insert.
    int insertRow(const std::vector<JetValue> &values, std::size_t first = 0);
    // Binds count values to statement's marks from the first on, and runs it.
    static int bindAndStep(sqlite3_stmt *statement, const JetValue *values, std::size_t count,
                           std::size_t first = 0);
    // Counts rows written other than through nextRow(), for the messages.
    void countRows(std::size_t rows) { m_row += std::int64_t(rows); }
    std::string error(const std::string &doing) const;
    std::string rowError() const;

    sqlite3 *db() const { return m_db; }
    std::int64_t row() const { return m_row; }
    const std::string &table() const { return m_table; }

private:
    void finishStatement();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    std::string m_table;
    std::int64_t m_row = 0;
};
