#pragma once

#include "gamequery.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// The SQL of the game list, for CatalogueStore: the machine and file condition of a
// filter, the search condition of a search text, and the list query made of both.
namespace gamelistsql
{

struct Clause {
    QString sql;
    QVariantList params;
    bool isEmpty() const { return sql.isEmpty(); }
};

// The collector's own table beside the exchange tables: favourites and plays by game.
QString personalTable();

// The searched columns, in the order their terms are joined.
const QStringList &searchColumns();

// Constant text only: the filter needs no parameters. Empty when nothing is filtered. The
// personal filters read personalTable(), which the caller has found present.
QString filterCondition(const GameFilter &filter);

// One group of column terms, or two joined by AND when the text holds a "+" with text
// after it. The text is bound as "*" text "*", so the wildcards the user types still act.
Clause searchCondition(const QString &search);

// "select id, title[, machine, year, publisher, genre] from the games [where (filter) [AND
// (search)]]", unordered.
Clause listQuery(const GameQuery &query, bool withMachines = true);

// "select 1 ... limit 1" for the filter alone.
QString probeQuery(const GameFilter &filter);

} // namespace gamelistsql
