#pragma once

#include "result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <unordered_map>

// Statements prepared once and bound again for each row of a long run of writes: SQLite
// parses each text only the first time. The queries live as long as the cache, so drop it
// before the transaction it serves ends.
class StatementCache
{
public:
    explicit StatementCache(QSqlDatabase db);

    // Runs sql with positional parameters; the result stays valid until sql runs again.
    Result<QSqlQuery *> run(const QString &sql, const QVariantList &params = {});

private:
    QSqlDatabase m_db;
    std::unordered_map<QString, QSqlQuery> m_queries;
};
