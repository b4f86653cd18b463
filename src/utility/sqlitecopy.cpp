#include "sqlitecopy.h"

#include "database.h"

#include <QFileInfo>

namespace merrow
{

Outcome vacuumInto(const QSqlDatabase &db, const QString &target)
{
    if (QFileInfo::exists(target))
        return Failure{QStringLiteral("%1 is in the way").arg(target)};
    if (const auto done = catalogue::run(db, QStringLiteral("VACUUM INTO ?"), {target}); !done)
        return Failure{QStringLiteral("cannot write %1: %2").arg(target, done.error())};
    return {};
}

} // namespace merrow
