#include "importfile.h"

#include "database.h"
#include "fileops.h"
#include "listline.h"
#include "regularfile.h"
#include "workfolder.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

namespace merrow
{

ImportFile::ImportFile(std::unique_ptr<WorkFolder> folder, QString source, QString copy)
    : m_folder(std::move(folder)), m_source(std::move(source)), m_copy(std::move(copy))
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
    return catalogue::settleCopy(copy).error();
}

} // namespace

std::unique_ptr<ImportFile> ImportFile::open(const QString &source, const QString &tempDir,
                                             QString *error, bool *unfit,
                                             const legacy::ReaderRun &reader)
{
    auto file = prepare(source, tempDir, error, unfit, reader);
    if (file && !file->connect(error)) {
        if (unfit)
            *unfit = true;
        return nullptr;
    }
    return file;
}

std::unique_ptr<ImportFile> ImportFile::prepare(const QString &source, const QString &tempDir,
                                                QString *error, bool *unfit,
                                                const legacy::ReaderRun &reader)
{
    if (unfit)
        *unfit = false;
    QString copy;
    auto fail = [error, unfit, &copy, &source](QString why, bool unusable = false) {
        if (unfit)
            *unfit = unusable;
        if (error)
            *error = copy.isEmpty() ? why : why.replace(copy, source);
        return nullptr;
    };
    if (source.isEmpty())
        return fail(QStringLiteral("no export file was chosen"));
    if (QString why = checkRegularFile(source); !why.isEmpty())
        return fail(why);
    if (!QFileInfo(source).isReadable())
        return fail(QStringLiteral("%1 cannot be read").arg(source));
    const bool jet = catalogue::isJetFile(source);
    if (QString why = jet ? QString() : catalogue::checkDatabaseFile(source).error();
        !why.isEmpty())
        return fail(why, true);
    auto folder = std::make_unique<WorkFolder>(tempDir);
    if (!folder->isValid())
        return fail(folder->error());
    if (QString why = roomProblem(source, folder->path()); !why.isEmpty())
        return fail(why);
    copy = folder->filePath(QStringLiteral("import.mdb"));
    if (jet) {
        // The reader refuses anything it cannot read cleanly: the file is unfit.
        if (QString why = legacy::readJetFile(source, copy, reader); !why.isEmpty())
            return fail(why, true);
    } else if (QString why = copyWithSidecars(source, copy); !why.isEmpty()) {
        return fail(QStringLiteral("cannot take %1 in: %2").arg(source, why));
    }
    if (QString why = catalogue::checkForeignCatalogue(copy).error(); !why.isEmpty())
        return fail(why, true);
    return std::unique_ptr<ImportFile>(new ImportFile(std::move(folder), source, copy));
}

bool ImportFile::connect(QString *error)
{
    auto opened = catalogue::Connection::open(m_copy, catalogue::Connection::Mode::Foreign);
    if (!opened) {
        if (error)
            *error = QString(opened.error()).replace(m_copy, m_source);
        return false;
    }
    m_connection = std::move(opened).value();
    return true;
}

QSqlDatabase ImportFile::db() const
{
    return m_connection->db();
}

QList<ListEntry> ImportFile::entries(QString *error) const
{
    QList<ListEntry> out;
    Result<QSqlQuery> q = catalogue::run(
        db(), QStringLiteral("select id, formato, titolo from tabella1 order by id"));
    if (!q) {
        if (error)
            *error = q.error();
        return out;
    }
    while (q->next())
        out.append({q->value(0).toLongLong(), listLine(q->value(1), q->value(2))});
    if (q->lastError().isValid() && error)
        *error = catalogue::describeError(q->lastError().databaseText());
    return out;
}

QList<qint64> ImportFile::ids(QString *error) const
{
    QList<qint64> out;
    Result<QSqlQuery> q =
        catalogue::run(db(), QStringLiteral("select id from tabella1 order by id"));
    if (!q) {
        if (error)
            *error = q.error();
        return out;
    }
    while (q->next())
        out.append(q->value(0).toLongLong());
    return out;
}

} // namespace merrow
