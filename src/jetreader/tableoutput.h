#pragma once

#include "sqliteoutput.h"

#include <string>
#include <vector>

// Plain tables named as the caller asked, in columns without a type, so nothing is converted
// on the way: Jet's byte, integer and long integer values as numbers, every other as text.
// Rows are written kHeldRows at a time, one statement for them all; rows with long texts
// are not held, so the copies stay small.
class TableOutput : public SqliteOutput
{
public:
    static constexpr std::size_t kHeldRows = 32;
    static constexpr std::size_t kHeldBytes = 64 * 1024;

    ~TableOutput();
    std::string create(const std::string &path) { return open(path, {}); }
    // Makes the table and readies the rows of it; names are checked by the caller.
    std::string beginTable(const std::string &name, const std::vector<std::string> &columns);
    // Adds one row of the current table; values in column order.
    std::string insert(const std::vector<JetValue> &values);
    // Writes the rows held back; before the next table begins and before the commit.
    std::string endTable();

private:
    void hold(const std::vector<JetValue> &values, std::size_t bytes);
    std::string writeHeld();
    // Writes the rows held back one by one.
    std::string writeSingly();
    std::string writeRow(const JetValue *values);

    sqlite3_stmt *m_heldInsert = nullptr;
    std::size_t m_columns = 0;
    std::vector<JetValue> m_held;     // the rows held back, one after the other
    std::vector<std::string> m_texts; // their texts: the reader reuses its buffers
    std::size_t m_heldBytes = 0;
};
