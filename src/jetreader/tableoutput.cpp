#include "tableoutput.h"

#include <sqlite3.h>

std::string TableOutput::beginTable(const std::string &name,
                                    const std::vector<std::string> &columns)
{
    std::string list, marks;
    for (const std::string &column : columns) {
        list += (list.empty() ? "\"" : ", \"") + column + '"';
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string create = "create table \"" + name + "\" (" + list + ")";
    if (sqlite3_exec(db(), create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return error("write the table " + name);
    return prepareInsert(name, "insert into \"" + name + "\" values (" + marks + ")");
}

std::string TableOutput::insert(const std::vector<JetValue> &values)
{
    nextRow();
    return insertRow(values) == SQLITE_DONE ? std::string() : rowError();
}
