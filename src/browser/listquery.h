#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace browser
{

// The four filter boxes of the main window.
struct ListFilter {
    bool c64 = true;
    bool amiga = true;
    bool playable = false; // a game file is set (emul1)
    bool sound = false;    // a music file is set (song)
    // With both machines: every game, also one whose code is none of the six (from an
    // import or an older catalogue), so that the window can always reach it.
    bool anyCode = false;
};

// An SQL condition or statement with its positional parameters.
struct SqlClause {
    QString sql;
    QVariantList params;
    bool isEmpty() const { return sql.isEmpty(); }
};

// The machine and file condition of the four boxes; empty when no box is ticked. It
// holds only constant text, so it needs no parameters.
QString filterClause(const ListFilter &filter);

// The list a filter and a search ask for, as "No record found for " names it: the search
// text, then in parentheses the boxes that narrow the list; the boxes alone without a
// search; "C64, Amiga" when nothing narrows it.
QString listCaption(const ListFilter &filter, const QString &search);

// A search text split at its first "+": the text before it, and everything after it
// (empty when there is no "+").
struct SearchParts {
    QString first;
    QString second;
};
SearchParts splitSearchText(const QString &text);

// The searched columns, in the order their terms are joined.
const QStringList &searchColumns();

// The free-text condition for a search text: one group of column terms, or two groups
// joined by AND when the text holds a "+". The text is bound as "*" text "*", so the
// wildcards the user types still act.
SqlClause searchClause(const QString &text);

// "select <columns> from tabella1 [where (filter) [AND (search)]] order by titolo".
SqlClause listQuery(const QString &filter, const SqlClause &search,
                    const QString &columns = QStringLiteral("id, titolo"));
// The same without its order clause.
SqlClause unorderedListQuery(const QString &filter, const SqlClause &search,
                             const QString &columns = QStringLiteral("id, titolo"));

struct ListRow {
    int id = 0;
    QString title;
    bool operator==(const ListRow &) const = default;
};

struct ListResult {
    QList<ListRow> rows;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Runs a query that selects id and titolo, as it stands.
ListResult fetchList(const QSqlDatabase &db, const SqlClause &query);

// The list for a filter and a search, in the order of listQuery's "order by titolo" (the
// catalogue's case folding; equal titles in stored order), without the machines. The rows
// are read in stored order and sorted here: in title order a filtered scan would fetch
// every row through the title index, which is several times slower on a large catalogue.
ListResult fetchList(const QSqlDatabase &db, const QString &filter, const SqlClause &search);

// The machines (formato) of the games ids, by id; a game that is gone has none. Read for
// the entries a list shows, so that the list itself need not carry them. *error (when
// given) is set when the query fails.
QHash<int, QString> fetchMachines(const QSqlDatabase &db, const QList<int> &ids,
                                  QString *error = nullptr);

// Sorts rows as "order by titolo" does; equal titles keep their order.
void sortByTitle(QList<ListRow> &rows);

// Whether any game passes the filter condition (the probe before a refresh). *error is
// set when the query fails; the result is then false.
bool filterHasRows(const QSqlDatabase &db, const QString &filter, QString *error);

} // namespace browser
