#pragma once

#include "result.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <unordered_map>

class BoundRow;
struct sqlite3;
struct sqlite3_stmt;

// Statements prepared once and bound again for each row of a long run of writes: SQLite
// parses each text only the first time, and values go to SQLite's own binding calls, which
// a long import spends most of its writing time on otherwise. Drop the cache before the
// transaction it serves ends.
class StatementCache
{
public:
    explicit StatementCache(const QSqlDatabase &db);
    ~StatementCache();
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    // Runs sql, which gives no rows, with positional parameters; returns the last row id
    // inserted.
    Result<qint64> run(const QString &sql, const QVariantList &params = {});
    // The same with values bound by type, for the writes a long import makes per row.
    Result<qint64> run(const QString &sql, const BoundRow &row);
    // Inserts values as rows of columns values each through head ("insert into t (a, b)
    // values "), up to kRowsPerInsert rows a statement: SQLite's work per statement then
    // counts once for many rows. Returns the last row id inserted.
    Result<qint64> insertRows(const QString &head, int columns, const BoundRow &values);
    // Rows to a statement at most, fewer where SQLite's smallest bound on a statement's
    // parameters (999) asks for it.
    static constexpr int kRowsPerInsert = 32;

private:
    Result<sqlite3_stmt *> prepared(const QString &sql);
    // The insert of rows rows through head, prepared once for each count.
    Result<sqlite3_stmt *> preparedRows(const QString &head, int columns, int rows);
    // Steps a statement bound with result rc, then resets it and clears its bindings.
    Result<qint64> finish(sqlite3_stmt *statement, int rc);
    Failure lastFailure() const;

    struct Known {
        qsizetype size;
        sqlite3_stmt *statement;
    };
    sqlite3 *m_handle;
    std::unordered_map<QString, sqlite3_stmt *> m_statements;
    // The same statements by the address of their text: the store passes the same texts
    // again and again, and a text whose buffer a key shares holds the key's characters, so
    // the common case needs no hash over the whole statement.
    std::unordered_map<const QChar *, Known> m_byText;
    QHash<std::pair<QString, int>, sqlite3_stmt *> m_rowInserts;
};
