#include "jetwriter.h"

#include "jetheader.h"
#include "jetrowencoder.h"
#include "jettabledefinition.h"

#include <QtEndian>

namespace
{

constexpr quint32 kMapPage = 1;
constexpr quint32 kCatalogueDefinition = 2;
constexpr int kLongValuePiece = 2000; // bytes of a long value per row of its chain

quint32 address(quint32 page, int row)
{
    return page << 8 | quint32(row);
}

// The system catalogue as readers need it: a row per table, named, typed (1: a table)
// and found by the page of its definition.
JetTable systemCatalogue(const QList<JetTable> &tables, const QList<quint32> &definitions)
{
    JetTable catalogue{QStringLiteral("MSysObjects"),
                       {{QStringLiteral("Id"), JetType::Long},
                        {QStringLiteral("ParentId"), JetType::Long},
                        {QStringLiteral("Name"), JetType::Text},
                        {QStringLiteral("Type"), JetType::Integer},
                        {QStringLiteral("Flags"), JetType::Long},
                        {QStringLiteral("LvProp"), JetType::Ole}},
                       {}};
    for (qsizetype i = 0; i < tables.size(); ++i)
        catalogue.rows << QVariantList{int(definitions[i]), 0, tables[i].name, 1, 0, QVariant()};
    return catalogue;
}

} // namespace

const JetTableLayout *JetImage::table(const QString &name) const
{
    for (const JetTableLayout &t : tables)
        if (t.name == name)
            return &t;
    return nullptr;
}

quint32 JetWriter::reservePage()
{
    m_pages << QByteArray();
    return quint32(m_pages.size() - 1);
}

void JetWriter::finishPage(quint32 number, const QByteArray &bytes)
{
    m_pages[qsizetype(number)] = bytes;
}

int JetWriter::addLongValueRow(const QByteArray &row)
{
    if (m_longValues) {
        if (const int n = m_longValues->add(row); n >= 0)
            return n;
        finishLongValues();
    }
    m_longValues = JetDataPage::forLongValues();
    m_longValuePage = reservePage();
    return m_longValues->add(row);
}

void JetWriter::finishLongValues()
{
    if (m_longValues)
        finishPage(m_longValuePage, m_longValues->bytes());
    m_longValues.reset();
}

// A chain of long-value rows, each starting with the address of the next; written from
// its end, so that each row knows its successor.
quint32 JetWriter::storeLongValue(const QByteArray &value, JetTableLayout &layout)
{
    quint32 next = 0;
    for (qsizetype end = value.size(); end > 0; end -= kLongValuePiece) {
        const qsizetype start = std::max<qsizetype>(0, end - kLongValuePiece);
        QByteArray row(4, '\0');
        qToLittleEndian<quint32>(next, row.data());
        row += value.mid(start, end - start);
        const int n = addLongValueRow(row);
        next = address(m_longValuePage, n);
    }
    layout.memoChains << next;
    return next;
}

JetTableLayout JetWriter::writeTable(const JetTable &table, quint32 definition, int mapRow,
                                     bool system)
{
    JetTableLayout layout{table.name, definition, {}, address(kMapPage, mapRow), {}};
    const JetRowEncoder encoder(
        table.columns, [&](const QByteArray &value) { return storeLongValue(value, layout); });
    std::optional<JetDataPage> page;
    for (const QVariantList &values : table.rows) {
        const QByteArray row = encoder.encode(values);
        if (!page || page->add(row) < 0) {
            if (page)
                finishPage(layout.dataPages.last(), page->bytes());
            page = JetDataPage::forTable(layout.definition);
            layout.dataPages << reservePage();
            if (page->add(row) < 0)
                qFatal("a row of %s does not fit a page", qPrintable(table.name));
        }
    }
    if (page)
        finishPage(layout.dataPages.last(), page->bytes());
    const JetTableFacts facts{quint32(table.rows.size()), layout.usedPagesMap,
                              address(kMapPage, mapRow + 1), system};
    finishPage(layout.definition, jetTableDefinition(table, facts));
    m_mapRows[mapRow] = jetUsageMap(layout.dataPages);
    m_mapRows[mapRow + 1] = jetUsageMap({});
    return layout;
}

JetImage JetWriter::write(const QList<JetTable> &tables)
{
    m_pages = {jetHeaderPage(), QByteArray(), QByteArray()};
    m_mapRows = QList<QByteArray>(2 + 2 * tables.size());
    // The definitions first, so that the catalogue, which names their pages, comes next and
    // a file cut short loses table rows rather than its list of tables.
    QList<quint32> definitions;
    for (qsizetype i = 0; i < tables.size(); ++i)
        definitions << reservePage();
    writeTable(systemCatalogue(tables, definitions), kCatalogueDefinition, 0, true);
    JetImage image;
    for (qsizetype i = 0; i < tables.size(); ++i)
        image.tables << writeTable(tables[i], definitions[i], int(2 + 2 * i), false);
    finishLongValues();
    JetDataPage maps = JetDataPage::forTable(0);
    for (const QByteArray &map : std::as_const(m_mapRows))
        if (maps.add(map) < 0)
            qFatal("the page maps do not fit a page");
    finishPage(kMapPage, maps.bytes());
    for (const QByteArray &page : std::as_const(m_pages))
        image.bytes += page;
    return image;
}
