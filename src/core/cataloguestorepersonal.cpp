// The collector's own data: favourites and plays, beside the exchange tables. Export files
// never carry the table (dropLocalTables) and imports never write it.
#include "cataloguestore.h"

#include "database.h"
#include "gamelistsql.h"

#include <QSqlQuery>

#include <algorithm>

namespace
{

using gamelistsql::personalTable;

PersonalData personalOf(const QSqlQuery &q, int first)
{
    return {q.value(first).toLongLong() != 0, q.value(first + 1).toLongLong(),
            q.value(first + 2).toInt()};
}

} // namespace

bool CatalogueStore::personalTableServes(const GameFilter &filter) const
{
    return !(filter.favourites || filter.recent) || hasTable(personalTable());
}

Result<PersonalData> CatalogueStore::personalData(GameId id) const
{
    if (!hasTable(personalTable()))
        return PersonalData();
    Result<QSqlQuery> q =
        catalogue::run(m_db,
                       QStringLiteral("select favourite, last_played, plays from %1 where game=?")
                           .arg(personalTable()),
                       {id});
    if (!q)
        return q.failure();
    return q->next() ? personalOf(*q, 0) : PersonalData();
}

Result<QHash<GameId, PersonalData>> CatalogueStore::allPersonalData() const
{
    QHash<GameId, PersonalData> all;
    if (!hasTable(personalTable()))
        return all;
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select game, favourite, last_played, plays from %1").arg(personalTable()));
    if (!q)
        return q.failure();
    while (q->next())
        all.insert(q->value(0).toLongLong(), personalOf(*q, 1));
    return all;
}

Outcome CatalogueStore::setFavourite(GameId id, bool favourite)
{
    return writePersonal(
        id,
        QStringLiteral("insert into %1 (game, favourite) values (?, ?) "
                       "on conflict(game) do update set favourite=excluded.favourite"),
        {id, favourite ? 1 : 0});
}

Outcome CatalogueStore::recordPlay(GameId id, qint64 when)
{
    return writePersonal(
        id,
        QStringLiteral("insert into %1 (game, last_played, plays) values (?, ?, 1) "
                       "on conflict(game) do update set "
                       "last_played=excluded.last_played, plays=plays+1"),
        {id, when});
}

// Runs the upsert on the game's row, making the table first when it is not there yet.
Outcome CatalogueStore::writePersonal(GameId id, const QString &upsert, const QVariantList &values)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return Failure{transaction.error()};
    const auto game =
        catalogue::fetchOne(m_db, QStringLiteral("select id from tabella1 where id=?"), {id});
    if (!game)
        return game.failure();
    if (!game->has_value())
        return Failure{gameGoneText()};
    if (const Outcome made = createPersonalTable(); !made)
        return made;
    if (const auto q = catalogue::run(m_db, upsert.arg(personalTable()), values); !q)
        return q.failure();
    return transaction.commit();
}

Outcome CatalogueStore::createPersonalTable()
{
    const auto made =
        write(QStringLiteral("create table if not exists %1 ("
                             "game INTEGER PRIMARY KEY REFERENCES tabella1(id) ON DELETE CASCADE, "
                             "favourite INTEGER NOT NULL DEFAULT 0, "
                             "last_played INTEGER NOT NULL DEFAULT 0, "
                             "plays INTEGER NOT NULL DEFAULT 0)")
                  .arg(personalTable()));
    return made ? Outcome() : made.failure();
}

// Inside the caller's write transaction, on a game just added.
Outcome CatalogueStore::writeFirstPersonalData(GameId id, const PersonalData &data)
{
    if (data == PersonalData())
        return {};
    if (const Outcome made = createPersonalTable(); !made)
        return made;
    const auto q =
        write(QStringLiteral("insert or replace into %1 (game, favourite, last_played, plays) "
                             "values (?, ?, ?, ?)")
                  .arg(personalTable()),
              {id, data.favourite ? 1 : 0, data.lastPlayed, data.plays});
    return q ? Outcome() : q.failure();
}

Outcome CatalogueStore::addPersonalData(QList<GameSummary> &rows, const GameFilter &filter) const
{
    const Result<QHash<GameId, PersonalData>> all = allPersonalData();
    if (!all)
        return all.failure();
    if (!all->isEmpty())
        for (GameSummary &row : rows) {
            const PersonalData data = all->value(row.id);
            row.favourite = data.favourite;
            row.lastPlayed = data.lastPlayed;
            row.plays = data.plays;
        }
    // Stable: games played in the same second keep their title order.
    if (filter.recent)
        std::stable_sort(rows.begin(), rows.end(), [](const GameSummary &a, const GameSummary &b) {
            return a.lastPlayed > b.lastPlayed;
        });
    return {};
}
