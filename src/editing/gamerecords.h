#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

#include <optional>

// Reads and writes the game rows (tabella1) and reads the configuration record
// (tabella2) for the editing windows. Column names are checked against the schema, so
// the only text spliced into SQL is a known column name; every value is bound.
namespace gamerecords
{

// What an edit box stores: its text, or Null when it is empty.
QVariant storedText(const QString &text);

// Said when a game row that a window holds has been deleted meanwhile.
QString recordGoneText();

// The game's row keyed by lower-case column name (id included), or nothing with *error
// set: recordGoneText() when no row has that id, the database's reason otherwise.
std::optional<QVariantMap> loadGame(const QSqlDatabase &db, int id, QString *error);

// Adds a game from the given columns; columns not given stay Null (dbver too, unless
// given). Returns the new id, or 0 with *error set.
int insertGame(const QSqlDatabase &db, const QVariantMap &fields, QString *error);

// Writes exactly the given columns of one game in one write transaction. Fails with
// recordGoneText() when no row has that id; an unknown column fails before anything is
// written.
bool updateGame(const QSqlDatabase &db, int id, const QVariantMap &fields, QString *error);

struct GuardedUpdate {
    bool written = false;
    // Not written because another program changed these columns since the editor loaded
    // the game (editconflict::lostColumns); stored is the row as it is now.
    QStringList lostColumns;
    QVariantMap stored;
    QString error; // neither written nor held back by a change: why
};

// updateGame, unless writing would undo a change another program made since `loaded` (the
// editor's columns as it read them) was read. Compared and written under one write lock.
GuardedUpdate updateGameUnlessChanged(const QSqlDatabase &db, int id, const QVariantMap &fields,
                                      const QVariantMap &loaded);

// The configuration record (the first row of tabella2) keyed by lower-case column
// name; empty when the table has no row or cannot be read (then *error says why).
QVariantMap loadConfiguration(const QSqlDatabase &db, QString *error = nullptr);

struct GameEntry {
    int id = 0;
    QString title;
};

// Games whose machine (formato) begins with prefix (case-blind; an empty prefix lists every game
// whose machine has a value), ordered by title.
QList<GameEntry> gamesByMachinePrefix(const QSqlDatabase &db, const QString &prefix,
                                      QString *error = nullptr);

} // namespace gamerecords
