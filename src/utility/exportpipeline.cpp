#include "exportpipeline.h"

#include "cataloguestore.h"
#include "database.h"
#include "fileops.h"
#include "paths.h"
#include "sqlitecopy.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace merrow
{
namespace
{

// Names inside the run's private folder.
const char kWorkFile[] = "exp.mdb";
const char kCompactedWorkFile[] = "exp-compacted.mdb";

std::unique_ptr<catalogue::Connection> openWithTimeout(const QString &path, int busyMs,
                                                       QString *error)
{
    auto opened = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadWrite, busyMs);
    if (!opened) {
        *error = opened.error();
        return nullptr;
    }
    return std::move(opened).value();
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
QString ExportPipeline::destinationProblem() const
{
    const QFileInfo target(m_destination);
    const QFileInfo folder(target.absolutePath());
    if (m_destination.isEmpty())
        return QStringLiteral("no destination was chosen");
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.absoluteFilePath());
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 cannot be written").arg(folder.absoluteFilePath());
    if (target.isDir())
        return QStringLiteral("%1 is a folder").arg(m_destination);
    if (sameFile(m_destination, m_catalogue))
        return QStringLiteral("%1 is the catalogue itself").arg(m_destination);
    if (sameFile(backupPath(), m_catalogue))
        return QStringLiteral("the backup %1 would replace the catalogue itself").arg(backupPath());
    return {};
}

ExportPipeline::Result ExportPipeline::run()
{
    m_exported = 0;
    int step = Copy;
    m_work = std::make_unique<WorkFolder>(m_tempDir);
    QString why = destinationProblem();
    if (why.isEmpty() && !m_work->isValid()) {
        step = WorkFile;
        why = m_work->error();
    }
    if (why.isEmpty()) {
        for (step = Compact; step < StepCount; ++step) {
            if (onStatus)
                onStatus(step, statusText(step));
            if (why = runStep(step); !why.isEmpty())
                break;
        }
    }
    if (why.isEmpty() && !QFileInfo::exists(m_destination)) {
        step = Copy;
        why = QStringLiteral("%1 is not there").arg(m_destination);
    }
    Result result;
    removeWorkFiles();
    if (!why.isEmpty()) {
        result.failedStep = step;
        result.error = QStringLiteral("Export failed at \"%1\": %2").arg(statusText(step), why);
        return result;
    }
    result.ok = true;
    result.exported = m_exported;
    return result;
}

void ExportPipeline::removeWorkFiles()
{
    if (!m_backupPart.isEmpty())
        QFile::remove(m_backupPart);
    m_work.reset();
}

// In place, under SQLite's own lock: a writer that holds the catalogue is waited for, and
// one that comes while it works waits in turn, so no commit is ever lost.
QString ExportPipeline::compactCatalogue()
{
    if (Outcome checked = catalogue::checkCatalogue(m_catalogue); !checked)
        return checked.error();
    QString why;
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs, &why);
    if (!live)
        return why;
    if (const auto vacuum = catalogue::run(live->db(), QStringLiteral("VACUUM")); !vacuum)
        return QStringLiteral("cannot compact the catalogue: ") + vacuum.error();
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

QString ExportPipeline::backupCatalogue()
{
    QString why;
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs, &why);
    if (!live)
        return why;
    sweepParts(backupPath());
    m_backupPart = partPath(backupPath());
    if (!vacuumInto(live->db(), m_backupPart, &why))
        return why;
    live.reset();
    if (why = catalogue::checkForeignCatalogue(m_backupPart).error(); !why.isEmpty())
        return QStringLiteral("the backup is unfit: ") + why;
    if (!replaceFile(m_backupPart, backupPath(), &why))
        return why;
    m_backupPart.clear();
    return {};
}

QString ExportPipeline::createWorkFile()
{
    QString why;
    auto live = openWithTimeout(m_catalogue, m_busyTimeoutMs, &why);
    if (!live)
        return why;
    return vacuumInto(live->db(), workFile(), &why) ? QString() : why;
}

QString ExportPipeline::selectOwnGames()
{
    QString why;
    auto c = openWithTimeout(workFile(), m_busyTimeoutMs, &why);
    if (!c)
        return why;
    // Untagged rows stay: a Null dbver is not unequal to anything.
    return catalogue::run(c->db(), QStringLiteral("delete from tabella1 where dbver <> ?"),
                          {QStringLiteral("Private")})
        .error();
}

QString ExportPipeline::compactWorkFile()
{
    QString why;
    QFile::remove(compactedWorkFile());
    {
        auto c = openWithTimeout(workFile(), m_busyTimeoutMs, &why);
        if (!c)
            return why;
        if (!vacuumInto(c->db(), compactedWorkFile(), &why))
            return why;
    }
    if (why = catalogue::checkForeignCatalogue(compactedWorkFile()).error(); !why.isEmpty())
        return QStringLiteral("the export file is unfit: ") + why;
    const auto c =
        catalogue::Connection::open(compactedWorkFile(), catalogue::Connection::Mode::ReadOnly);
    m_exported = c ? int(CatalogueStore((*c)->db()).gameCount().valueOr(0)) : 0;
    return {};
}

QString ExportPipeline::copyToDestination()
{
    QString why;
    return copyIntoPlace(
               compactedWorkFile(), m_destination, &why,
               [](const QString &p) { return catalogue::checkForeignCatalogue(p).error(); })
               ? QString()
               : why;
}

QString ExportPipeline::runStep(int step)
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
