#pragma once

#include <QSqlDatabase>
#include <QString>

namespace merrow
{

// Writes a compacted, consistent snapshot of db's main database to target, which must
// not exist yet.
bool vacuumInto(const QSqlDatabase &db, const QString &target, QString *error);

// Replaces the content of db's main database with the database file source, page by page
// through SQLite's backup API: the file stays in place, other connections keep working,
// and the change is one transaction. Waits up to busyTimeoutMs for other writers.
bool restoreFrom(const QSqlDatabase &db, const QString &source, int busyTimeoutMs, QString *error);

} // namespace merrow
