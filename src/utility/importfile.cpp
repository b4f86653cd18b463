#include "importfile.h"

#include "database.h"
#include "fileops.h"
#include "listline.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace merrow
{

ImportFile::ImportFile(std::unique_ptr<catalogue::Connection> connection)
    : m_connection(std::move(connection))
{
}

ImportFile::~ImportFile() = default;

std::unique_ptr<ImportFile> ImportFile::open(const QString &source, const QString &workingCopy,
                                             QString *error, bool *unfit)
{
    if (unfit)
        *unfit = false;
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    if (source.isEmpty())
        return fail(QStringLiteral("no export file was chosen"));
    const QFileInfo info(source);
    if (!info.exists())
        return fail(QStringLiteral("%1 does not exist").arg(source));
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("%1 cannot be read").arg(source));
    QString why;
    if (!sameFile(source, workingCopy) && !copyIntoPlace(source, workingCopy, &why))
        return fail(why);
    if (unfit)
        *unfit = true;
    why = catalogue::checkForeignCatalogue(workingCopy);
    if (!why.isEmpty())
        return fail(why);
    auto connection =
        catalogue::Connection::open(workingCopy, &why, catalogue::Connection::Mode::ReadOnly);
    if (!connection)
        return fail(why);
    if (unfit)
        *unfit = false;
    return std::unique_ptr<ImportFile>(new ImportFile(std::move(connection)));
}

QSqlDatabase ImportFile::db() const
{
    return m_connection->db();
}

QString ImportFile::path() const
{
    return m_connection->path();
}

QList<ListEntry> ImportFile::entries(QString *error) const
{
    QList<ListEntry> out;
    QSqlQuery q = catalogue::run(
        db(), QStringLiteral("select id, formato, titolo from tabella1 order by id"), {}, error);
    while (q.next())
        out.append({q.value(0).toInt(), listLine(q.value(1), q.value(2))});
    if (q.lastError().isValid() && error)
        *error = q.lastError().text();
    return out;
}

QList<int> ImportFile::ids(QString *error) const
{
    QList<int> out;
    QSqlQuery q =
        catalogue::run(db(), QStringLiteral("select id from tabella1 order by id"), {}, error);
    while (q.next())
        out.append(q.value(0).toInt());
    return out;
}

} // namespace merrow
