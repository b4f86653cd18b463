#include "boundrow.h"

#include <sqlite3.h>

#include <algorithm>

BoundRow &BoundRow::add(const QString &text)
{
    if (text.isNull()) {
        m_values.append({Kind::Null, 0, 0});
        return *this;
    }
    const qsizetype offset = m_texts.size();
    const qsizetype needed = offset + m_utf8.requiredSpace(text.size());
    // resize() alone grows to the size asked for: a row of many rows would copy its texts
    // again for each one.
    if (needed > m_texts.capacity())
        m_texts.reserve(std::max(needed, 2 * m_texts.capacity()));
    m_texts.resize(needed);
    const char *end = m_utf8.appendToBuffer(m_texts.data() + offset, text);
    m_texts.resize(end - m_texts.constData());
    m_values.append({Kind::Text, offset, m_texts.size() - offset});
    return *this;
}

BoundRow &BoundRow::add(qint64 number)
{
    m_values.append({Kind::Number, number, 0});
    return *this;
}

int BoundRow::bind(sqlite3_stmt *statement, qsizetype first, qsizetype count) const
{
    const qsizetype end = count < 0 ? m_values.size() : first + count;
    int rc = SQLITE_OK;
    for (qsizetype i = first; i < end && rc == SQLITE_OK; ++i) {
        const Value &value = m_values.at(i);
        const int parameter = int(i - first + 1);
        if (value.kind == Kind::Number)
            rc = sqlite3_bind_int64(statement, parameter, value.number);
        else if (value.kind == Kind::Text)
            // Never a null pointer, which SQLite would take for Null: the buffer lives inline.
            rc = sqlite3_bind_text(statement, parameter, m_texts.constData() + value.number,
                                   int(value.bytes), SQLITE_STATIC);
    }
    return rc;
}
