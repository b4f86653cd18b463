#include "exportpipeline.h"

#include "cataloguestore.h"
#include "database.h"
#include "fileops.h"
#include "logging.h"
#include "paths.h"
#include "sqlitecopy.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace merrow
{
namespace
{

// Names inside the run's private folder.
const char kWorkFile[] = "exp.mdb";
const char kCompactedWorkFile[] = "exp-compacted.mdb";

Failure failure(const QString &why)
{
    return {why};
}

Result<std::unique_ptr<catalogue::Connection>> openWithTimeout(const QString &path, int busyMs)
{
    return catalogue::Connection::open(path, catalogue::Connection::Mode::ReadWrite, busyMs);
}

// The check of a file this run made, before it is used.
Outcome checkMade(const QString &path, const QString &what)
{
    if (Outcome fit = catalogue::checkForeignCatalogue(path); !fit)
        return failure(what + QStringLiteral(" is unfit: ") + fit.error());
    return {};
}

} // namespace

ExportPipeline::ExportPipeline(QString cataloguePath, QString tempDir, QString destination)
    : m_catalogue(std::move(cataloguePath)), m_tempDir(std::move(tempDir)),
      m_destination(std::move(destination))
{
}

ExportPipeline::~ExportPipeline() = default;

QString ExportPipeline::workPath(const char *name) const
{
    return m_work ? m_work->filePath(QLatin1String(name)) : QString();
}

QString ExportPipeline::statusText(int step)
{
    static const char *const texts[StepCount] = {
        "Compact Vantrel Database", "Create Vantrel Database Backup",
        "Create Work File",         "Select Data to Export",
        "Compact Export Database",  "Copy Export Database on Floppy",
        "Delete Work File"};
    return step >= 0 && step < StepCount ? QLatin1String(texts[step]) : QString();
}

QString ExportPipeline::completionMessage()
{
    return QStringLiteral("Transfer Completed. Send the file to ") +
           QLatin1String(kMaintainerAddress);
}

QString ExportPipeline::catalogueFile(const char *name) const
{
    return QDir(QFileInfo(m_catalogue).absolutePath()).filePath(QLatin1String(name));
}

QString ExportPipeline::backupPath() const
{
    return catalogueFile("commodoreOLD.mdb");
}

// Why the destination cannot take the file, checked before the catalogue is touched.
Outcome ExportPipeline::checkDestination() const
{
    const QFileInfo target(m_destination);
    const QFileInfo folder(target.absolutePath());
    if (m_destination.isEmpty())
        return failure(QStringLiteral("no destination was chosen"));
    if (!folder.isDir())
        return failure(
            QStringLiteral("the folder %1 does not exist").arg(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return failure(
            QStringLiteral("the folder %1 cannot be written").arg(folder.absoluteFilePath()));
    if (target.isDir())
        return failure(QStringLiteral("%1 is a folder").arg(m_destination));
    if (sameFile(m_destination, m_catalogue))
        return failure(QStringLiteral("%1 is the catalogue itself").arg(m_destination));
    if (sameFile(backupPath(), m_catalogue))
        return failure(
            QStringLiteral("the backup %1 would replace the catalogue itself").arg(backupPath()));
    return {};
}

Result<int> ExportPipeline::run(Progress &progress)
{
    m_exported = 0;
    int step = Copy;
    m_work = std::make_unique<WorkFolder>(m_tempDir);
    Outcome done = checkDestination();
    if (done && !m_work->isValid()) {
        step = WorkFile;
        done = failure(m_work->error());
    }
    progress.setTotal(StepCount);
    for (int next = Compact; done && next < StepCount; ++next) {
        step = next;
        progress.setDone(step);
        progress.note(statusText(step));
        done = runStep(step);
    }
    if (done && !QFileInfo::exists(m_destination)) {
        step = Copy;
        done = failure(QStringLiteral("%1 is not there").arg(m_destination));
    }
    removeWorkFiles();
    if (!done) {
        qCWarning(lcExchange) << "export failed at" << statusText(step) << done.error();
        return failure(
            QStringLiteral("Export failed at \"%1\": %2").arg(statusText(step), done.error()));
    }
    progress.setDone(StepCount);
    return m_exported;
}

void ExportPipeline::removeWorkFiles()
{
    if (!m_backupPart.isEmpty())
        QFile::remove(m_backupPart);
    m_work.reset();
}

// In place, under SQLite's own lock: a writer that holds the catalogue is waited for, and
// one that comes while it works waits in turn, so no commit is ever lost.
Outcome ExportPipeline::compactCatalogue()
{
    if (Outcome checked = catalogue::checkCatalogue(m_catalogue); !checked)
        return checked;
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs);
    if (!live)
        return live.failure();
    if (const auto vacuum = catalogue::run((*live)->db(), QStringLiteral("VACUUM")); !vacuum)
        return failure(QStringLiteral("cannot compact the catalogue: ") + vacuum.error());
    return {};
}

QString ExportPipeline::workFile() const
{
    return workPath(kWorkFile);
}

QString ExportPipeline::compactedWorkFile() const
{
    return workPath(kCompactedWorkFile);
}

Outcome ExportPipeline::backupCatalogue()
{
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs);
    if (!live)
        return live.failure();
    sweepParts(backupPath());
    m_backupPart = partPath(backupPath());
    if (Outcome copied = vacuumInto((*live)->db(), m_backupPart); !copied)
        return copied;
    live->reset();
    if (Outcome fit = checkMade(m_backupPart, QStringLiteral("the backup")); !fit)
        return fit;
    if (Outcome placed = replaceFile(m_backupPart, backupPath()); !placed)
        return placed;
    m_backupPart.clear();
    return {};
}

Outcome ExportPipeline::createWorkFile()
{
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs);
    if (!live)
        return live.failure();
    return vacuumInto((*live)->db(), workFile());
}

// Keeps the games the user added: changed ones are tagged private, and untagged rows stay
// as well, since a Null tag is not unequal to anything.
Outcome ExportPipeline::selectOwnGames()
{
    auto c = openWithTimeout(workFile(), m_busyTimeoutMs);
    if (!c)
        return c.failure();
    const QString sql =
        QStringLiteral("delete from %1 where %2 <> ?")
            .arg(CatalogueStore::gameTable(), CatalogueStore::column(Game::Field::Origin));
    if (const auto deleted = catalogue::run((*c)->db(), sql, {Game::privateOrigin()}); !deleted)
        return deleted.failure();
    return CatalogueStore((*c)->db()).dropLocalTables();
}

Outcome ExportPipeline::compactWorkFile()
{
    QFile::remove(compactedWorkFile());
    {
        auto c = openWithTimeout(workFile(), m_busyTimeoutMs);
        if (!c)
            return c.failure();
        if (Outcome copied = vacuumInto((*c)->db(), compactedWorkFile()); !copied)
            return copied;
    }
    if (Outcome fit = checkMade(compactedWorkFile(), QStringLiteral("the export file")); !fit)
        return fit;
    const auto c =
        catalogue::Connection::open(compactedWorkFile(), catalogue::Connection::Mode::ReadOnly);
    m_exported = c ? int(CatalogueStore((*c)->db()).gameCount().valueOr(0)) : 0;
    return {};
}

Outcome ExportPipeline::copyToDestination()
{
    return copyIntoPlace(compactedWorkFile(), m_destination, catalogue::checkForeignCatalogue);
}

Outcome ExportPipeline::runStep(int step)
{
    switch (step) {
    case Compact:
        return compactCatalogue();
    case Backup:
        return backupCatalogue();
    case WorkFile:
        return createWorkFile();
    case Select:
        return selectOwnGames();
    case CompactWork:
        return compactWorkFile();
    case Copy:
        return copyToDestination();
    case Cleanup:
        QFile::remove(compactedWorkFile());
        QFile::remove(workFile());
        return {};
    }
    return {};
}

} // namespace merrow
