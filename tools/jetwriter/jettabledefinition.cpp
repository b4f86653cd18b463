#include "jettabledefinition.h"

#include "jetcolumnplace.h"
#include "jetdatapage.h"

#include <QtEndian>

namespace
{

constexpr int kColumnsStart = 63;
constexpr int kColumnEntry = 25;

QByteArray columnEntry(const JetColumn &column, const JetColumnPlace &place, int number)
{
    QByteArray entry(kColumnEntry, '\0');
    char *e = entry.data();
    e[0] = char(column.type);
    qToLittleEndian<quint16>(quint16(number), e + 5);
    qToLittleEndian<quint16>(quint16(place.varIndex), e + 7);
    qToLittleEndian<quint16>(quint16(number), e + 9);
    if (column.type == JetType::Text || column.type == JetType::Memo)
        qToLittleEndian<quint16>(0x0409, e + 11); // sort order: general
    e[15] = char(0x02 | (place.fixed ? 0x01 : 0x00));
    qToLittleEndian<quint16>(quint16(place.offset), e + 21);
    qToLittleEndian<quint16>(quint16(place.size), e + 23);
    return entry;
}

} // namespace

QByteArray jetTableDefinition(const JetTable &table, const JetTableFacts &facts)
{
    QByteArray page(JetDataPage::kSize, '\0');
    char *p = page.data();
    p[0] = 0x02;
    p[1] = 0x01;
    page.replace(2, 2, "VC");
    const QList<JetColumnPlace> places = placeColumns(table.columns);
    const auto variable = std::count_if(places.cbegin(), places.cend(),
                                        [](const JetColumnPlace &c) { return !c.fixed; });
    qToLittleEndian<quint32>(facts.rows, p + 16);
    p[40] = char(facts.system ? 0x53 : 0x4e);
    qToLittleEndian<quint16>(quint16(table.columns.size()), p + 41);
    qToLittleEndian<quint16>(quint16(variable), p + 43);
    qToLittleEndian<quint16>(quint16(table.columns.size()), p + 45);
    qToLittleEndian<quint32>(facts.usedPagesMap, p + 55);
    qToLittleEndian<quint32>(facts.freePagesMap, p + 59);
    QByteArray body;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        body += columnEntry(table.columns[i], places[i], int(i));
    for (const JetColumn &column : table.columns) {
        char length[2];
        qToLittleEndian<quint16>(quint16(column.name.size() * 2), length);
        body.append(length, 2);
        body.append(reinterpret_cast<const char *>(column.name.utf16()), column.name.size() * 2);
    }
    Q_ASSERT(kColumnsStart + body.size() <= JetDataPage::kSize);
    page.replace(kColumnsStart, body.size(), body);
    qToLittleEndian<quint32>(quint32(kColumnsStart + body.size() - 8), p + 8);
    return page;
}

QByteArray jetUsageMap(const QList<quint32> &pages)
{
    const quint32 first = pages.isEmpty() ? 0 : pages.first();
    const quint32 span = pages.isEmpty() ? 1 : pages.last() - first + 1;
    QByteArray map(5 + int((span + 7) / 8), '\0');
    qToLittleEndian<quint32>(first, map.data() + 1);
    for (const quint32 page : pages)
        map[5 + int((page - first) / 8)] =
            char(map[5 + int((page - first) / 8)] | (1 << ((page - first) % 8)));
    return map;
}
