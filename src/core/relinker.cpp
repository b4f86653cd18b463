#include "relinker.h"

#include "cataloguestore.h"
#include "folderresolver.h"
#include "nameindex.h"
#include "prefixmapping.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{

Failure notAFolder(const QString &folder)
{
    return {QCoreApplication::translate("Relinker", "%1 is not a readable folder.").arg(folder)};
}

RelinkReport cancelledReport()
{
    RelinkReport report;
    report.cancelled = true;
    return report;
}

bool isReadableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

Relinker::Relinker(CatalogueStore &store) : m_store(store) {}

Result<RelinkReport> Relinker::mapPrefix(const PrefixMapping &mapping, bool dryRun,
                                         Progress &progress)
{
    if (!isReadableFolder(mapping.to()))
        return notAFolder(mapping.to());
    FolderResolver resolver;
    return run(
        [&](const QString &path, bool folder) -> Found {
            const std::optional<QStringList> rest = mapping.remainder(path);
            if (!rest)
                return {};
            const FolderResolver::Found found = resolver.resolve(mapping.to(), *rest);
            if (found.path.isEmpty() || QFileInfo(found.path).isDir() != folder)
                return {QString(), found.ambiguous};
            return {found.path, false};
        },
        dryRun, progress);
}

Result<RelinkReport> Relinker::searchFolder(const QString &folder, bool dryRun, Progress &progress)
{
    if (!isReadableFolder(folder))
        return notAFolder(folder);
    const NameIndex index = NameIndex::build(folder, progress);
    if (progress.isCancelled())
        return cancelledReport();
    return run(
        [&index](const QString &path, bool isFolder) -> Found {
            const QStringList parts = PrefixMapping::components(path);
            if (parts.isEmpty())
                return {};
            const NameIndex::Found found = index.find(parts.last(), isFolder);
            return {found.path, found.ambiguous};
        },
        dryRun, progress);
}

Result<RelinkReport> Relinker::run(const Finder &find, bool dryRun, Progress &progress)
{
    Result<QList<Game>> games = m_store.gameFields(Game::pathFields());
    if (!games)
        return games.failure();
    const Result<Configuration> configuration = m_store.configuration();
    if (!configuration)
        return configuration.failure();

    RelinkReport report;
    const auto consider = [&](const QString &path, bool folder) -> QString {
        if (path.isEmpty() || QFileInfo::exists(path))
            return {};
        const Found found = find(path, folder);
        if (found.ambiguous)
            ++report.ambiguous;
        else if (found.path.isEmpty())
            ++report.missing;
        else
            ++report.relinked;
        return found.path;
    };
    progress.setTotal(games->size());
    qint64 done = 0;
    for (const Game &game : *games) {
        for (const Game::Field field : Game::pathFields())
            if (QString to = consider(game.value(field), false); !to.isEmpty())
                report.changes.append({game.id, field, {}, game.value(field), to});
        if (++done % 1024 == 0) {
            progress.setDone(done);
            if (progress.isCancelled())
                return cancelledReport();
        }
    }
    for (const Configuration::Path path : Configuration::paths())
        if (Configuration::isFolder(path))
            if (QString to = consider(configuration->value(path), true); !to.isEmpty())
                report.changes.append({0, {}, path, configuration->value(path), to});
    progress.setDone(done);

    if (dryRun || report.changes.isEmpty())
        return report;
    const Result<bool> written = m_store.writePaths(report.changes, progress);
    if (!written)
        return written.failure();
    if (!*written)
        return cancelledReport();
    return report;
}
