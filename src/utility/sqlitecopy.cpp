#include "sqlitecopy.h"

#include "database.h"

#include <QFileInfo>

namespace merrow
{

bool vacuumInto(const QSqlDatabase &db, const QString &target, QString *error)
{
    if (QFileInfo::exists(target)) {
        if (error)
            *error = QStringLiteral("%1 is in the way").arg(target);
        return false;
    }
    const auto q = catalogue::run(db, QStringLiteral("VACUUM INTO ?"), {target});
    if (!q && error)
        *error = QStringLiteral("cannot write %1: %2").arg(target, q.error());
    return q.ok();
}

} // namespace merrow
