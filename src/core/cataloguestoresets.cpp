#include "cataloguestore.h"

#include "boundrow.h"
#include "database.h"
#include "largerpagecache.h"
#include "statementcache.h"

#include <QScopeGuard>
#include <QSqlQuery>

#include <optional>

namespace
{

// The page cache during a set's import, in KiB: enough for 100,000 new games.
constexpr int kImportCacheKiB = 65536;

// New games are written this many at a time.
constexpr qsizetype kSetGamesPerBatch = 256;

} // namespace

QString CatalogueStore::setTable()
{
    return QStringLiteral("set_games");
}

QString CatalogueStore::startTable()
{
    return QStringLiteral("game_start");
}

Outcome CatalogueStore::createSetTables()
{
    for (const QString &create :
         {QStringLiteral("create table if not exists %1 ("
                         "set_name TEXT NOT NULL, set_key INTEGER NOT NULL, "
                         "game INTEGER NOT NULL REFERENCES tabella1(id) ON DELETE CASCADE, "
                         "PRIMARY KEY (set_name, set_key)) WITHOUT ROWID")
              .arg(setTable()),
          QStringLiteral("create table if not exists %1 ("
                         "game INTEGER PRIMARY KEY REFERENCES tabella1(id) ON DELETE CASCADE, "
                         "image TEXT, program INTEGER NOT NULL)")
              .arg(startTable())})
        if (const Result<QSqlQuery> q = catalogue::run(m_db, create); !q)
            return q.failure();
    return {};
}

Result<GameStart> CatalogueStore::gameStart(GameId id) const
{
    if (!hasTable(startTable()))
        return GameStart();
    const auto row = catalogue::fetchOne(
        m_db, QStringLiteral("select image, program from %1 where game=?").arg(startTable()), {id});
    if (!row)
        return row.failure();
    if (!row->has_value())
        return GameStart();
    return GameStart{(**row).value(0).toString(), (**row).value(1).toInt()};
}

Result<bool> CatalogueStore::writeGameStart(GameId id, const GameStart &start)
{
    const Result<GameStart> old = gameStart(id);
    if (!old)
        return old.failure();
    if (*old == start)
        return false;
    const Result<QSqlQuery> q =
        start.isEmpty()
            ? catalogue::run(m_db, QStringLiteral("delete from %1 where game=?").arg(startTable()),
                             {id})
            : catalogue::run(m_db,
                             QStringLiteral("insert or replace into %1 (game, image, program) "
                                            "values (?, ?, ?)")
                                 .arg(startTable()),
                             {id, start.image, start.program});
    if (!q)
        return q.failure();
    return true;
}

Result<QHash<qint64, GameId>> CatalogueStore::setGameIds(const QString &set) const
{
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select set_key, game from %1 where set_name=?").arg(setTable()),
        {set});
    if (!q)
        return q.failure();
    QHash<qint64, GameId> ids;
    while (q->next())
        ids.insert(q->value(0).toLongLong(), q->value(1).toLongLong());
    return ids;
}

Outcome CatalogueStore::clearStaleStarts()
{
    // Only where foreign keys were off when a game went; new ids come above the highest.
    const Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("delete from %1 where game > (select coalesce(max(id), 0) from %2)")
                  .arg(startTable(), gameTable()));
    return q ? Outcome() : q.failure();
}

Result<bool> CatalogueStore::importKnownSetGame(GameId known, const SetGame &game,
                                                SetImport &import)
{
    if (!known)
        return false;
    const Result<std::optional<Game>> stored = findGame(known);
    if (!stored)
        return stored.failure();
    if (!stored->has_value())
        return false;
    if (const Outcome updated = updateSetGame(**stored, game, import); !updated)
        return updated.failure();
    return true;
}

Outcome CatalogueStore::addSetGames(const QString &set, const QList<const SetGame *> &games,
                                    SetImport &import)
{
    static const QString gameRows =
        QStringLiteral("insert into %1 (%2) values ").arg(gameTable(), gameColumns().join(u','));
    static const QString setRows =
        QStringLiteral("insert or replace into %1 (set_name, set_key, game) values ")
            .arg(setTable());
    // clearStaleStarts removed what deleted games left on the new ids.
    static const QString startRows =
        QStringLiteral("insert or replace into %1 (game, image, program) values ")
            .arg(startTable());
    BoundRow rows;
    for (const SetGame *game : games)
        for (const Game::Field f : Game::fields())
            rows.add(game->entry.game.value(f));
    const Result<qint64> last =
        m_statements->insertRows(gameRows, int(Game::fields().size()), rows);
    if (!last)
        return last.failure();
    // Rows added in one transaction take consecutive ids (AUTOINCREMENT: one above the last).
    const GameId first = *last - games.size() + 1;
    BoundRow keys, starts;
    for (qsizetype i = 0; i < games.size(); ++i) {
        keys.add(set).add(games.at(i)->key).add(first + i);
        if (const GameStart &start = games.at(i)->start; !start.isEmpty())
            starts.add(first + i).add(start.image).add(start.program);
    }
    for (const auto &[head, values] : {std::pair{&setRows, &keys}, {&startRows, &starts}})
        if (const Result<qint64> q = m_statements->insertRows(*head, 3, *values); !q)
            return q.failure();
    for (qsizetype i = 0; i < games.size(); ++i) {
        const SetGame &game = *games.at(i);
        if (!game.entry.moreDisks.isEmpty())
            if (const Outcome written = writeMoreDisks(first + i, game.entry.moreDisks); !written)
                return written;
        if (const Outcome written = writeFirstPersonalData(first + i, game.personal); !written)
            return written;
    }
    import.added += games.size();
    return {};
}

Outcome CatalogueStore::updateSetGame(const Game &old, const SetGame &game, SetImport &import)
{
    if (old.origin.compare(Game::privateOrigin(), Qt::CaseInsensitive) == 0) {
        import.conflicts << old.title;
        return {};
    }
    Game fresh = game.entry.game;
    fresh.id = old.id;
    const QList<Game::Field> fields = old.differences(fresh);
    const Result<QStringList> disks = moreDisks(old.id);
    if (!disks)
        return disks.failure();
    const Result<bool> started = writeGameStart(old.id, game.start);
    if (!started)
        return started.failure();
    if (fields.isEmpty() && *disks == game.entry.moreDisks && !*started) {
        ++import.unchanged;
        return {};
    }
    ++import.updated;
    const Outcome written = writeFields(fresh, fields);
    return written ? writeMoreDisks(old.id, game.entry.moreDisks) : written;
}

Result<SetImport> CatalogueStore::importSetGames(const QString &set, const QList<SetGame> &games,
                                                 Progress &progress, bool keep)
{
    struct ListFeed final : SetGameFeed {
        const QList<SetGame> &games;
        explicit ListFeed(const QList<SetGame> &list) : games(list) {}
        qsizetype size() const override { return games.size(); }
        qint64 key(qsizetype i) const override { return games.at(i).key; }
        const SetGame &at(qsizetype i) override { return games.at(i); }
    } feed(games);
    return importSetGames(set, feed, progress, keep);
}

Result<SetImport> CatalogueStore::importSetGames(const QString &set, SetGameFeed &games,
                                                 Progress &progress, bool keep)
{
    const catalogue::LargerPageCache cache(m_db, kImportCacheKiB);
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return Failure{transaction.error()};
    if (const Outcome made = createSetTables(); !made)
        return made.failure();
    if (const Outcome cleared = clearStaleStarts(); !cleared)
        return cleared.failure();
    const Result<QHash<qint64, GameId>> ids = setGameIds(set);
    if (!ids)
        return ids.failure();
    const Result<QStringList> indexes = dropGameIndexesFor(newGames(*ids, games));
    if (!indexes)
        return indexes.failure();
    const Result<SetImport> import = importSetRows(set, *ids, games, progress);
    if (!import || import->cancelled)
        return import;
    for (const QString &index : *indexes)
        if (const Result<QSqlQuery> made = catalogue::run(m_db, index); !made)
            return made.failure();
    if (keep)
        if (const Outcome committed = transaction.commit(); !committed)
            return committed.failure();
    return import;
}

qsizetype CatalogueStore::newGames(const QHash<qint64, GameId> &ids, const SetGameFeed &games)
{
    qsizetype added = 0;
    for (qsizetype i = 0; i < games.size(); ++i)
        added += ids.contains(games.key(i)) ? 0 : 1;
    return added;
}

Result<QStringList> CatalogueStore::dropGameIndexesFor(qsizetype added)
{
    // Sorting every title once beats growing the index row by row, unless the catalogue
    // holds more games than the import adds.
    const auto highest = catalogue::fetchOne(
        m_db, QStringLiteral("select coalesce(max(id), 0) from %1").arg(gameTable()));
    if (!highest)
        return highest.failure();
    if (highest->has_value() && (**highest).value(0).toLongLong() > added)
        return QStringList();
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select name, sql from sqlite_master where type='index' and tbl_name=? "
                       "and sql is not null"),
        {gameTable()});
    if (!q)
        return q.failure();
    QStringList names, made;
    while (q->next()) {
        names << q->value(0).toString();
        made << q->value(1).toString();
    }
    q->finish(); // no read of the schema stays open while it changes
    for (QString name : names)
        if (const Result<QSqlQuery> dropped = catalogue::run(
                m_db,
                QStringLiteral("drop index \"%1\"").arg(name.replace(u'"', QLatin1String("\"\""))));
            !dropped)
            return dropped.failure();
    return made;
}

Result<SetImport> CatalogueStore::importSetRows(const QString &set,
                                                const QHash<qint64, GameId> &ids,
                                                SetGameFeed &games, Progress &progress)
{
    // Each statement is parsed once for the whole set; none outlives this call.
    StatementCache statements(m_db);
    m_statements = &statements;
    const auto reset = qScopeGuard([this] { m_statements = nullptr; });
    SetImport import;
    // New games go in many to a statement, the others one by one as they come.
    QList<const SetGame *> added;
    const auto addPending = [&] {
        const Outcome done = added.isEmpty() ? Outcome() : addSetGames(set, added, import);
        added.clear();
        return done;
    };
    progress.setTotal(games.size());
    for (qsizetype i = 0; i < games.size(); ++i) {
        const SetGame &game = games.at(i);
        const Result<bool> updated = importKnownSetGame(ids.value(game.key), game, import);
        if (!updated)
            return updated.failure();
        if (!*updated)
            added << &game;
        if (added.size() == kSetGamesPerBatch)
            if (const Outcome done = addPending(); !done)
                return done.failure();
        progress.setDone(i + 1);
        if (progress.isCancelled()) {
            SetImport stopped;
            stopped.cancelled = true;
            return stopped;
        }
    }
    if (const Outcome done = addPending(); !done)
        return done.failure();
    return import;
}
