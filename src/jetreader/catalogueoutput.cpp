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
bool parseId(const JetValue &value, sqlite3_int64 *id)
{
    if (value.kind == JetValue::Kind::Integer)
        *id = value.integer;
    if (value.kind != JetValue::Kind::Text)
        return value.kind == JetValue::Kind::Integer;
    errno = 0;
    char *end = nullptr;
    *id = std::strtoll(value.text, &end, 10);
    return errno == 0 && end != value.text && *end == '\0';
}

} // namespace

std::string CatalogueOutput::create(const std::string &path)
{
    // The indexes belong to the programs' own collation, which a plain SQLite lacks.
    return open(path, std::string(kSchemaSql) + ";\nDROP INDEX IF EXISTS tabella1_titolo_formato");
}

std::string CatalogueOutput::shape(const std::string &table, TableShape *shape)
{
    shape->name = table;
    shape->columns.clear();
    sqlite3_stmt *info = nullptr;
    if (sqlite3_prepare_v2(db(), "select name from pragma_table_info(?) order by cid", -1, &info,
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
    std::string columns, marks;
    for (const std::string &column : shape.columns) {
        columns += (columns.empty() ? "" : ", ") + column;
        marks += marks.empty() ? "?" : ", ?";
    }
    return prepareInsert(shape.name,
                         "insert into " + shape.name + " (" + columns + ") values (" + marks + ")");
}

std::string CatalogueOutput::insert(const std::vector<JetValue> &values)
{
    sqlite3_stmt *insert = nextRow();
    sqlite3_int64 id = 0;
    if (!parseId(values.front(), &id))
        return "row " + std::to_string(row()) + " of " + table() + " has no usable id";
    sqlite3_bind_int64(insert, 1, id);
    const int rc = insertRow(values, 1);
    if (rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return "the id " + std::to_string(id) + " appears twice in " + table();
    return rc == SQLITE_DONE ? std::string() : rowError();
}
