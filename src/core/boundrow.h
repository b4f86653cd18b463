#pragma once

#include <QString>
#include <QStringEncoder>
#include <QVarLengthArray>

struct sqlite3_stmt;

// One row of values for a prepared statement, bound by type: for long runs of writes, where a
// QVariant per value and SQLite's own translation of each UTF-16 text cost more than the
// insert itself. Texts are gathered as UTF-8 in one buffer on the stack; a null text is Null,
// as Qt's driver binds it, and an empty one the empty text. Several rows of a multi-row
// insert may follow each other in one BoundRow.
class BoundRow
{
public:
    BoundRow &add(const QString &text);
    BoundRow &add(qint64 number);
    qsizetype size() const { return m_values.size(); }
    // Binds count values from first on to the statement's parameters in order (all by
    // default); SQLite's result code. The parameters must be Null before, as a new or cleared
    // statement's are: Nulls are left as they are. SQLite reads the texts where they lie:
    // the row must outlive the statement's step.
    int bind(sqlite3_stmt *statement, qsizetype first = 0, qsizetype count = -1) const;

private:
    enum class Kind : quint8 { Null, Text, Number };
    struct Value {
        Kind kind;
        qint64 number; // a text's offset in m_texts
        qsizetype bytes;
    };
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QVarLengthArray<char, 1024> m_texts;
    QVarLengthArray<Value, 32> m_values;
};
