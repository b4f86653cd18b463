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
    QString why;
    const QSqlQuery q = catalogue::run(db, QStringLiteral("VACUUM INTO ?"), {target}, &why);
    if (!q.isActive() && error)
        *error = QStringLiteral("cannot write %1: %2").arg(target, why);
    return q.isActive();
}

} // namespace merrow
