#include "collectioncommands.h"

#include "cataloguestore.h"
#include "database.h"
#include "escaping.h"
#include "folderscanner.h"
#include "missingfiles.h"
#include "regularfile.h"
#include "relinker.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace collection
{
namespace
{

void writeLine(QIODevice &device, const QStringList &fields)
{
    QStringList escaped;
    for (const QString &field : fields)
        escaped << escapeControls(field);
    device.write((escaped.join(u'\t') + u'\n').toUtf8());
}

std::unique_ptr<catalogue::Connection> openCatalogue(const QString &path, bool readOnly,
                                                     QIODevice &err)
{
    auto connection =
        catalogue::Connection::open(path, readOnly ? catalogue::Connection::Mode::ReadOnly
                                                   : catalogue::Connection::Mode::ReadWrite);
    if (!connection) {
        err.write(QCoreApplication::translate("collection", "Cannot open the catalogue: %1\n")
                      .arg(connection.error())
                      .toUtf8());
        return nullptr;
    }
    return std::move(connection).value();
}

bool isReadableFolder(const QString &folder, QIODevice &err)
{
    const Outcome readable = checkReadableFolder(folder);
    if (!readable)
        err.write((readable.error() + u'\n').toUtf8());
    return readable.ok();
}

} // namespace

int scanFolder(const QString &catalogue, const QString &folder, bool dryRun, QIODevice &out,
               QIODevice &err)
{
    if (!isReadableFolder(folder, err))
        return 2;
    const auto connection = openCatalogue(catalogue, dryRun, err);
    if (!connection)
        return 2;
    CatalogueStore store(connection->db());
    const Result<QSet<QString>> referenced = store.referencedPaths();
    if (!referenced) {
        err.write((referenced.error() + u'\n').toUtf8());
        return 2;
    }
    // Stored paths name the files wherever the programs start from.
    const ScanReport report =
        FolderScanner(QFileInfo(folder).absoluteFilePath(), *referenced).scan(Progress::none());
    QList<GameId> ids(report.games.size(), 0);
    if (!dryRun) {
        const Result<QList<GameId>> added = store.addGames(report.games, Progress::none());
        if (!added) {
            err.write((added.error() + u'\n').toUtf8());
            return 2;
        }
        ids = *added;
    }
    for (qsizetype i = 0; i < report.games.size(); ++i) {
        const Game &game = report.games.at(i).game;
        writeLine(out, {dryRun ? QCoreApplication::translate("collection", "would add")
                               : QCoreApplication::translate("collection", "added"),
                        dryRun ? QStringLiteral("-") : QString::number(ids.at(i)), game.title,
                        game.machine, QString::number(ScanReport::diskCount(report.games.at(i)))});
    }
    for (const SkippedFile &file : report.skipped)
        writeLine(out,
                  {QCoreApplication::translate("collection", "skipped"), file.path, file.reason});
    const auto games = int(report.games.size());
    const auto skipped = int(report.skipped.size());
    const QString gameCount =
        games == 1 ? QCoreApplication::translate("collection", "1 game")
                   : QCoreApplication::translate("collection", "%1 games").arg(games);
    const QString skippedCount =
        skipped == 1 ? QCoreApplication::translate("collection", "1 file skipped")
                     : QCoreApplication::translate("collection", "%1 files skipped").arg(skipped);
    const QString summary = dryRun
                                ? QCoreApplication::translate("collection", "Would add %1; %2.\n")
                                : QCoreApplication::translate("collection", "Added %1; %2.\n");
    out.write(summary.arg(gameCount, skippedCount).toUtf8());
    return 0;
}

int relink(const QString &catalogue, const QString &from, const QString &to, const QString &search,
           bool dryRun, QIODevice &out, QIODevice &err)
{
    RelinkPlan plan;
    if (!from.isEmpty()) {
        if (!isReadableFolder(to, err))
            return 2;
        plan.mappings << PrefixMapping(from, QFileInfo(to).absoluteFilePath());
    }
    if (!search.isEmpty()) {
        if (!isReadableFolder(search, err))
            return 2;
        plan.searchFolder = QFileInfo(search).absoluteFilePath();
    }
    const auto connection = openCatalogue(catalogue, dryRun, err);
    if (!connection)
        return 2;
    CatalogueStore store(connection->db());
    const Result<RelinkReport> report = Relinker(store).relink(plan, dryRun, Progress::none());
    if (!report) {
        err.write((report.error() + u'\n').toUtf8());
        return 2;
    }
    for (const PathChange &change : report->changes)
        writeLine(out,
                  {change.isConfiguration() ? QStringLiteral("-") : QString::number(change.game),
                   MissingFiles::whatChanged(change), change.oldPath, change.newPath});
    const QString counts =
        dryRun ? QCoreApplication::translate("collection",
                                             "Would relink %1, still missing %2, ambiguous %3.\n")
               : QCoreApplication::translate("collection",
                                             "Relinked %1, still missing %2, ambiguous %3.\n");
    out.write(counts.arg(report->relinked).arg(report->missing).arg(report->ambiguous).toUtf8());
    return 0;
}

int listMissing(const QString &catalogue, QIODevice &out, QIODevice &err)
{
    const auto connection = openCatalogue(catalogue, true, err);
    if (!connection)
        return 2;
    const Result<QList<MissingFile>> missing = MissingFiles::find(CatalogueStore(connection->db()));
    if (!missing) {
        err.write((missing.error() + u'\n').toUtf8());
        return 2;
    }
    for (const MissingFile &file : *missing)
        writeLine(out, {file.game ? QString::number(file.game) : QStringLiteral("-"), file.what,
                        file.path});
    return 0;
}

} // namespace collection
