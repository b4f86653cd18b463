#pragma once

#include "jetcolumnplace.h"

#include <functional>

// Encodes a table's rows as Jet 4 keeps them: the column count, the fixed part, the
// variable values, their offsets backwards from the end, then the null mask.
class JetRowEncoder
{
public:
    // Stores a long memo value outside the row and returns the address (page << 8 | row)
    // of its first long-value row.
    using LongValueStore = std::function<quint32(const QByteArray &value)>;

    // Memo values up to this many bytes stay in their row.
    static constexpr int kInlineMemo = 128;

    JetRowEncoder(const QList<JetColumn> &columns, LongValueStore store);

    QByteArray encode(const QVariantList &values) const;

private:
    QByteArray fixedPart(const QVariantList &values) const;
    QByteArray variableValue(JetType type, const QVariant &value) const;
    QByteArray memoValue(const QString &text) const;

    QList<JetColumn> m_columns;
    QList<JetColumnPlace> m_places;
    LongValueStore m_store;
    int m_fixedSize = 0;
    int m_varCount = 0;
};
