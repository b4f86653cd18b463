#pragma once

#include "configuration.h"
#include "game.h"
#include "gameentry.h"
#include "gamequery.h"
#include "pathchange.h"
#include "progress.h"
#include "result.h"
#include "searchindex.h"
#include "setimport.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>

#include <optional>

class BoundRow;
class StatementCache;

// What a guarded update did: written, or held back because another program changed these
// fields since the editor read the game; stored is the game as it is now.
struct GuardedUpdate {
    QList<Game::Field> changedElsewhere;
    bool disksChangedElsewhere = false;
    Game stored;
    QStringList storedDisks; // held back only
    bool written() const { return changedElsewhere.isEmpty() && !disksChangedElsewhere; }
};

// A set's further disks as an editor read them and as it would write them.
struct DiskEdit {
    QStringList loaded;
    QStringList edited;
};

// The catalogue's games and configuration as typed records. The only C++ that names the
// catalogue's tables and columns (with data/schema.sql): everything else reads and writes
// Game and Configuration through it. Every value is bound; writes take the write lock at
// once. One store per connection, used on the connection's thread.
class CatalogueStore
{
public:
    explicit CatalogueStore(QSqlDatabase db);

    QSqlDatabase database() const { return m_db; }

    // The schema's names, for the engines that copy whole tables between catalogue files
    // and for the tables that later features add beside these two.
    static QString gameTable();
    static QString configTable();
    // Every column but the id, in schema order (Game::fields(), Configuration::paths()).
    static const QStringList &gameColumns();
    static const QStringList &configColumns();
    static QString column(Game::Field field);
    static QString column(Configuration::Path path);

    // Said when a game that a window holds was deleted meanwhile.
    static QString gameGoneText();

    Result<Game> game(GameId id) const;
    // Nothing when there is no such game: for the callers to whom a gone game is no error.
    Result<std::optional<Game>> findGame(GameId id) const;
    Result<QString> title(GameId id) const;
    // The set's further disks go in with the row, in the same transaction.
    Result<GameId> addGame(const Game &game, const QStringList &moreDisks = {});
    // Writes the fields in which edited differs from loaded, and nothing else.
    Outcome updateGame(const Game &loaded, const Game &edited);
    // updateGame(loaded, edited), unless another program changed one of the shown fields
    // since loaded was read and the write would undo that (the stored text differs from
    // both loaded's and edited's). Then nothing is written. Compared and written under
    // one write lock, so nobody changes the game in between.
    // Given disks, the set's further disks are guarded the same way and written with the
    // fields.
    Result<GuardedUpdate>
    updateGameUnlessChanged(const Game &loaded, const Game &edited, const QList<Game::Field> &shown,
                            const std::optional<DiskEdit> &disks = std::nullopt);
    // Writes the given fields of game (its id names the row).
    Outcome updateFields(const Game &game, const QList<Game::Field> &fields);
    Outcome deleteGame(GameId id);
    Result<qint64> gameCount() const;

    // The list rows for a filter and a search, sorted by title as the catalogue folds it,
    // with machine, year, publisher and genre (repeated texts shared).
    Result<QList<GameSummary>> games(const GameQuery &query) const;
    // The same rows with their machines left empty: quicker, for lists that read the
    // machines of the entries they draw only (machines()).
    Result<QList<GameSummary>> gameTitles(const GameQuery &query) const;
    // The machines of the given games, by id; a game that is gone has none. Read for the
    // entries a list draws, so that the list itself need not carry them.
    Result<QHash<GameId, QString>> machines(const QList<GameId> &ids) const;
    // The first screenshot of the given games, by id, for the tiles a grid draws.
    Result<QHash<GameId, QString>> firstScreenshots(const QList<GameId> &ids) const;
    // The searched columns of the games of a filter, folded for a search in memory. A
    // cancel through progress ends it with a failure.
    Result<SearchIndex> searchIndex(const GameFilter &filter, Progress *progress = nullptr) const;
    // Whether any game passes the filter.
    Result<bool> anyGame(const GameFilter &filter) const;
    // Every game's list row in stored order (by id), unsorted: an export file's listing.
    Result<QList<GameSummary>> allGames() const;
    // The first game (by id) with this title and machine, letter case aside; a Null title or
    // machine matches Null only. Nothing when there is none.
    Result<std::optional<Game>> matchingGame(const QString &title, const QString &machine) const;
    // Games whose machine begins with prefix (case-blind), by title then id.
    Result<QList<GameSummary>> gamesOfMachine(const QString &prefix) const;

    // Every game, by id, with only its id and the given fields read.
    Result<QList<Game>> gameFields(const QList<Game::Field> &fields) const;
    // Writes every change in one transaction. False, with nothing written, when the
    // progress was cancelled before the commit.
    Result<bool> writePaths(const QList<PathChange> &changes, Progress &progress);

    // The disks of a game's set beyond its game file and drives, in order. A catalogue
    // without the disk table has none; the table is made on the first write.
    Result<QStringList> moreDisks(GameId id) const;
    Outcome setMoreDisks(GameId id, const QStringList &disks);
    // Every game's further disks, for the work that looks at all stored paths.
    Result<QHash<GameId, QStringList>> allMoreDisks() const;
    // Every disk of the set in order: the game file, the drives, then the further disks.
    Result<QStringList> allDisks(const Game &game) const;
    // Adds the games and their disks in one transaction. Nothing is added when the progress
    // is cancelled before the commit (then the list is empty).
    Result<QList<GameId>> addGames(const QList<GameEntry> &entries, Progress &progress);
    // The collector's favourites and plays, in a table beside the exchange tables made on
    // the first write: a catalogue without it has none, and opens read-only too. Setting or
    // counting on a gone game is a failure (gameGoneText).
    Result<PersonalData> personalData(GameId id) const;
    // Only the games that have any, by id: cheap to merge into a list.
    Result<QHash<GameId, PersonalData>> allPersonalData() const;
    Outcome setFavourite(GameId id, bool favourite);
    // Counts a play started at when (seconds since the epoch).
    Outcome recordPlay(GameId id, qint64 when);

    // Where a set's game starts (GameStart); empty for the others. The table, beside the
    // exchange tables, is made by the first set import that needs it.
    Result<GameStart> gameStart(GameId id) const;

    // Brings a set's games in, in one transaction. A game the set brought before (by set and
    // key) is updated in place, unless the collector has changed it since (origin Private):
    // then it is left as it is and listed as a conflict. The others are added, and their keys
    // kept beside the exchange tables with where they start. A game added takes the set's
    // personal data (favourite, plays); an update never touches the collector's. Nothing is written
    // when the progress is cancelled (cancelled is then set), nor when keep is false: the counts
    // are then what it would do.
    Result<SetImport> importSetGames(const QString &set, SetGameFeed &games, Progress &progress,
                                     bool keep = true);
    Result<SetImport> importSetGames(const QString &set, const QList<SetGame> &games,
                                     Progress &progress, bool keep = true);
    // Drops every table beside the two exchange tables (the disk lists and what later
    // features add), for a copy that becomes an export file: peers get the exchange only.
    Outcome dropLocalTables();
    // Every path a game refers to: game files, drives, further disks, pictures and music.
    Result<QSet<QString>> referencedPaths() const;

    // The first configuration row; an empty Configuration when the table has none.
    Result<Configuration> configuration() const;
    // Writes the given paths, adding the configuration row when there is none.
    Outcome saveConfiguration(const Configuration &configuration,
                              const QList<Configuration::Path> &paths = Configuration::paths());

private:
    // updateFields inside the caller's write transaction.
    Outcome writeFields(const Game &game, const QList<Game::Field> &fields);
    Result<QList<GameSummary>> listGames(const GameQuery &query, bool withMachines) const;
    Result<GameId> insertGame(const Game &game);
    // Runs a write, through m_statements while an import keeps one; the row id it inserted.
    Result<qint64> write(const QString &sql, const QVariantList &params = {});
    Result<qint64> write(const QString &sql, const BoundRow &row);
    bool hasTable(const QString &name) const;
    Result<QHash<GameId, QString>> fieldOf(const QList<GameId> &ids, Game::Field field) const;
    static QString pathUpdate(const PathChange &change);
    Outcome createDiskTable();
    Outcome writeMoreDisks(GameId id, const QStringList &disks);
    Outcome replaceMoreDisks(GameId id, const QStringList &disks);
    Outcome writePersonal(GameId id, const QString &upsert, const QVariantList &values);
    Outcome createPersonalTable();
    Outcome writeFirstPersonalData(GameId id, const PersonalData &data);
    // Fills the rows' personal fields; with the recent filter, the latest play comes first.
    Outcome addPersonalData(QList<GameSummary> &rows, const GameFilter &filter) const;
    // Whether a filter can pass any game at all: the personal ones need the table.
    bool personalTableServes(const GameFilter &filter) const;
    // The sets' keys of the games they brought, beside the exchange tables like the disks.
    static QString setTable();
    Outcome createSetTables();
    static QString startTable();
    // Replaces the game's start, or removes it when start is empty; true when it changed.
    Result<bool> writeGameStart(GameId id, const GameStart &start);
    Result<QHash<qint64, GameId>> setGameIds(const QString &set) const;
    // Removes the starts left above the highest game id, which a game added next would take.
    Outcome clearStaleStarts();
    // A game the set brought before (known), updated inside importSetGames' transaction;
    // false when there is none, or it is gone since: then it is to be added.
    Result<bool> importKnownSetGame(GameId known, const SetGame &game, SetImport &import);
    // Adds the set's new games with their keys, starts, disks and personal data; counts
    // into import.
    Outcome addSetGames(const QString &set, const QList<const SetGame *> &games, SetImport &import);
    // importSetGames' rows, with each statement prepared once; cancelled stops at once.
    Result<SetImport> importSetRows(const QString &set, const QHash<qint64, GameId> &ids,
                                    SetGameFeed &games, Progress &progress);
    // The games of the set that no key of it brought before.
    static qsizetype newGames(const QHash<qint64, GameId> &ids, const SetGameFeed &games);
    // Drops the game table's indexes when adding that many games makes rebuilding them
    // quicker; returns what makes them again (nothing when they stay).
    Result<QStringList> dropGameIndexesFor(qsizetype added);
    // A game the set brought before: updated unless the collector made it Private.
    Outcome updateSetGame(const Game &old, const SetGame &game, SetImport &import);

    QSqlDatabase m_db;
    StatementCache *m_statements = nullptr; // set only during importSetGames
};
