#include "statementcache.h"

#include "database.h"

#include <QSqlError>

namespace
{

Failure failureOf(const QSqlError &e)
{
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return {text.isEmpty() ? QStringLiteral("unknown database error")
                           : catalogue::describeError(text)};
}

} // namespace

StatementCache::StatementCache(QSqlDatabase db) : m_db(std::move(db)) {}

Result<QSqlQuery *> StatementCache::run(const QString &sql, const QVariantList &params)
{
    auto it = m_queries.find(sql);
    if (it == m_queries.end()) {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            return failureOf(q.lastError());
        it = m_queries.emplace(sql, std::move(q)).first;
    }
    QSqlQuery &q = it->second;
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec())
        return failureOf(q.lastError());
    return &q;
}
