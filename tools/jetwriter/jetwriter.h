#pragma once

#include "jetdatapage.h"
#include "jettable.h"

#include <optional>

// Where the writer put a table, for tests that damage it on purpose.
struct JetTableLayout {
    QString name;
    quint32 definition = 0;    // the page of its definition
    QList<quint32> dataPages;  // in order
    quint32 usedPagesMap = 0;  // address (page << 8 | row) of its page map
    QList<quint32> memoChains; // addresses of the first rows of its long memo values
};

struct JetImage {
    QByteArray bytes;
    QList<JetTableLayout> tables; // the user tables, as given

    const JetTableLayout *table(const QString &name) const;
};

// Writes a minimal Jet 4 (Access 2000) file: the header page, the page maps on page 1, the
// system catalogue (MSysObjects) defined on page 2, the tables' definitions, the catalogue's
// rows, then each table's data pages and long values. No indexes: readers scan the data pages
// through the page maps.
class JetWriter
{
public:
    JetImage write(const QList<JetTable> &tables);

private:
    quint32 reservePage();
    void finishPage(quint32 number, const QByteArray &bytes);
    quint32 storeLongValue(const QByteArray &value, JetTableLayout &layout);
    int addLongValueRow(const QByteArray &row);
    JetTableLayout writeTable(const JetTable &table, quint32 definition, int mapRow, bool system);
    void finishLongValues();

    QList<QByteArray> m_pages;
    std::optional<JetDataPage> m_longValues;
    quint32 m_longValuePage = 0;
    QList<QByteArray> m_mapRows; // two per table, the catalogue's first
};
