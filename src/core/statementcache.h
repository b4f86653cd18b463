#pragma once

#include "result.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <unordered_map>

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

private:
    Result<sqlite3_stmt *> prepared(const QString &sql);
    Failure lastFailure() const;

    sqlite3 *m_handle;
    std::unordered_map<QString, sqlite3_stmt *> m_statements;
};
