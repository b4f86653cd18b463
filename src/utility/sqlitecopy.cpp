#include "sqlitecopy.h"

#include "database.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSqlDriver>

#include <sqlite3.h>

namespace merrow
{
namespace
{

sqlite3 *handleOf(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

} // namespace

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

bool restoreFrom(const QSqlDatabase &db, const QString &source, int busyTimeoutMs, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    sqlite3 *destination = handleOf(db);
    if (!destination)
        return fail(QStringLiteral("the catalogue connection gives no SQLite handle"));
    sqlite3 *from = nullptr;
    const QByteArray name = QFileInfo(source).absoluteFilePath().toUtf8();
    if (sqlite3_open_v2(name.constData(), &from, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(from ? sqlite3_errmsg(from) : "out of memory");
        sqlite3_close(from);
        return fail(QStringLiteral("cannot open %1: %2").arg(source, why));
    }
    sqlite3_backup *backup = sqlite3_backup_init(destination, "main", from, "main");
    if (!backup) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(destination));
        sqlite3_close(from);
        return fail(QStringLiteral("cannot start the copy: ") + why);
    }
    const QDeadlineTimer deadline(busyTimeoutMs);
    int rc = SQLITE_OK;
    for (;;) {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_DONE || (rc != SQLITE_OK && rc != SQLITE_BUSY && rc != SQLITE_LOCKED))
            break;
        if (rc != SQLITE_OK) {
            if (deadline.hasExpired())
                break;
            sqlite3_sleep(20);
        }
    }
    sqlite3_backup_finish(backup);
    const QString why = QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_close(from);
    if (rc != SQLITE_DONE)
        return fail(rc == SQLITE_BUSY || rc == SQLITE_LOCKED
                        ? QStringLiteral("the catalogue is in use by another program")
                        : QStringLiteral("cannot copy the compacted catalogue back: ") + why);
    return true;
}

} // namespace merrow
