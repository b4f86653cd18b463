#pragma once

#include "result.h"

#include <QSqlDatabase>
#include <QString>

namespace merrow
{

// Writes a compacted, consistent snapshot of db's main database to target, which must
// not exist yet.
Outcome vacuumInto(const QSqlDatabase &db, const QString &target);

} // namespace merrow
