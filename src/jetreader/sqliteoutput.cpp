#include "sqliteoutput.h"

#include <sqlite3.h>

SqliteOutput::~SqliteOutput()
{
    finishStatement();
    sqlite3_close(m_db);
}

void SqliteOutput::finishStatement()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
}

std::string SqliteOutput::error(const std::string &doing) const
{
    return "cannot " + doing + ": " + sqlite3_errmsg(m_db);
}

std::string SqliteOutput::rowError() const
{
    return error("write row " + std::to_string(m_row) + " of " + m_table);
}

std::string SqliteOutput::open(const std::string &path, const std::string &setup)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK)
        return error("create " + path);
    sqlite3_extended_result_codes(m_db, 1);
    // The output is worthless until complete: no journal, no syncs, and its pages kept in
    // memory until the commit writes each once (64 MB, well inside the reader's limits).
    if (sqlite3_exec(m_db,
                     "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                     "PRAGMA cache_size = -65536",
                     nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(m_db, setup.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("write the tables");
    if (sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("start writing");
    return {};
}

std::string SqliteOutput::prepareInsert(const std::string &table, const std::string &sql)
{
    finishStatement();
    m_table = table;
    m_row = 0;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) != SQLITE_OK)
        return error("prepare " + table);
    return {};
}

sqlite3_stmt *SqliteOutput::nextRow()
{
    ++m_row;
    sqlite3_reset(m_insert);
    return m_insert;
}

int SqliteOutput::insertRow(const std::vector<JetValue> &values, std::size_t first)
{
    return bindAndStep(m_insert, values.data(), values.size(), first);
}

int SqliteOutput::bindAndStep(sqlite3_stmt *statement, const JetValue *values, std::size_t count,
                              std::size_t first)
{
    for (std::size_t i = first; i < count; ++i) {
        const JetValue &value = values[i];
        const int mark = int(i) + 1;
        switch (value.kind) {
        case JetValue::Kind::Null:
            sqlite3_bind_null(statement, mark);
            break;
        case JetValue::Kind::Integer:
            sqlite3_bind_int64(statement, mark, value.integer);
            break;
        case JetValue::Kind::Text:
            sqlite3_bind_text(statement, mark, value.text, int(value.size), SQLITE_STATIC);
            break;
        }
    }
    return sqlite3_step(statement);
}

std::string SqliteOutput::commit()
{
    finishStatement();
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("finish the file");
    if (sqlite3_close(m_db) != SQLITE_OK)
        return error("close the file");
    m_db = nullptr;
    return {};
}
