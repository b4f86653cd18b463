#include "cataloguestore.h"

#include "database.h"
#include "statementcache.h"

#include <QScopeGuard>

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

Outcome CatalogueStore::importSetGame(const QString &set, GameId known, const SetGame &game,
                                      SetImport &import)
{
    const Result<std::optional<Game>> stored =
        known ? findGame(known) : Result<std::optional<Game>>(std::nullopt);
    if (!stored)
        return stored.failure();
    if (stored->has_value())
        return updateSetGame(**stored, game, import);
    const Result<GameId> id = insertGame(game.entry.game);
    if (!id)
        return id.failure();
    ++import.added;
    if (!game.entry.moreDisks.isEmpty())
        if (const Outcome written = writeMoreDisks(*id, game.entry.moreDisks); !written)
            return written;
    static const QString setRow =
        QStringLiteral("insert or replace into %1 (set_name, set_key, game) values (?,?,?)")
            .arg(setTable());
    if (const Result<qint64> q = write(setRow, {set, game.key, *id}); !q)
        return q.failure();
    // A new id has no start of its own yet, but may have one left by a game deleted before.
    static const QString clearStart =
        QStringLiteral("delete from %1 where game=?").arg(startTable());
    static const QString setStart =
        QStringLiteral("insert or replace into %1 (game, image, program) values (?, ?, ?)")
            .arg(startTable());
    const Result<qint64> started =
        game.start.isEmpty() ? write(clearStart, {*id})
                             : write(setStart, {*id, game.start.image, game.start.program});
    if (!started)
        return started.failure();
    return writeFirstPersonalData(*id, game.personal);
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
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return Failure{transaction.error()};
    if (const Outcome made = createSetTables(); !made)
        return made.failure();
    const Result<QHash<qint64, GameId>> ids = setGameIds(set);
    if (!ids)
        return ids.failure();
    const Result<SetImport> import = importSetRows(set, *ids, games, progress);
    if (!import || import->cancelled)
        return import;
    if (keep)
        if (const Outcome committed = transaction.commit(); !committed)
            return committed.failure();
    return import;
}

Result<SetImport> CatalogueStore::importSetRows(const QString &set,
                                                const QHash<qint64, GameId> &ids,
                                                const QList<SetGame> &games, Progress &progress)
{
    // Each statement is parsed once for the whole set; none outlives this call.
    StatementCache statements(m_db);
    m_statements = &statements;
    const auto reset = qScopeGuard([this] { m_statements = nullptr; });
    SetImport import;
    progress.setTotal(games.size());
    for (qsizetype i = 0; i < games.size(); ++i) {
        const SetGame &game = games.at(i);
        if (const Outcome done = importSetGame(set, ids.value(game.key), game, import); !done)
            return done.failure();
        progress.setDone(i + 1);
        if (progress.isCancelled()) {
            SetImport stopped;
            stopped.cancelled = true;
            return stopped;
        }
    }
    return import;
}
