#pragma once

#include <QSqlDatabase>
#include <QString>

namespace merrow
{

// Writes a compacted, consistent snapshot of db's main database to target, which must
// not exist yet.
bool vacuumInto(const QSqlDatabase &db, const QString &target, QString *error);

} // namespace merrow
