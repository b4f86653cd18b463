#include "jetrowencoder.h"

#include <QDateTime>
#include <QtEndian>

namespace
{

QByteArray ucs2(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

void put16(QByteArray &bytes, int value)
{
    char le[2];
    qToLittleEndian<quint16>(quint16(value), le);
    bytes.append(le, 2);
}

// Days since 30 December 1899, the fraction the time of day.
double oleDate(const QDateTime &when)
{
    constexpr double kEpochDay = 25569; // 1 January 1970
    return kEpochDay + double(when.toMSecsSinceEpoch()) / 86400000.0;
}

} // namespace

JetRowEncoder::JetRowEncoder(const QList<JetColumn> &columns, LongValueStore store)
    : m_columns(columns), m_places(placeColumns(columns)), m_store(std::move(store))
{
    for (const JetColumnPlace &place : m_places) {
        m_fixedSize = place.fixed ? std::max(m_fixedSize, place.offset + place.size) : m_fixedSize;
        m_varCount += place.fixed ? 0 : 1;
    }
}

QByteArray JetRowEncoder::fixedPart(const QVariantList &values) const
{
    QByteArray part(m_fixedSize, '\0');
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const QVariant &value = values.value(i);
        char *at = part.data() + m_places[i].offset;
        if (value.isNull())
            continue;
        switch (m_columns[i].type) {
        case JetType::Integer:
            qToLittleEndian<qint16>(qint16(value.toInt()), at);
            break;
        case JetType::Long:
            qToLittleEndian<qint32>(value.toInt(), at);
            break;
        case JetType::DateTime:
            qToLittleEndian<double>(oleDate(value.toDateTime()), at);
            break;
        default:
            break;
        }
    }
    return part;
}

QByteArray JetRowEncoder::memoValue(const QString &text) const
{
    const QByteArray bytes = ucs2(text);
    QByteArray header(12, '\0');
    if (bytes.size() <= kInlineMemo) {
        qToLittleEndian<quint32>(quint32(bytes.size()) | 0x80000000u, header.data());
        return header + bytes;
    }
    qToLittleEndian<quint32>(quint32(bytes.size()), header.data()); // a chain of rows
    qToLittleEndian<quint32>(m_store(bytes), header.data() + 4);
    return header;
}

QByteArray JetRowEncoder::variableValue(JetType type, const QVariant &value) const
{
    if (value.isNull())
        return {};
    if (type == JetType::Memo)
        return memoValue(value.toString());
    if (type == JetType::Ole)
        return value.toByteArray();
    return ucs2(value.toString());
}

QByteArray JetRowEncoder::encode(const QVariantList &values) const
{
    QByteArray row;
    put16(row, int(m_columns.size()));
    row += fixedPart(values);
    QList<int> offsets(m_varCount);
    QByteArray mask((m_columns.size() + 7) / 8, '\0');
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const QVariant &value = values.value(i);
        const bool present =
            m_columns[i].type == JetType::Boolean ? value.toBool() : !value.isNull();
        if (present)
            mask[i / 8] = char(mask[i / 8] | (1 << (i % 8)));
        if (!m_places[i].fixed) {
            offsets[m_places[i].varIndex] = int(row.size());
            row += variableValue(m_columns[i].type, value);
        }
    }
    put16(row, int(row.size())); // where the variable values end
    for (qsizetype i = offsets.size() - 1; i >= 0; --i)
        put16(row, offsets[i]);
    put16(row, int(offsets.size()));
    return row + mask;
}
