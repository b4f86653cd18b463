#include "legacyconversion.h"

#include "cataloguestore.h"
#include "database.h"
#include "progress.h"
#include "regularfile.h"
#include "workfolder.h"

#include <QFile>
#include <QFileInfo>

namespace legacy
{
namespace
{

// Copies the checked reader output into the new catalogue at part in one transaction. The
// catalogue's own connection builds the title index with the programs' collation.
QString copyInto(const QString &part, const QString &staging)
{
    const auto connection = catalogue::Connection::open(part);
    if (!connection)
        return connection.error();
    const QSqlDatabase db = (*connection)->db();
    // The output has passed the foreign-file check; its schema is trusted for nothing.
    if (const auto untrusted = catalogue::run(db, QStringLiteral("PRAGMA trusted_schema = OFF"));
        !untrusted)
        return untrusted.error();
    if (const auto attached =
            catalogue::run(db, QStringLiteral("ATTACH DATABASE ? AS legacy"), {staging});
        !attached)
        return attached.error();
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen())
        return transaction.error();
    const QList<std::pair<QString, QStringList>> tables = {
        {CatalogueStore::gameTable(), CatalogueStore::gameColumns()},
        {CatalogueStore::configTable(), CatalogueStore::configColumns()}};
    for (const auto &[table, columns] : tables) {
        const QString list = QStringLiteral("id, ") + columns.join(QLatin1String(", "));
        const auto copied = catalogue::run(
            db, QStringLiteral("insert into main.%1 (%2) select %2 from legacy.%1 order by id")
                    .arg(table, list));
        if (!copied)
            return copied.error();
    }
    if (Outcome committed = transaction.commit(); !committed)
        return committed.error();
    return catalogue::run(db, QStringLiteral("DETACH DATABASE legacy")).error();
}

// Makes the catalogue at a name of its own beside target and renames it into place, never
// over an existing file.
QString writeCatalogue(const QString &staging, const QString &target)
{
    sweepParts(target);
    const QString part = partPath(target);
    QString why = catalogue::createCatalogue(part).error();
    if (why.isEmpty())
        why = copyInto(part, staging);
    if (why.isEmpty() && !QFile::rename(part, target))
        why = QFileInfo::exists(target)
                  ? QStringLiteral("%1 exists already").arg(target)
                  : QStringLiteral("cannot rename %1 to %2").arg(part, target);
    if (!why.isEmpty())
        QFile::remove(part);
    return why;
}

QString conversionProblem(const QString &jetFile, const QString &target, const QString &tempDir,
                          const ReaderRun &run)
{
    if (QFileInfo::exists(target))
        return QStringLiteral("%1 exists already: the conversion writes a new file only")
            .arg(target);
    if (const Outcome file = checkRegularFile(jetFile); !file)
        return file.error();
    if (!catalogue::isJetFile(jetFile))
        return QStringLiteral("%1 is not a legacy Jet database").arg(jetFile);
    WorkFolder folder(tempDir);
    if (!folder.isValid())
        return folder.error();
    const QString staging = folder.filePath(QStringLiteral("legacy.sqlite"));
    if (const Outcome read = readJetFile(jetFile, staging, run); !read)
        return read.error();
    if (QString why = catalogue::checkForeignCatalogue(staging).error(); !why.isEmpty())
        return QStringLiteral("%1 cannot be read: %2").arg(jetFile, why.replace(staging, jetFile));
    if (QString why = writeCatalogue(staging, target); !why.isEmpty())
        return QStringLiteral("cannot write %1: %2").arg(target, why);
    return {};
}

} // namespace

Outcome convertCatalogue(const QString &jetFile, const QString &target, const QString &tempDir,
                         const ReaderRun &run)
{
    return failureIf(conversionProblem(jetFile, target, tempDir, run));
}

Outcome convertCatalogue(const QString &jetFile, const QString &target, const QString &tempDir,
                         Progress &progress)
{
    ReaderRun run;
    run.progress = [&progress](qint64 done, qint64 total) {
        progress.setTotal(total);
        progress.setDone(done);
    };
    run.cancelled = [&progress] { return progress.isCancelled(); };
    return convertCatalogue(jetFile, target, tempDir, run);
}

} // namespace legacy
