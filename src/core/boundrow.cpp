#include "boundrow.h"

#include <sqlite3.h>

BoundRow &BoundRow::add(const QString &text)
{
    if (text.isNull()) {
        m_values.append({Kind::Null, 0, 0});
        return *this;
    }
    const qsizetype offset = m_texts.size();
    m_texts.resize(offset + m_utf8.requiredSpace(text.size()));
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

int BoundRow::bind(sqlite3_stmt *statement) const
{
    int rc = SQLITE_OK;
    for (int i = 0; i < int(m_values.size()) && rc == SQLITE_OK; ++i) {
        const Value &value = m_values.at(i);
        switch (value.kind) {
        case Kind::Null:
            rc = sqlite3_bind_null(statement, i + 1);
            break;
        case Kind::Number:
            rc = sqlite3_bind_int64(statement, i + 1, value.number);
            break;
        case Kind::Text:
            // Never a null pointer, which SQLite would take for Null: the buffer lives inline.
            rc = sqlite3_bind_text(statement, i + 1, m_texts.constData() + value.number,
                                   int(value.bytes), SQLITE_STATIC);
            break;
        }
    }
    return rc;
}
