#include "sqlitecopy.h"

#include "database.h"

#include <QFileInfo>

namespace merrow
{

Outcome vacuumInto(const QSqlDatabase &db, const QString &target)
{
    if (QFileInfo::exists(target))
        return Failure{QStringLiteral("%1 is in the way").arg(target)};
    QString why;
    if (!catalogue::run(db, QStringLiteral("VACUUM INTO ?"), {target}, &why).isActive())
        return Failure{QStringLiteral("cannot write %1: %2").arg(target, why)};
    return {};
}

} // namespace merrow
