// Grows a legacy Jet 4 catalogue for the conversion benchmark:
//     make_jet_catalogue TEMPLATE OUT GAMES
// No tool writes Jet files and the Jet library cannot grow a table, so this copies the data
// pages of the games table (tabella1) until it holds GAMES rows, renumbers the ids 1..GAMES in
// page order, and rewrites the table's page map and row count. Memo values stay shared with
// the template's rows. Anything in the template it does not expect is refused.
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>
#include <cstring>
#include <optional>

namespace
{

constexpr int pageSize = 4096;
constexpr int rowTable = 14; // Jet 4 data page: row count at 12, row offsets from 14
constexpr quint32 pagesPerBitmap = (pageSize - 4) * 8;

quint32 get32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint16 get16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

struct Span {
    int start = 0;
    int end = 0;
};

// Rows fill a page downwards from its end, so a row ends where the one before it starts.
std::optional<Span> rowSpan(const char *page, int row)
{
    if (row >= get16(page + 12))
        return std::nullopt;
    const quint16 entry = get16(page + rowTable + 2 * row);
    const int end = row == 0 ? pageSize : get16(page + rowTable + 2 * row - 2) & 0x1fff;
    const int start = entry & 0x1fff;
    if ((entry & 0xc000) || start < rowTable + 2 * (row + 1) || start >= end)
        return std::nullopt; // deleted, overflowing or malformed: not a plain row
    return Span{start, end};
}

struct Table {
    quint32 tdef = 0;
    int columns = 0;
    QList<quint32> dataPages;
    quint32 mapPage = 0;
    int mapRow = 0;
};

// Column names follow the 25-byte column entries, each a 16-bit length and UTF-16 text.
QStringList columnNames(const char *tdef, int columns)
{
    QStringList names;
    int at = 63 + 25 * columns; // no indexes
    for (int i = 0; i < columns && at + 2 < pageSize; ++i) {
        const int length = get16(tdef + at);
        if (at + 2 + length > pageSize)
            break;
        names << QString::fromUtf16(reinterpret_cast<const char16_t *>(tdef + at + 2), length / 2);
        at += 2 + length;
    }
    return names;
}

// The games table: a one-page definition without indexes whose first column is the
// fixed 4-byte id at the start of the fixed part of a row, and which has a title column.
std::optional<Table> findGamesTable(const QByteArray &file)
{
    for (quint32 n = 1; n < quint32(file.size() / pageSize); ++n) {
        const char *page = file.constData() + n * pageSize;
        const int columns = get16(page + 45);
        if (page[0] != 2 || get32(page + 4) != 0 || get32(page + 51) != 0 || columns < 2)
            continue;
        const QStringList names = columnNames(page, columns);
        const char *id = page + 63;
        if (names.size() != columns || names[0] != u"id" || !names.contains(u"titolo") ||
            id[0] != 4 || get16(id + 5) != 0 || !(id[15] & 1) || get16(id + 21) != 0)
            continue;
        const quint32 map = get32(page + 55);
        return Table{n, columns, {}, map >> 8, int(map & 0xff)};
    }
    return std::nullopt;
}

// The table's data pages in page order; each row must be plain and have every column.
QString collectDataPages(const QByteArray &file, Table &table)
{
    for (quint32 n = 1; n < quint32(file.size() / pageSize); ++n) {
        const char *page = file.constData() + n * pageSize;
        if (page[0] != 1 || get32(page + 4) != table.tdef || get16(page + 12) == 0)
            continue; // empty pages stay out of the grown table
        for (int row = 0; row < get16(page + 12); ++row) {
            const auto span = rowSpan(page, row);
            if (!span || get16(page + span->start) != table.columns)
                return QStringLiteral("row %1 of page %2 is not a plain row").arg(row).arg(n);
        }
        table.dataPages << n;
    }
    return table.dataPages.isEmpty() ? QStringLiteral("the games table has no rows") : QString();
}

// Keeps the first `rows` rows of a data page, numbering their ids from nextId on.
void fillPage(char *page, int rows, quint32 &nextId)
{
    int lowest = pageSize;
    for (int row = 0; row < rows; ++row) {
        const Span span = *rowSpan(page, row);
        qToLittleEndian<quint32>(nextId++, page + span.start + 2);
        lowest = std::min(lowest, span.start);
    }
    qToLittleEndian<quint16>(quint16(rows), page + 12);
    qToLittleEndian<quint16>(quint16(lowest - rowTable - 2 * rows), page + 2);
}

// Copies the data pages round until the table holds games rows: the first round reuses
// the template's pages, later ones are appended. Returns the pages holding rows.
QList<quint32> growTable(QByteArray &file, const Table &table, quint32 games)
{
    const QByteArray original = file;
    QList<quint32> used;
    quint32 nextId = 1;
    for (qsizetype k = 0; nextId <= games || k < table.dataPages.size(); ++k) {
        const quint32 source = table.dataPages[k % table.dataPages.size()];
        quint32 target = source;
        if (k >= table.dataPages.size()) {
            target = quint32(file.size() / pageSize);
            file.append(original.mid(source * pageSize, pageSize));
        }
        char *page = file.data() + target * pageSize;
        const int rows = int(std::min<quint32>(get16(page + 12), games + 1 - nextId));
        fillPage(page, rows, nextId);
        if (rows > 0)
            used << target;
    }
    return used;
}

// A type-1 map: byte 1, then the page numbers of bitmap pages; bitmap page i holds a
// 4-byte header and one bit for each page from i * pagesPerBitmap on.
QString writeUsageMap(QByteArray &file, const Table &table, const QList<quint32> &used)
{
    if (table.mapPage == 0 || table.mapPage >= quint32(file.size() / pageSize))
        return QStringLiteral("the table's page map points outside the file");
    char *mapPage = file.data() + table.mapPage * pageSize;
    const auto span = rowSpan(mapPage, table.mapRow);
    if (!span)
        return QStringLiteral("the table's page map is not where its definition says");
    const int slots = (span->end - span->start - 1) / 4;
    const quint32 bitmaps = used.last() / pagesPerBitmap + 1;
    if (bitmaps > quint32(slots))
        return QStringLiteral("%1 map pages do not fit the page map's %2 slots")
            .arg(bitmaps)
            .arg(slots);
    const quint32 first = quint32(file.size() / pageSize);
    QByteArray bitmap(bitmaps * pageSize, '\0');
    for (quint32 i = 0; i < bitmaps; ++i)
        bitmap[i * pageSize] = 5, bitmap[i * pageSize + 1] = 1;
    for (const quint32 n : used) {
        const quint32 at = n / pagesPerBitmap * pageSize + 4 + n % pagesPerBitmap / 8;
        bitmap[at] = char(bitmap[at] | 1 << (n % 8));
    }
    std::memset(mapPage + span->start, 0, span->end - span->start);
    mapPage[span->start] = 1;
    for (quint32 i = 0; i < bitmaps; ++i)
        qToLittleEndian<quint32>(first + i, mapPage + span->start + 1 + 4 * i);
    file.append(bitmap);
    return {};
}

QString makeCatalogue(const QString &templatePath, const QString &outPath, quint32 games)
{
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(templatePath, in.errorString());
    QByteArray file = in.readAll();
    if (file.size() < 2 * pageSize || file.size() % pageSize || file[0x14] != 1 ||
        file.mid(4, 15) != "Standard Jet DB")
        return QStringLiteral("%1 is no Jet 4 file").arg(templatePath);
    auto table = findGamesTable(file);
    if (!table)
        return QStringLiteral("%1 has no games table with a leading id column").arg(templatePath);
    QString why = collectDataPages(file, *table);
    const QList<quint32> used = why.isEmpty() ? growTable(file, *table, games) : QList<quint32>();
    if (why.isEmpty())
        why = writeUsageMap(file, *table, used);
    if (!why.isEmpty())
        return QStringLiteral("%1: %2").arg(templatePath, why);
    char *tdef = file.data() + table->tdef * pageSize;
    qToLittleEndian<quint32>(games, tdef + 16);     // rows
    qToLittleEndian<quint32>(games + 1, tdef + 20); // the next automatic id
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit())
        return QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString());
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const quint32 games = args.size() == 4 ? args[3].toUInt(&ok) : 0;
    if (!ok || games == 0) {
        std::fprintf(stderr, "usage: make_jet_catalogue TEMPLATE OUT GAMES\n"
                             "Writes OUT: the Jet 4 catalogue TEMPLATE grown to GAMES games.\n");
        return 2;
    }
    const QString why = makeCatalogue(args[1], args[2], games);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "make_jet_catalogue: %s\n", qPrintable(why));
        return 1;
    }
    std::printf("%u games written to %s\n", games, qPrintable(args[2]));
    return 0;
}
