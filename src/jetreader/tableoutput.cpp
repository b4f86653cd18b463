#include "tableoutput.h"

#include <sqlite3.h>

TableOutput::~TableOutput()
{
    finishStatement();
    sqlite3_close(m_db);
}

void TableOutput::finishStatement()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
}

std::string TableOutput::error(const std::string &doing) const
{
    return "cannot " + doing + ": " + sqlite3_errmsg(m_db);
}

std::string TableOutput::create(const std::string &path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK)
        return error("create " + path);
    // The output is worthless until complete: no journal, no syncs.
    if (sqlite3_exec(m_db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN", nullptr,
                     nullptr, nullptr) != SQLITE_OK)
        return error("start writing");
    return {};
}

std::string TableOutput::beginTable(const std::string &name,
                                    const std::vector<std::string> &columns)
{
    finishStatement();
    m_table = name;
    m_row = 0;
    std::string list, marks;
    for (const std::string &column : columns) {
        list += (list.empty() ? "\"" : ", \"") + column + '"';
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string create = "create table \"" + name + "\" (" + list + ")";
    if (sqlite3_exec(m_db, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("write the table " + name);
    const std::string sql = "insert into \"" + name + "\" values (" + marks + ")";
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) != SQLITE_OK)
        return error("prepare " + name);
    return {};
}

std::string TableOutput::insert(const std::vector<const char *> &values)
{
    ++m_row;
    sqlite3_reset(m_insert);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i])
            sqlite3_bind_text(m_insert, int(i) + 1, values[i], -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(m_insert, int(i) + 1);
    if (sqlite3_step(m_insert) != SQLITE_DONE)
        return error("write row " + std::to_string(m_row) + " of " + m_table);
    return {};
}

std::string TableOutput::commit()
{
    finishStatement();
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("finish the file");
    if (sqlite3_close(m_db) != SQLITE_OK)
        return error("close the file");
    m_db = nullptr;
    return {};
}
