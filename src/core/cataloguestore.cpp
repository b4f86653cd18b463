#include "cataloguestore.h"

#include "database.h"
#include "gamelistsql.h"
#include "titleorder.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

QString CatalogueStore::gameTable()
{
    return QStringLiteral("tabella1");
}

QString CatalogueStore::configTable()
{
    return QStringLiteral("tabella2");
}

const QStringList &CatalogueStore::gameColumns()
{
    return catalogue::gameColumns();
}

const QStringList &CatalogueStore::configColumns()
{
    return catalogue::configColumns();
}

QString CatalogueStore::column(Game::Field field)
{
    return catalogue::gameColumns().at(qsizetype(field));
}

QString CatalogueStore::column(Configuration::Path path)
{
    return catalogue::configColumns().at(qsizetype(path));
}

namespace
{

// Beside the exchange tables: export files never carry it, and a catalogue without it
// reads as one whose games have no further disks.
const QString kDiskTable = QStringLiteral("game_disks");

// Every game column after the id, in Game::fields() order.
QString gameColumnList()
{
    return catalogue::gameColumns().join(QLatin1Char(','));
}

QString text(const QVariant &value)
{
    // A number or blob from elsewhere reads as its text; Null stays a null QString.
    return value.isNull() ? QString() : value.toString();
}

Game readGame(const QSqlQuery &q)
{
    Game game;
    game.id = q.value(0).toLongLong();
    for (const Game::Field f : Game::fields())
        game.value(f) = text(q.value(int(f) + 1));
    return game;
}

// A bound value for a text: Null for a null QString, so what was read writes back alike.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

Failure failure(const QString &why)
{
    return {why};
}

} // namespace

CatalogueStore::CatalogueStore(QSqlDatabase db) : m_db(std::move(db)) {}

QString CatalogueStore::gameGoneText()
{
    return QCoreApplication::translate(
        "CatalogueStore", "This game is no longer in the catalogue: it was deleted meanwhile.");
}

Result<Game> CatalogueStore::game(GameId id) const
{
    QString why;
    QSqlQuery q = catalogue::run(
        m_db, QStringLiteral("select id,%1 from tabella1 where id=?").arg(gameColumnList()), {id},
        &why);
    if (!q.isActive())
        return failure(why);
    if (!q.next())
        return failure(gameGoneText());
    return readGame(q);
}

Result<QString> CatalogueStore::title(GameId id) const
{
    QString why;
    const auto row = catalogue::fetchOne(
        m_db, QStringLiteral("select titolo from tabella1 where id=?"), {id}, &why);
    if (!row)
        return failure(why.isEmpty() ? gameGoneText() : why);
    return text(row->value(0));
}

Result<GameId> CatalogueStore::addGame(const Game &game)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    const Result<GameId> id = insertGame(game);
    if (!id)
        return id;
    if (!transaction.commit())
        return failure(transaction.error());
    return id;
}

Result<GameId> CatalogueStore::insertGame(const Game &game)
{
    QStringList marks;
    QVariantList values;
    for (const Game::Field f : Game::fields()) {
        marks << QStringLiteral("?");
        values << bound(game.value(f));
    }
    QString why;
    const QSqlQuery q = catalogue::run(m_db,
                                       QStringLiteral("insert into tabella1 (%1) values (%2)")
                                           .arg(gameColumnList(), marks.join(QLatin1Char(','))),
                                       values, &why);
    if (!q.isActive())
        return failure(why);
    return q.lastInsertId().toLongLong();
}

Outcome CatalogueStore::updateGame(const Game &loaded, const Game &edited)
{
    Q_ASSERT(loaded.id == edited.id);
    return updateFields(edited, loaded.differences(edited));
}

Outcome CatalogueStore::updateFields(const Game &game, const QList<Game::Field> &fields)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (const Outcome written = writeFields(game, fields); !written)
        return written;
    if (!transaction.commit())
        return failure(transaction.error());
    return {};
}

Outcome CatalogueStore::writeFields(const Game &game, const QList<Game::Field> &fields)
{
    QString why;
    if (fields.isEmpty()) {
        // Nothing to write; the row must still be there.
        if (!catalogue::fetchOne(m_db, QStringLiteral("select id from tabella1 where id=?"),
                                 {game.id}, &why))
            return failure(why.isEmpty() ? gameGoneText() : why);
        return {};
    }
    QStringList assignments;
    QVariantList values;
    for (const Game::Field f : fields) {
        assignments << column(f) + QStringLiteral("=?");
        values << bound(game.value(f));
    }
    values << game.id;
    const QSqlQuery q = catalogue::run(
        m_db,
        QStringLiteral("update tabella1 set %1 where id=?").arg(assignments.join(QLatin1Char(','))),
        values, &why);
    if (!q.isActive())
        return failure(why);
    if (q.numRowsAffected() < 1)
        return failure(gameGoneText());
    return {};
}

Result<GuardedUpdate> CatalogueStore::updateGameUnlessChanged(const Game &loaded,
                                                              const Game &edited,
                                                              const QList<Game::Field> &shown)
{
    Q_ASSERT(loaded.id == edited.id);
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    Result<Game> stored = game(loaded.id);
    if (!stored)
        return stored.failure();
    GuardedUpdate update;
    for (const Game::Field f : Game::fields()) {
        const QString &now = stored->value(f);
        // Null and the empty text compare equal, as the editors store an empty box as Null.
        if (shown.contains(f) && now != loaded.value(f) && now != edited.value(f))
            update.changedElsewhere << f;
    }
    if (!update.written()) {
        update.stored = std::move(*stored);
        return update;
    }
    if (const Outcome written = writeFields(edited, loaded.differences(edited)); !written)
        return written.failure();
    if (!transaction.commit())
        return failure(transaction.error());
    return update;
}

Outcome CatalogueStore::deleteGame(GameId id)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    QString why;
    {
        const QSqlQuery q =
            catalogue::run(m_db, QStringLiteral("delete from tabella1 where id=?"), {id}, &why);
        if (!q.isActive())
            return failure(why);
        if (q.numRowsAffected() < 1)
            return failure(gameGoneText());
    }
    // Also where foreign keys are off, as in connections of other programs.
    if (hasTable(kDiskTable) &&
        !catalogue::run(m_db, QStringLiteral("delete from %1 where game=?").arg(kDiskTable), {id},
                        &why)
             .isActive())
        return failure(why);
    if (!transaction.commit())
        return failure(transaction.error());
    return {};
}

Result<qint64> CatalogueStore::gameCount() const
{
    QString why;
    const auto row =
        catalogue::fetchOne(m_db, QStringLiteral("select count(*) from tabella1"), {}, &why);
    if (!row)
        return failure(why);
    return row->value(0).toLongLong();
}

Result<QList<GameSummary>> CatalogueStore::gamesOfMachine(const QString &prefix) const
{
    QString why;
    QSqlQuery q = catalogue::run(
        m_db,
        QStringLiteral("select id, titolo, formato from tabella1 where formato like ? "
                       "order by titolo, id"),
        {QString(prefix + QLatin1Char('*'))}, &why);
    if (!q.isActive())
        return failure(why);
    QList<GameSummary> games;
    while (q.next())
        games.append({q.value(0).toLongLong(), text(q.value(1)), text(q.value(2))});
    return games;
}

Result<Configuration> CatalogueStore::configuration() const
{
    QStringList columns;
    for (const Configuration::Path p : Configuration::paths())
        columns << column(p);
    columns << QStringLiteral("dbver");
    QString why;
    QSqlQuery q = catalogue::run(
        m_db, QStringLiteral("select %1 from tabella2 order by id limit 1").arg(columns.join(u',')),
        {}, &why);
    if (!q.isActive())
        return failure(why);
    Configuration configuration;
    if (!q.next())
        return configuration;
    for (const Configuration::Path p : Configuration::paths())
        configuration.value(p) = text(q.value(int(p)));
    configuration.version = text(q.value(int(columns.size()) - 1));
    return configuration;
}

Outcome CatalogueStore::saveConfiguration(const Configuration &configuration,
                                          const QList<Configuration::Path> &paths)
{
    if (paths.isEmpty())
        return {};
    QStringList assignments;
    QVariantList values;
    for (const Configuration::Path p : paths) {
        assignments << column(p) + QStringLiteral("=?");
        // Empty paths are stored as Null, as the configuration window always did.
        const QString &v = configuration.value(p);
        values << (v.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(v));
    }
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    QString why;
    const auto existing =
        catalogue::fetchOne(m_db, QStringLiteral("select id from tabella2 limit 1"), {}, &why);
    if (!why.isEmpty())
        return failure(why);
    if (!existing &&
        !catalogue::run(m_db, QStringLiteral("insert into tabella2 default values"), {}, &why)
             .isActive())
        return failure(why);
    {
        const QSqlQuery update = catalogue::run(
            m_db,
            QStringLiteral("update tabella2 set %1 where id=(select min(id) from tabella2)")
                .arg(assignments.join(QLatin1Char(','))),
            values, &why);
        if (!update.isActive())
            return failure(why);
    }
    if (!transaction.commit())
        return failure(transaction.error());
    return {};
}

Result<QList<GameSummary>> CatalogueStore::games(const GameQuery &query) const
{
    // Read in stored order and sorted here: in title order a filtered scan would fetch
    // every row through the title index, several times slower on a large catalogue.
    const gamelistsql::Clause list = gamelistsql::listQuery(query);
    QString why;
    QSqlQuery q = catalogue::run(m_db, list.sql, list.params, &why);
    if (!q.isActive())
        return failure(why.isEmpty() ? QStringLiteral("the list query failed") : why);
    QList<GameSummary> rows;
    while (q.next())
        rows.append({q.value(0).toLongLong(), text(q.value(1)), text(q.value(2))});
    sortByTitle(rows);
    return rows;
}

Result<bool> CatalogueStore::anyGame(const GameFilter &filter) const
{
    QString why;
    QSqlQuery q = catalogue::run(m_db, gamelistsql::probeQuery(filter), {}, &why);
    if (!q.isActive())
        return failure(why.isEmpty() ? QStringLiteral("the filter query failed") : why);
    return q.next();
}

Result<QList<Game>> CatalogueStore::gameFields(const QList<Game::Field> &fields) const
{
    QStringList columns;
    for (const Game::Field f : fields)
        columns << column(f);
    QString why;
    QSqlQuery q = catalogue::run(
        m_db, QStringLiteral("select id,%1 from tabella1 order by id").arg(columns.join(u',')), {},
        &why);
    if (!q.isActive())
        return failure(why);
    QList<Game> games;
    while (q.next()) {
        Game game;
        game.id = q.value(0).toLongLong();
        for (qsizetype i = 0; i < fields.size(); ++i)
            game.value(fields.at(i)) = text(q.value(int(i) + 1));
        games.append(std::move(game));
    }
    return games;
}

Result<bool> CatalogueStore::writePaths(const QList<PathChange> &changes, Progress &progress)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    progress.setTotal(changes.size());
    qint64 done = 0;
    for (const PathChange &change : changes) {
        QString sql;
        if (change.isConfiguration())
            sql = QStringLiteral("update tabella2 set %1=? where id=(select min(id) from tabella2)")
                      .arg(column(change.folder));
        else if (change.disk >= 0)
            sql = QStringLiteral("update %1 set path=? where game=? and position=%2")
                      .arg(kDiskTable)
                      .arg(change.disk);
        else
            sql = QStringLiteral("update tabella1 set %1=? where id=?").arg(column(change.field));
        QVariantList values{change.newPath};
        if (!change.isConfiguration())
            values << change.game;
        QString why;
        if (!catalogue::run(m_db, sql, values, &why).isActive())
            return failure(why);
        if (++done % 1024 == 0) {
            progress.setDone(done);
            if (progress.isCancelled())
                return false;
        }
    }
    if (progress.isCancelled())
        return false;
    if (!transaction.commit())
        return failure(transaction.error());
    return true;
}

bool CatalogueStore::hasTable(const QString &name) const
{
    QString why;
    const auto row = catalogue::fetchOne(
        m_db, QStringLiteral("select 1 from sqlite_master where type='table' and name=?"), {name},
        &why);
    return row.has_value();
}

Outcome CatalogueStore::createDiskTable()
{
    QString why;
    const QSqlQuery q = catalogue::run(
        m_db,
        QStringLiteral("create table if not exists %1 ("
                       "game INTEGER NOT NULL REFERENCES tabella1(id) ON DELETE CASCADE, "
                       "position INTEGER NOT NULL, path TEXT NOT NULL, "
                       "PRIMARY KEY (game, position)) WITHOUT ROWID")
            .arg(kDiskTable),
        {}, &why);
    return q.isActive() ? Outcome() : failure(why);
}

Result<QStringList> CatalogueStore::moreDisks(GameId id) const
{
    if (!hasTable(kDiskTable))
        return QStringList();
    QString why;
    QSqlQuery q = catalogue::run(
        m_db, QStringLiteral("select path from %1 where game=? order by position").arg(kDiskTable),
        {id}, &why);
    if (!q.isActive())
        return failure(why);
    QStringList disks;
    while (q.next())
        disks << q.value(0).toString();
    return disks;
}

Outcome CatalogueStore::writeMoreDisks(GameId id, const QStringList &disks)
{
    if (const Outcome made = createDiskTable(); !made)
        return made;
    QString why;
    if (!catalogue::run(m_db, QStringLiteral("delete from %1 where game=?").arg(kDiskTable), {id},
                        &why)
             .isActive())
        return failure(why);
    for (qsizetype i = 0; i < disks.size(); ++i)
        if (!catalogue::run(m_db,
                            QStringLiteral("insert into %1 (game, position, path) values (?,?,?)")
                                .arg(kDiskTable),
                            {id, i, disks.at(i)}, &why)
                 .isActive())
            return failure(why);
    return {};
}

Outcome CatalogueStore::setMoreDisks(GameId id, const QStringList &disks)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (const Outcome written = writeMoreDisks(id, disks); !written)
        return written;
    if (!transaction.commit())
        return failure(transaction.error());
    return {};
}

Result<QStringList> CatalogueStore::allDisks(const Game &game) const
{
    const Result<QStringList> more = moreDisks(game.id);
    if (!more)
        return more;
    QStringList disks;
    for (const QString &disk : {game.gameFile, game.drive2, game.drive3, game.drive4})
        if (!disk.isEmpty())
            disks << disk;
    return disks + *more;
}

Result<QList<GameId>> CatalogueStore::addGames(const QList<GameEntry> &entries, Progress &progress)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    QList<GameId> ids;
    progress.setTotal(entries.size());
    for (const GameEntry &entry : entries) {
        const Result<GameId> id = insertGame(entry.game);
        if (!id)
            return id.failure();
        if (!entry.moreDisks.isEmpty())
            if (const Outcome written = writeMoreDisks(*id, entry.moreDisks); !written)
                return written.failure();
        ids << *id;
        progress.setDone(ids.size());
        if (progress.isCancelled())
            return QList<GameId>();
    }
    if (!transaction.commit())
        return failure(transaction.error());
    return ids;
}

Result<QHash<GameId, QStringList>> CatalogueStore::allMoreDisks() const
{
    QHash<GameId, QStringList> disks;
    if (!hasTable(kDiskTable))
        return disks;
    QString why;
    QSqlQuery q = catalogue::run(
        m_db, QStringLiteral("select game, path from %1 order by game, position").arg(kDiskTable),
        {}, &why);
    if (!q.isActive())
        return failure(why);
    while (q.next())
        disks[q.value(0).toLongLong()] << q.value(1).toString();
    return disks;
}

Result<QSet<QString>> CatalogueStore::referencedPaths() const
{
    static const QList<Game::Field> fields{Game::Field::GameFile,   Game::Field::Drive2,
                                           Game::Field::Drive3,     Game::Field::Drive4,
                                           Game::Field::MusicFile,  Game::Field::Screenshot1,
                                           Game::Field::Screenshot2};
    const Result<QList<Game>> games = gameFields(fields);
    if (!games)
        return games.failure();
    QSet<QString> paths;
    for (const Game &game : *games)
        for (const Game::Field f : fields)
            if (!game.value(f).isEmpty())
                paths.insert(game.value(f));
    const Result<QHash<GameId, QStringList>> disks = allMoreDisks();
    if (!disks)
        return disks.failure();
    for (const QStringList &list : *disks)
        for (const QString &disk : list)
            paths.insert(disk);
    return paths;
}
