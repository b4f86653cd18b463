#include "tableoutput.h"

#include <sqlite3.h>

TableOutput::~TableOutput()
{
    sqlite3_finalize(m_heldInsert);
}

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
    const std::string insert = "insert into \"" + name + "\" values ";
    std::string rows = '(' + marks + ')';
    for (std::size_t i = 1; i < kHeldRows; ++i)
        rows += ", (" + marks + ')';
    if (sqlite3_prepare_v2(db(), (insert + rows).c_str(), -1, &m_heldInsert, nullptr) != SQLITE_OK)
        return error("prepare " + name);
    m_columns = columns.size();
    m_held.clear();
    m_texts.resize(kHeldRows * m_columns);
    return prepareInsert(name, insert + '(' + marks + ')');
}

std::string TableOutput::insert(const std::vector<JetValue> &values)
{
    std::size_t bytes = 0;
    for (const JetValue &value : values)
        bytes += value.size;
    if (m_heldBytes + bytes > kHeldBytes) {
        if (std::string why = writeSingly(); !why.empty())
            return why;
        // A row of long texts is written as it is, uncopied.
        if (bytes > kHeldBytes)
            return writeRow(values.data());
    }
    hold(values, bytes);
    return m_held.size() == kHeldRows * m_columns ? writeHeld() : std::string();
}

void TableOutput::hold(const std::vector<JetValue> &values, std::size_t bytes)
{
    m_heldBytes += bytes;
    for (const JetValue &value : values) {
        m_held.push_back(value);
        if (value.kind == JetValue::Kind::Text) {
            std::string &text = m_texts[m_held.size() - 1];
            text.assign(value.text, value.size);
            m_held.back().text = text.data();
        }
    }
}

std::string TableOutput::writeHeld()
{
    countRows(kHeldRows);
    const int rc = bindAndStep(m_heldInsert, m_held.data(), m_held.size());
    sqlite3_reset(m_heldInsert);
    m_held.clear();
    m_heldBytes = 0;
    return rc == SQLITE_DONE ? std::string() : rowError();
}

std::string TableOutput::writeRow(const JetValue *values)
{
    return bindAndStep(nextRow(), values, m_columns) == SQLITE_DONE ? std::string() : rowError();
}

std::string TableOutput::writeSingly()
{
    for (std::size_t first = 0; first < m_held.size(); first += m_columns)
        if (std::string why = writeRow(m_held.data() + first); !why.empty())
            return why;
    m_held.clear();
    m_heldBytes = 0;
    return {};
}

std::string TableOutput::endTable()
{
    std::string why = writeSingly();
    sqlite3_finalize(m_heldInsert);
    m_heldInsert = nullptr;
    return why;
}
