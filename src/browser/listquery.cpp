#include "listquery.h"

#include "database.h"

#include <QSqlQuery>

#include <algorithm>
#include <string>
#include <vector>

namespace browser
{
namespace
{

const QString kC64Part = QStringLiteral(" [formato]='C64' or [formato]='C128'");
const QString kAmigaPart = QStringLiteral(" [formato]='Amiga 1.3' or [formato]='Amiga 2.x'"
                                          " or [formato]='Amiga 3.x' or [formato]='Amiga'");

// One group of column terms over the same text: "likeany(?, [titolo], [sh], ...)", the
// "[titolo] like ? or [sh] like ? ..." of the search syntax in one call per row.
void appendTerms(SqlClause &clause, const QString &text)
{
    clause.sql += QStringLiteral("likeany(?");
    for (const QString &column : searchColumns())
        clause.sql += QStringLiteral(", [") + column + QLatin1Char(']');
    clause.sql += QLatin1Char(')');
    clause.params << QString(QLatin1Char('*') + text + QLatin1Char('*'));
}

} // namespace

QString filterClause(const ListFilter &filter)
{
    QString clause;
    if (filter.c64 && filter.amiga && !filter.anyCode)
        clause =
            QLatin1Char('(') + kC64Part + QStringLiteral(") or (") + kAmigaPart + QLatin1Char(')');
    else if (filter.c64 && filter.amiga)
        clause.clear();
    else if (filter.c64)
        clause = kC64Part;
    else if (filter.amiga)
        clause = kAmigaPart;

    // Comparing with '' also leaves out Null, so both kinds of "no file" are excluded.
    if (filter.playable)
        clause = clause.isEmpty() ? QStringLiteral("emul1<>''")
                                  : QLatin1Char('(') + clause + QStringLiteral(") and emul1<>''");
    if (filter.sound)
        clause = clause.isEmpty() ? QStringLiteral("song<>''")
                                  : QLatin1Char('(') + clause + QStringLiteral(") and song<>''");
    return clause;
}

QString listCaption(const ListFilter &filter, const QString &search)
{
    QStringList boxes;
    if (filter.c64 != filter.amiga)
        boxes << (filter.c64 ? QStringLiteral("C64") : QStringLiteral("Amiga"));
    if (filter.playable)
        boxes << QStringLiteral("Playable");
    if (filter.sound)
        boxes << QStringLiteral("Sound");
    const QString named = boxes.join(QStringLiteral(", "));
    if (search.isEmpty())
        return boxes.isEmpty() ? QStringLiteral("C64, Amiga") : named;
    return boxes.isEmpty() ? search : search + QStringLiteral(" (") + named + QLatin1Char(')');
}

SearchParts splitSearchText(const QString &text)
{
    const qsizetype plus = text.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return {text, QString()};
    return {text.left(plus), text.mid(plus + 1)};
}

const QStringList &searchColumns()
{
    static const QStringList columns{
        QStringLiteral("titolo"),      QStringLiteral("sh"),
        QStringLiteral("programming"), QStringLiteral("graphics"),
        QStringLiteral("music"),       QStringLiteral("design"),
        QStringLiteral("team"),        QStringLiteral("adddesign"),
        QStringLiteral("addgraphics"), QStringLiteral("addprogramming"),
        QStringLiteral("addmusic"),    QStringLiteral("voto"),
        QStringLiteral("emulator"),    QStringLiteral("others"),
        QStringLiteral("year"),        QStringLiteral("tipo"),
        QStringLiteral("formato")};
    return columns;
}

SqlClause searchClause(const QString &text)
{
    const SearchParts parts = splitSearchText(text);
    SqlClause clause;
    if (parts.second.isEmpty()) {
        // Without a second part the whole text, "+" included, is one search.
        appendTerms(clause, text);
        return clause;
    }
    clause.sql = QStringLiteral("(");
    appendTerms(clause, parts.first);
    clause.sql += QStringLiteral(") AND (");
    appendTerms(clause, parts.second);
    clause.sql += QLatin1Char(')');
    return clause;
}

SqlClause unorderedListQuery(const QString &filter, const SqlClause &search, const QString &columns)
{
    SqlClause query;
    query.sql = QStringLiteral("select ") + columns + QStringLiteral(" from tabella1");
    QStringList conditions;
    if (!filter.isEmpty())
        conditions << QLatin1Char('(') + filter + QLatin1Char(')');
    if (!search.isEmpty()) {
        conditions << QLatin1Char('(') + search.sql + QLatin1Char(')');
        query.params = search.params;
    }
    if (!conditions.isEmpty())
        query.sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" AND "));
    return query;
}

SqlClause listQuery(const QString &filter, const SqlClause &search, const QString &columns)
{
    SqlClause query = unorderedListQuery(filter, search, columns);
    query.sql += QStringLiteral(" order by titolo");
    return query;
}

ListResult fetchList(const QSqlDatabase &db, const SqlClause &query)
{
    ListResult result;
    Result<QSqlQuery> q = catalogue::run(db, query.sql, query.params);
    if (!q) {
        result.error = q.error();
        return result;
    }
    while (q->next())
        result.rows.append({q->value(0).toInt(), q->value(1).toString()});
    return result;
}

ListResult fetchList(const QSqlDatabase &db, const QString &filter, const SqlClause &search)
{
    ListResult result = fetchList(db, unorderedListQuery(filter, search));
    if (result.ok())
        sortByTitle(result.rows);
    return result;
}

QHash<int, QString> fetchMachines(const QSqlDatabase &db, const QList<int> &ids, QString *error)
{
    QHash<int, QString> machines;
    if (ids.isEmpty())
        return machines;
    QVariantList params;
    for (const int id : ids)
        params << id;
    const QString marks = QStringLiteral("?,").repeated(ids.size()).chopped(1);
    Result<QSqlQuery> q = catalogue::run(
        db,
        QStringLiteral("select id, formato from tabella1 where id in (") + marks + QLatin1Char(')'),
        params);
    if (!q) {
        if (error)
            *error = q.error();
        return machines;
    }
    while (q->next())
        machines.insert(q->value(0).toInt(), q->value(1).toString());
    return machines;
}

void sortByTitle(QList<ListRow> &rows)
{
    // The folding of the catalogue's NOCASE collation, code point by code point, computed
    // once per title instead of once per comparison.
    struct Keyed {
        bool null; // Null sorts before every text
        std::u32string key;
        qsizetype row;
    };
    std::vector<Keyed> keyed(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &title = rows.at(i).title;
        std::u32string &key = keyed[size_t(i)].key;
        key.reserve(size_t(title.size()));
        for (const char32_t c : title.toUcs4())
            key.push_back(c < 0x80 ? ((c >= 'A' && c <= 'Z') ? c + 32 : c)
                                   : QChar::toCaseFolded(c));
        keyed[size_t(i)].null = title.isNull();
        keyed[size_t(i)].row = i;
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        return a.null != b.null ? a.null : a.key < b.key;
    });
    QList<ListRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(rows[k.row]));
    rows = std::move(sorted);
}

bool filterHasRows(const QSqlDatabase &db, const QString &filter, QString *error)
{
    QString sql = QStringLiteral("select 1 from tabella1");
    if (!filter.isEmpty())
        sql += QStringLiteral(" where ") + filter;
    sql += QStringLiteral(" limit 1");
    Result<QSqlQuery> q = catalogue::run(db, sql);
    if (!q) {
        if (error)
            *error = q.error();
        return false;
    }
    return q->next();
}

} // namespace browser
