#include "cataloguestore.h"

#include "boundrow.h"
#include "database.h"
#include "gamelistsql.h"
#include "statementcache.h"
#include "titleorder.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <sqlite3.h>

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
    static const QStringList columns = {
        QStringLiteral("titolo"),      QStringLiteral("sh"),
        QStringLiteral("team"),        QStringLiteral("year"),
        QStringLiteral("tipo"),        QStringLiteral("formato"),
        QStringLiteral("design"),      QStringLiteral("programming"),
        QStringLiteral("graphics"),    QStringLiteral("music"),
        QStringLiteral("adddesign"),   QStringLiteral("addprogramming"),
        QStringLiteral("addgraphics"), QStringLiteral("addmusic"),
        QStringLiteral("others"),      QStringLiteral("note"),
        QStringLiteral("voto"),        QStringLiteral("emulator"),
        QStringLiteral("emul1"),       QStringLiteral("df1"),
        QStringLiteral("df2"),         QStringLiteral("df3"),
        QStringLiteral("song"),        QStringLiteral("screen1"),
        QStringLiteral("screen2"),     QStringLiteral("dbver")};
    return columns;
}

const QStringList &CatalogueStore::configColumns()
{
    static const QStringList columns = {
        QStringLiteral("ccs64"),      QStringLiteral("vice"),        QStringLiteral("c64s"),
        QStringLiteral("pc64"),       QStringLiteral("uae"),         QStringLiteral("fellow"),
        QStringLiteral("player1"),    QStringLiteral("player2"),     QStringLiteral("game64"),
        QStringLiteral("music64"),    QStringLiteral("screen64"),    QStringLiteral("gameamiga"),
        QStringLiteral("musicamiga"), QStringLiteral("screenamiga"), QStringLiteral("dbver")};
    return columns;
}

QString CatalogueStore::column(Game::Field field)
{
    return gameColumns().at(qsizetype(field));
}

QString CatalogueStore::column(Configuration::Path path)
{
    return configColumns().at(qsizetype(path));
}

namespace
{

// Beside the exchange tables: export files never carry it, and a catalogue without it
// reads as one whose games have no further disks.
const QString kDiskTable = QStringLiteral("game_disks");

// Every game column after the id, in Game::fields() order.
QString gameColumnList()
{
    return CatalogueStore::gameColumns().join(QLatin1Char(','));
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

// A list row from "id, title[, machine]".
GameSummary summaryOf(const QSqlQuery &q, bool withMachine)
{
    GameSummary summary;
    summary.id = q.value(0).toLongLong();
    summary.title = text(q.value(1));
    if (withMachine)
        summary.machine = text(q.value(2));
    return summary;
}

// One copy of each repeated text: a machine, a year or a publisher stands in thousands of
// rows of a large catalogue.
class SharedTexts
{
public:
    QString operator()(const QString &read)
    {
        return read.isEmpty() ? read : *m_texts.insert(read);
    }

private:
    QSet<QString> m_texts;
};

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
    Result<std::optional<Game>> found = findGame(id);
    if (!found)
        return found.failure();
    if (!found->has_value())
        return failure(gameGoneText());
    return std::move(**found);
}

Result<std::optional<Game>> CatalogueStore::findGame(GameId id) const
{
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select id,%1 from tabella1 where id=?").arg(gameColumnList()), {id});
    if (!q)
        return q.failure();
    if (!q->next())
        return std::optional<Game>();
    return std::optional(readGame(*q));
}

Result<QString> CatalogueStore::title(GameId id) const
{
    const auto row =
        catalogue::fetchOne(m_db, QStringLiteral("select titolo from tabella1 where id=?"), {id});
    if (!row)
        return row.failure();
    if (!row->has_value())
        return failure(gameGoneText());
    return text((*row)->value(0));
}

Result<GameId> CatalogueStore::addGame(const Game &game, const QStringList &moreDisks)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    const Result<GameId> id = insertGame(game);
    if (!id)
        return id;
    if (!moreDisks.isEmpty())
        if (const Outcome written = writeMoreDisks(*id, moreDisks); !written)
            return written.failure();
    if (const Outcome committed = transaction.commit(); !committed)
        return committed.failure();
    return id;
}

Result<GameId> CatalogueStore::insertGame(const Game &game)
{
    static const QString sql =
        QStringLiteral("insert into tabella1 (%1) values (%2)")
            .arg(gameColumnList(),
                 QStringList(Game::fields().size(), QStringLiteral("?")).join(QLatin1Char(',')));
    BoundRow row;
    for (const Game::Field f : Game::fields())
        row.add(game.value(f));
    return write(sql, row);
}

Result<qint64> CatalogueStore::write(const QString &sql, const QVariantList &params)
{
    if (m_statements)
        return m_statements->run(sql, params);
    const Result<QSqlQuery> q = catalogue::run(m_db, sql, params);
    if (!q)
        return q.failure();
    return q->lastInsertId().toLongLong();
}

Result<qint64> CatalogueStore::write(const QString &sql, const BoundRow &row)
{
    if (m_statements)
        return m_statements->run(sql, row);
    StatementCache once(m_db);
    return once.run(sql, row);
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
    return transaction.commit();
}

Outcome CatalogueStore::writeFields(const Game &game, const QList<Game::Field> &fields)
{
    if (fields.isEmpty()) {
        // Nothing to write; the row must still be there.
        const auto row = catalogue::fetchOne(
            m_db, QStringLiteral("select id from tabella1 where id=?"), {game.id});
        if (!row)
            return row.failure();
        if (!row->has_value())
            return failure(gameGoneText());
        return {};
    }
    QStringList assignments;
    QVariantList values;
    for (const Game::Field f : fields) {
        assignments << column(f) + QStringLiteral("=?");
        values << bound(game.value(f));
    }
    values << game.id;
    const Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("update tabella1 set %1 where id=?").arg(assignments.join(QLatin1Char(','))),
        values);
    if (!q)
        return q.failure();
    if (q->numRowsAffected() < 1)
        return failure(gameGoneText());
    return {};
}

Result<GuardedUpdate> CatalogueStore::updateGameUnlessChanged(const Game &loaded,
                                                              const Game &edited,
                                                              const QList<Game::Field> &shown,
                                                              const std::optional<DiskEdit> &disks)
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
    if (disks) {
        Result<QStringList> now = moreDisks(loaded.id);
        if (!now)
            return now.failure();
        update.disksChangedElsewhere = *now != disks->loaded && *now != disks->edited;
        if (!update.written())
            update.storedDisks = std::move(*now);
    }
    if (!update.written()) {
        update.stored = std::move(*stored);
        return update;
    }
    if (const Outcome written = writeFields(edited, loaded.differences(edited)); !written)
        return written.failure();
    if (disks)
        if (const Outcome written = replaceMoreDisks(loaded.id, disks->edited); !written)
            return written.failure();
    if (const Outcome committed = transaction.commit(); !committed)
        return committed.failure();
    return update;
}

Outcome CatalogueStore::deleteGame(GameId id)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    {
        const Result<QSqlQuery> q =
            catalogue::run(m_db, QStringLiteral("delete from tabella1 where id=?"), {id});
        if (!q)
            return q.failure();
        if (q->numRowsAffected() < 1)
            return failure(gameGoneText());
    }
    // Also where foreign keys are off, as in connections of other programs.
    for (const QString &table :
         {kDiskTable, gamelistsql::personalTable(), setTable(), startTable()})
        if (hasTable(table))
            if (const auto q = catalogue::run(
                    m_db, QStringLiteral("delete from %1 where game=?").arg(table), {id});
                !q)
                return q.failure();
    return transaction.commit();
}

Result<qint64> CatalogueStore::gameCount() const
{
    const auto row = catalogue::fetchOne(m_db, QStringLiteral("select count(*) from tabella1"));
    if (!row)
        return row.failure();
    return row->value_or(QSqlRecord()).value(0).toLongLong();
}

Result<QList<GameSummary>> CatalogueStore::allGames() const
{
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select id, titolo, formato from tabella1 order by id"));
    if (!q)
        return q.failure();
    QList<GameSummary> games;
    while (q->next())
        games.append(summaryOf(*q, true));
    if (q->lastError().isValid())
        return failure(catalogue::describeError(q->lastError().databaseText()));
    return games;
}

Result<std::optional<Game>> CatalogueStore::matchingGame(const QString &title,
                                                         const QString &machine) const
{
    // "is" rather than "=": a game without title still finds its own kind.
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select id,%1 from tabella1 where titolo is ? and formato is ? "
                       "order by id limit 1")
            .arg(gameColumnList()),
        {bound(title), bound(machine)});
    if (!q)
        return q.failure();
    if (!q->next())
        return std::optional<Game>();
    return std::optional<Game>(readGame(*q));
}

Result<QList<GameSummary>> CatalogueStore::gamesOfMachine(const QString &prefix) const
{
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select id, titolo, formato from tabella1 where formato like ? "
                       "order by titolo, id"),
        {QString(prefix + QLatin1Char('*'))});
    if (!q)
        return q.failure();
    QList<GameSummary> games;
    while (q->next())
        games.append(summaryOf(*q, true));
    return games;
}

Result<Configuration> CatalogueStore::configuration() const
{
    QStringList columns;
    for (const Configuration::Path p : Configuration::paths())
        columns << column(p);
    columns << QStringLiteral("dbver");
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select %1 from tabella2 order by id limit 1").arg(columns.join(u',')));
    if (!q)
        return q.failure();
    Configuration configuration;
    if (!q->next())
        return configuration;
    for (const Configuration::Path p : Configuration::paths())
        configuration.value(p) = text(q->value(int(p)));
    configuration.version = text(q->value(int(columns.size()) - 1));
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
    const auto existing =
        catalogue::fetchOne(m_db, QStringLiteral("select id from tabella2 limit 1"));
    if (!existing)
        return existing.failure();
    if (!existing->has_value())
        if (const auto added =
                catalogue::run(m_db, QStringLiteral("insert into tabella2 default values"));
            !added)
            return added.failure();
    {
        const Result<QSqlQuery> update = catalogue::run(
            m_db,
            QStringLiteral("update tabella2 set %1 where id=(select min(id) from tabella2)")
                .arg(assignments.join(QLatin1Char(','))),
            values);
        if (!update)
            return update.failure();
    }
    return transaction.commit();
}

Result<QList<GameSummary>> CatalogueStore::games(const GameQuery &query) const
{
    return listGames(query, true);
}

Result<QList<GameSummary>> CatalogueStore::gameTitles(const GameQuery &query) const
{
    return listGames(query, false);
}

Result<QList<GameSummary>> CatalogueStore::listGames(const GameQuery &query,
                                                     bool withMachines) const
{
    // Read in stored order and sorted here: in title order a filtered scan would fetch
    // every row through the title index, several times slower on a large catalogue.
    if (!personalTableServes(query.filter))
        return QList<GameSummary>();
    const gamelistsql::Clause list = gamelistsql::listQuery(query, withMachines);
    QList<GameSummary> rows;
    SharedTexts shared;
    const Outcome read = catalogue::forEachRow(m_db, list.sql, list.params, [&](sqlite3_stmt *q) {
        GameSummary &row = rows.emplace_back();
        row.id = sqlite3_column_int64(q, 0);
        row.title = catalogue::columnText(q, 1);
        if (!withMachines)
            return;
        row.machine = shared(catalogue::columnText(q, 2));
        row.year = shared(catalogue::columnText(q, 3));
        row.publisher = shared(catalogue::columnText(q, 4));
        row.genre = shared(catalogue::columnText(q, 5));
    });
    if (!read)
        return read.failure();
    sortByTitle(rows);
    if (const Outcome personal = addPersonalData(rows, query.filter); !personal)
        return personal.failure();
    return rows;
}

Result<SearchIndex> CatalogueStore::searchIndex(const GameFilter &filter, Progress *progress) const
{
    const QStringList &columns = gamelistsql::searchColumns();
    QString sql = QStringLiteral("select id, [") + columns.join(QStringLiteral("], [")) +
                  QStringLiteral("] from tabella1");
    if (const QString condition = gamelistsql::filterCondition(filter); !condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    Result<QSqlQuery> q = catalogue::run(m_db, sql, {});
    if (!q)
        return q.failure();
    SearchIndex index;
    QStringList values(columns.size());
    while (q->next()) {
        if (progress && index.size() % 4096 == 0 && progress->isCancelled())
            return failure(QCoreApplication::translate("CatalogueStore", "Cancelled."));
        for (qsizetype i = 0; i < columns.size(); ++i)
            values[i] = text(q->value(int(i) + 1));
        index.add(q->value(0).toLongLong(), values);
    }
    if (q->lastError().isValid())
        return failure(catalogue::describeError(q->lastError().databaseText()));
    return index;
}

Result<QHash<GameId, QString>> CatalogueStore::machines(const QList<GameId> &ids) const
{
    return fieldOf(ids, Game::Field::Machine);
}

Result<QHash<GameId, QString>> CatalogueStore::firstScreenshots(const QList<GameId> &ids) const
{
    return fieldOf(ids, Game::Field::Screenshot1);
}

Result<QHash<GameId, QString>> CatalogueStore::fieldOf(const QList<GameId> &ids,
                                                       Game::Field field) const
{
    QHash<GameId, QString> values;
    if (ids.isEmpty())
        return values;
    QVariantList params;
    for (const GameId id : ids)
        params << id;
    const QString marks = QStringLiteral("?,").repeated(ids.size()).chopped(1);
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select id, %1 from tabella1 where id in (%2)").arg(column(field), marks),
        params);
    if (!q)
        return q.failure();
    while (q->next())
        values.insert(q->value(0).toLongLong(), text(q->value(1)));
    return values;
}

Result<bool> CatalogueStore::anyGame(const GameFilter &filter) const
{
    if (!personalTableServes(filter))
        return false;
    Result<QSqlQuery> q = catalogue::run(m_db, gamelistsql::probeQuery(filter));
    if (!q)
        return q.failure();
    return q->next();
}

Result<QList<Game>> CatalogueStore::gameFields(const QList<Game::Field> &fields) const
{
    QStringList columns;
    for (const Game::Field f : fields)
        columns << column(f);
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select id,%1 from tabella1 order by id").arg(columns.join(u',')));
    if (!q)
        return q.failure();
    QList<Game> games;
    while (q->next()) {
        Game game;
        game.id = q->value(0).toLongLong();
        for (qsizetype i = 0; i < fields.size(); ++i)
            game.value(fields.at(i)) = text(q->value(int(i) + 1));
        games.append(std::move(game));
    }
    return games;
}

// The statement that writes one relinked path.
QString CatalogueStore::pathUpdate(const PathChange &change)
{
    if (change.isConfiguration())
        return QStringLiteral("update tabella2 set %1=? where id=(select min(id) from tabella2)")
            .arg(column(change.folder));
    if (change.disk >= 0)
        return QStringLiteral("update %1 set path=? where game=? and position=?").arg(kDiskTable);
    return QStringLiteral("update tabella1 set %1=? where id=?").arg(column(change.field));
}

Result<bool> CatalogueStore::writePaths(const QList<PathChange> &changes, Progress &progress)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    progress.setTotal(changes.size());
    qint64 done = 0;
    for (const PathChange &change : changes) {
        QVariantList values{change.newPath};
        if (!change.isConfiguration())
            values << change.game;
        if (!change.isConfiguration() && change.disk >= 0)
            values << change.disk;
        if (const Result<QSqlQuery> q = catalogue::run(m_db, pathUpdate(change), values); !q)
            return q.failure();
        if (++done % 1024 == 0) {
            progress.setDone(done);
            if (progress.isCancelled())
                return false;
        }
    }
    if (progress.isCancelled())
        return false;
    if (const Outcome committed = transaction.commit(); !committed)
        return committed.failure();
    return true;
}

bool CatalogueStore::hasTable(const QString &name) const
{
    const auto row = catalogue::fetchOne(
        m_db, QStringLiteral("select 1 from sqlite_master where type='table' and name=?"), {name});
    return row && row->has_value();
}

Outcome CatalogueStore::createDiskTable()
{
    const Result<qint64> q =
        write(QStringLiteral("create table if not exists %1 ("
                             "game INTEGER NOT NULL REFERENCES tabella1(id) ON DELETE CASCADE, "
                             "position INTEGER NOT NULL, path TEXT NOT NULL, "
                             "PRIMARY KEY (game, position)) WITHOUT ROWID")
                  .arg(kDiskTable));
    return q ? Outcome() : q.failure();
}

Result<QStringList> CatalogueStore::moreDisks(GameId id) const
{
    if (!hasTable(kDiskTable))
        return QStringList();
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select path from %1 where game=? order by position").arg(kDiskTable),
        {id});
    if (!q)
        return q.failure();
    QStringList disks;
    while (q->next())
        disks << q->value(0).toString();
    return disks;
}

Outcome CatalogueStore::writeMoreDisks(GameId id, const QStringList &disks)
{
    if (const Outcome made = createDiskTable(); !made)
        return made;
    if (const auto q = write(QStringLiteral("delete from %1 where game=?").arg(kDiskTable), {id});
        !q)
        return q.failure();
    const QString insert =
        QStringLiteral("insert into %1 (game, position, path) values (?,?,?)").arg(kDiskTable);
    for (qsizetype i = 0; i < disks.size(); ++i)
        if (const auto q = write(insert, {id, i, disks.at(i)}); !q)
            return q.failure();
    return {};
}

// Leaves the table alone when the list stays as it is, so that a catalogue without the
// table gets none for a game without further disks.
Outcome CatalogueStore::replaceMoreDisks(GameId id, const QStringList &disks)
{
    const Result<QStringList> stored = moreDisks(id);
    if (!stored)
        return stored.failure();
    return *stored == disks ? Outcome() : writeMoreDisks(id, disks);
}

Outcome CatalogueStore::setMoreDisks(GameId id, const QStringList &disks)
{
    catalogue::WriteTransaction transaction(m_db);
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (const Outcome written = writeMoreDisks(id, disks); !written)
        return written;
    return transaction.commit();
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
    if (const Outcome committed = transaction.commit(); !committed)
        return committed.failure();
    return ids;
}

Result<QHash<GameId, QStringList>> CatalogueStore::allMoreDisks() const
{
    QHash<GameId, QStringList> disks;
    if (!hasTable(kDiskTable))
        return disks;
    Result<QSqlQuery> q = catalogue::run(
        m_db, QStringLiteral("select game, path from %1 order by game, position").arg(kDiskTable));
    if (!q)
        return q.failure();
    while (q->next())
        disks[q->value(0).toLongLong()] << q->value(1).toString();
    return disks;
}

Result<QSet<QString>> CatalogueStore::referencedPaths() const
{
    static const QList<Game::Field> fields{Game::Field::GameFile,   Game::Field::SecondDrive,
                                           Game::Field::ThirdDrive, Game::Field::FourthDrive,
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

Outcome CatalogueStore::dropLocalTables()
{
    Result<QSqlQuery> q = catalogue::run(
        m_db,
        QStringLiteral("select name from sqlite_master where type='table' and name not in "
                       "(?, ?) and substr(name, 1, 7) <> 'sqlite_'"),
        {gameTable(), configTable()});
    if (!q)
        return q.failure();
    QStringList tables;
    while (q->next())
        tables << q->value(0).toString();
    q->finish();
    for (const QString &table : tables)
        if (const auto dropped =
                catalogue::run(m_db, QStringLiteral("drop table \"%1\"").arg(table));
            !dropped)
            return dropped.failure();
    return {};
}
