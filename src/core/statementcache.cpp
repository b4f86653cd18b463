#include "statementcache.h"

#include "boundrow.h"
#include "database.h"

#include <QStringList>

#include <sqlite3.h>

#include <algorithm>

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
    return finish(*statement, catalogue::bindValues(*statement, params));
}

Result<qint64> StatementCache::run(const QString &sql, const BoundRow &row)
{
    const Result<sqlite3_stmt *> statement = prepared(sql);
    if (!statement)
        return statement.failure();
    return finish(*statement, row.bind(*statement));
}

Result<qint64> StatementCache::insertRows(const QString &head, int columns, const BoundRow &values)
{
    Q_ASSERT(columns > 0 && values.size() % columns == 0);
    const qsizetype rows = values.size() / columns;
    qint64 last = 0;
    // Whole statements of the most rows, then halving: a rest takes a few statements.
    const qsizetype most = std::clamp(999 / columns, 1, kRowsPerInsert);
    for (qsizetype done = 0, count = most; done < rows; count /= 2) {
        for (; rows - done >= count; done += count) {
            const Result<sqlite3_stmt *> statement = preparedRows(head, columns, int(count));
            if (!statement)
                return statement.failure();
            const Result<qint64> id =
                finish(*statement, values.bind(*statement, done * columns, count * columns));
            if (!id)
                return id;
            last = *id;
        }
    }
    return last;
}

Result<sqlite3_stmt *> StatementCache::preparedRows(const QString &head, int columns, int rows)
{
    if (const auto it = m_rowInserts.constFind({head, rows}); it != m_rowInserts.cend())
        return *it;
    const QString row = u'(' + QStringList(columns, QStringLiteral("?")).join(u',') + u')';
    const Result<sqlite3_stmt *> statement = prepared(head + QStringList(rows, row).join(u','));
    if (statement)
        m_rowInserts.insert({head, rows}, *statement);
    return statement;
}

Result<qint64> StatementCache::finish(sqlite3_stmt *statement, int rc)
{
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement);
    const bool done = rc == SQLITE_DONE || rc == SQLITE_ROW;
    // The reason is read before the reset; the cleared bindings keep no pointer into the
    // caller's values.
    const Failure failed = done ? Failure{} : lastFailure();
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (!done)
        return failed;
    return qint64(sqlite3_last_insert_rowid(m_handle));
}

Result<sqlite3_stmt *> StatementCache::prepared(const QString &sql)
{
    if (!m_handle)
        return Failure{QStringLiteral("no SQLite connection")};
    if (const auto it = m_byText.find(sql.constData());
        it != m_byText.end() && it->second.size == sql.size())
        return it->second.statement;
    if (const auto it = m_statements.find(sql); it != m_statements.end())
        return it->second;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare16_v3(m_handle, sql.utf16(), int(sql.size() * sizeof(QChar)),
                             SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return lastFailure();
    }
    const auto kept = m_statements.emplace(sql, statement).first;
    m_byText.insert_or_assign(kept->first.constData(), Known{sql.size(), statement});
    return statement;
}

Failure StatementCache::lastFailure() const
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(m_handle));
    return {text.isEmpty() ? QStringLiteral("unknown database error")
                           : catalogue::describeError(text)};
}
