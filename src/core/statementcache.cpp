#include "statementcache.h"

#include "database.h"

#include <sqlite3.h>

StatementCache::StatementCache(const QSqlDatabase &db) : m_handle(catalogue::nativeHandle(db)) {}

StatementCache::~StatementCache()
{
    for (const auto &[sql, statement] : m_statements)
        sqlite3_finalize(statement);
}

Result<qint64> StatementCache::run(const QString &sql, const QVariantList &params)
{
    const Result<sqlite3_stmt *> statement = prepared(sql);
    if (!statement)
        return statement.failure();
    sqlite3_stmt *s = *statement;
    int rc = catalogue::bindValues(s, params);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(s);
    const bool done = rc == SQLITE_DONE || rc == SQLITE_ROW;
    // The reason is read before the reset; the cleared bindings keep no pointer into params.
    const Failure failed = done ? Failure{} : lastFailure();
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    if (!done)
        return failed;
    return qint64(sqlite3_last_insert_rowid(m_handle));
}

Result<sqlite3_stmt *> StatementCache::prepared(const QString &sql)
{
    if (!m_handle)
        return Failure{QStringLiteral("no SQLite connection")};
    if (const auto it = m_statements.find(sql); it != m_statements.end())
        return it->second;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare16_v3(m_handle, sql.utf16(), int(sql.size() * sizeof(QChar)),
                             SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return lastFailure();
    }
    m_statements.emplace(sql, statement);
    return statement;
}

Failure StatementCache::lastFailure() const
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(m_handle));
    return {text.isEmpty() ? QStringLiteral("unknown database error")
                           : catalogue::describeError(text)};
}
