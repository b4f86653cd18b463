#include "importfile.h"

#include "database.h"
#include "fileops.h"
#include "listline.h"
#include "workfolder.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

namespace merrow
{

ImportFile::ImportFile(std::unique_ptr<WorkFolder> folder,
                       std::unique_ptr<catalogue::Connection> connection)
    : m_folder(std::move(folder)), m_connection(std::move(connection))
{
}

ImportFile::~ImportFile()
{
    m_connection.reset(); // closed before its folder goes
}

namespace
{

// The sidecars SQLite keeps beside a database: the user's own, taken along.
const char *const kSidecars[] = {"-wal", "-journal"};

// Why the private folder cannot take a copy of source with its sidecars.
QString roomProblem(const QString &source, const QString &folder)
{
    qint64 needed = QFileInfo(source).size();
    for (const char *sidecar : kSidecars)
        needed += QFileInfo(source + QLatin1String(sidecar)).size();
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < needed)
        return QStringLiteral("%1 needs %2 bytes in %3, which has %4 free")
            .arg(source)
            .arg(needed)
            .arg(folder)
            .arg(free);
    return {};
}

QString copyWithSidecars(const QString &source, const QString &copy)
{
    QString why;
    if (!copyIntoPlace(source, copy, &why))
        return why;
    for (const char *sidecar : kSidecars) {
        const QString from = source + QLatin1String(sidecar);
        if (QFileInfo::exists(from) && !copyIntoPlace(from, copy + QLatin1String(sidecar), &why))
            return why;
    }
    return catalogue::settleCopy(copy);
}

} // namespace

std::unique_ptr<ImportFile> ImportFile::open(const QString &source, const QString &tempDir,
                                             QString *error, bool *unfit)
{
    if (unfit)
        *unfit = false;
    QString copy;
    auto fail = [error, &copy, &source](QString why) {
        if (error)
            *error = copy.isEmpty() ? why : why.replace(copy, source);
        return nullptr;
    };
    if (source.isEmpty())
        return fail(QStringLiteral("no export file was chosen"));
    const QFileInfo info(source);
    if (!info.exists())
        return fail(QStringLiteral("%1 does not exist").arg(source));
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("%1 cannot be read").arg(source));
    if (QString why = catalogue::checkDatabaseFile(source); !why.isEmpty()) {
        if (unfit)
            *unfit = true;
        return fail(why);
    }
    auto folder = std::make_unique<WorkFolder>(tempDir);
    if (!folder->isValid())
        return fail(folder->error());
    if (QString why = roomProblem(source, folder->path()); !why.isEmpty())
        return fail(why);
    copy = folder->filePath(QStringLiteral("import.mdb"));
    if (QString why = copyWithSidecars(source, copy); !why.isEmpty())
        return fail(QStringLiteral("cannot take %1 in: %2").arg(source, why));
    if (unfit)
        *unfit = true;
    QString why = catalogue::checkForeignCatalogue(copy);
    if (!why.isEmpty())
        return fail(why);
    auto connection = catalogue::Connection::open(copy, &why, catalogue::Connection::Mode::Foreign);
    if (!connection)
        return fail(why);
    if (unfit)
        *unfit = false;
    return std::unique_ptr<ImportFile>(new ImportFile(std::move(folder), std::move(connection)));
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
        *error = catalogue::describeError(q.lastError().databaseText());
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
