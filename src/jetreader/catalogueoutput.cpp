#include "catalogueoutput.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>

namespace
{

const char kSchemaSql[] =
#include "schema_sql.inc"
    ;

// Jet's ids are whole numbers; anything else in the id column is a damaged row.
bool parseId(const char *text, sqlite3_int64 *id)
{
    if (!text)
        return false;
    errno = 0;
    char *end = nullptr;
    *id = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0';
}

} // namespace

CatalogueOutput::~CatalogueOutput()
{
    finishStatement();
    sqlite3_close(m_db);
}

void CatalogueOutput::finishStatement()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
}

std::string CatalogueOutput::error(const std::string &doing) const
{
    return "cannot " + doing + ": " + sqlite3_errmsg(m_db);
}

std::string CatalogueOutput::create(const std::string &path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK)
        return error("create " + path);
    sqlite3_extended_result_codes(m_db, 1);
    // The output is worthless until complete: no journal, no syncs.
    if (sqlite3_exec(m_db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr,
                     nullptr) != SQLITE_OK ||
        sqlite3_exec(m_db, kSchemaSql, nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("write the tables");
    // The indexes belong to the programs' own collation, which a plain SQLite lacks.
    if (sqlite3_exec(m_db, "DROP INDEX IF EXISTS tabella1_titolo_formato; BEGIN", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return error("start writing");
    return {};
}

std::string CatalogueOutput::shape(const std::string &table, TableShape *shape)
{
    shape->name = table;
    shape->columns.clear();
    sqlite3_stmt *info = nullptr;
    if (sqlite3_prepare_v2(m_db, "select name from pragma_table_info(?) order by cid", -1, &info,
                           nullptr) != SQLITE_OK)
        return error("read the columns of " + table);
    sqlite3_bind_text(info, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(info) == SQLITE_ROW)
        shape->columns.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(info, 0)));
    sqlite3_finalize(info);
    if (shape->columns.empty() || shape->columns.front() != "id")
        return "the table " + table + " has an unexpected shape";
    return {};
}

std::string CatalogueOutput::beginTable(const TableShape &shape)
{
    finishStatement();
    m_shape = shape;
    m_row = 0;
    std::string columns, marks;
    for (const std::string &column : shape.columns) {
        columns += (columns.empty() ? "" : ", ") + column;
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string sql =
        "insert into " + shape.name + " (" + columns + ") values (" + marks + ")";
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) != SQLITE_OK)
        return error("prepare " + shape.name);
    return {};
}

std::string CatalogueOutput::insert(const std::vector<const char *> &values)
{
    ++m_row;
    sqlite3_int64 id = 0;
    if (!parseId(values.front(), &id))
        return "row " + std::to_string(m_row) + " of " + m_shape.name + " has no usable id";
    sqlite3_reset(m_insert);
    sqlite3_bind_int64(m_insert, 1, id);
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i])
            sqlite3_bind_text(m_insert, int(i) + 1, values[i], -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(m_insert, int(i) + 1);
    const int rc = sqlite3_step(m_insert);
    if (rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return "the id " + std::to_string(id) + " appears twice in " + m_shape.name;
    if (rc != SQLITE_DONE)
        return error("write row " + std::to_string(m_row) + " of " + m_shape.name);
    return {};
}

std::string CatalogueOutput::commit()
{
    finishStatement();
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("finish the file");
    if (sqlite3_close(m_db) != SQLITE_OK)
        return error("close the file");
    m_db = nullptr;
    return {};
}
