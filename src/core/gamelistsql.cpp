#include "gamelistsql.h"

#include <QStringList>

namespace gamelistsql
{
namespace
{

const QString kC64Part = QStringLiteral(" [formato]='C64' or [formato]='C128'");
const QString kAmigaPart = QStringLiteral(" [formato]='Amiga 1.3' or [formato]='Amiga 2.x'"
                                          " or [formato]='Amiga 3.x' or [formato]='Amiga'");

// The searched columns, the one stored last in a row first: SQLite reads a row's header only
// as far as the column asked for, so the first column read then finds every other one's place
// ready. In stored order it takes a step of the header per column: a tenth of the
// instructions of a search.
const QStringList &termColumns()
{
    static const QStringList columns = [] {
        QStringList ordered = searchColumns();
        ordered.move(ordered.indexOf(QStringLiteral("emulator")), 0);
        return ordered;
    }();
    return columns;
}

// One group of column terms over the same text: "likeany(?, [emulator], [titolo], ...)", the
// "[titolo] like ? or [sh] like ? ..." of the search syntax in one call per row.
void appendTerms(Clause &clause, const QString &text)
{
    clause.sql += QStringLiteral("likeany(?");
    for (const QString &column : termColumns())
        clause.sql += QStringLiteral(", [") + column + QLatin1Char(']');
    clause.sql += QLatin1Char(')');
    clause.params << QString(QLatin1Char('*') + text + QLatin1Char('*'));
}

// Appends a condition joined by AND.
void narrow(QString &clause, const QString &condition)
{
    clause = clause.isEmpty() ? condition
                              : QLatin1Char('(') + clause + QStringLiteral(") and ") + condition;
}

} // namespace

QString personalTable()
{
    return QStringLiteral("game_personal");
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

QString filterCondition(const GameFilter &filter)
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
        narrow(clause, QStringLiteral("emul1<>''"));
    if (filter.sound)
        narrow(clause, QStringLiteral("song<>''"));
    if (filter.favourites)
        narrow(
            clause,
            QStringLiteral("id in (select game from %1 where favourite<>0)").arg(personalTable()));
    if (filter.recent)
        narrow(clause,
               QStringLiteral("id in (select game from %1 where plays>0)").arg(personalTable()));
    return clause;
}

Clause searchCondition(const QString &search)
{
    Clause clause;
    if (search.isEmpty())
        return clause;
    const qsizetype plus = search.indexOf(QLatin1Char('+'));
    const QString second = plus < 0 ? QString() : search.mid(plus + 1);
    if (second.isEmpty()) {
        // Without a second part the whole text, "+" included, is one search.
        appendTerms(clause, search);
        return clause;
    }
    clause.sql = QStringLiteral("(");
    appendTerms(clause, search.left(plus));
    clause.sql += QStringLiteral(") AND (");
    appendTerms(clause, second);
    clause.sql += QLatin1Char(')');
    return clause;
}

Clause listQuery(const GameQuery &query, bool withMachines)
{
    Clause list;
    list.sql = withMachines
                   ? QStringLiteral("select id, titolo, formato, year, sh, tipo from tabella1")
                   : QStringLiteral("select id, titolo from tabella1");
    QStringList conditions;
    if (const QString filter = filterCondition(query.filter); !filter.isEmpty())
        conditions << QLatin1Char('(') + filter + QLatin1Char(')');
    if (const Clause search = searchCondition(query.search); !search.isEmpty()) {
        conditions << QLatin1Char('(') + search.sql + QLatin1Char(')');
        list.params = search.params;
    }
    if (!conditions.isEmpty())
        list.sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" AND "));
    return list;
}

QString probeQuery(const GameFilter &filter)
{
    QString sql = QStringLiteral("select 1 from tabella1");
    if (const QString condition = filterCondition(filter); !condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    return sql + QStringLiteral(" limit 1");
}

} // namespace gamelistsql
