#include "relinker.h"

#include "cataloguestore.h"
#include "folderresolver.h"
#include "nameindex.h"
#include "prefixmapping.h"
#include "regularfile.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace
{

RelinkReport cancelledReport()
{
    RelinkReport report;
    report.cancelled = true;
    return report;
}

} // namespace

Relinker::Relinker(CatalogueStore &store) : m_store(store) {}

Result<RelinkReport> Relinker::relink(const RelinkPlan &plan, bool dryRun, Progress &progress)
{
    for (const PrefixMapping &mapping : plan.mappings)
        if (const Outcome folder = checkReadableFolder(mapping.to()); !folder)
            return folder.failure();
    if (!plan.searchFolder.isEmpty())
        if (const Outcome folder = checkReadableFolder(plan.searchFolder); !folder)
            return folder.failure();
    NameIndex index;
    if (!plan.searchFolder.isEmpty())
        index = NameIndex::build(plan.searchFolder, progress);
    if (progress.isCancelled())
        return cancelledReport();
    FolderResolver resolver;
    return run(
        [&](const QString &path, bool folder) -> Found {
            bool ambiguous = false;
            for (const PrefixMapping &mapping : plan.mappings) {
                const std::optional<QStringList> rest = mapping.remainder(path);
                if (!rest)
                    continue;
                const FolderResolver::Found found = resolver.resolve(mapping.to(), *rest);
                if (!found.path.isEmpty() && QFileInfo(found.path).isDir() == folder)
                    return {found.path, false};
                ambiguous = ambiguous || found.ambiguous;
            }
            const QStringList parts = PrefixMapping::components(path);
            if (!plan.searchFolder.isEmpty() && !parts.isEmpty()) {
                const NameIndex::Found found = index.find(parts.last(), folder);
                if (!found.path.isEmpty())
                    return {found.path, false};
                ambiguous = ambiguous || found.ambiguous;
            }
            return {QString(), ambiguous};
        },
        dryRun, progress);
}

QList<Relinker::SharedPrefix> Relinker::sharedPrefixes(const QStringList &missingPaths)
{
    // Grouped by their first two folders, each group's common folders are its prefix.
    QHash<QString, QStringList> commonOf;
    QHash<QString, SharedPrefix> groups;
    for (const QString &path : missingPaths) {
        QStringList folders = PrefixMapping::components(path);
        folders.removeLast();
        if (folders.isEmpty())
            continue;
        const bool windows = PrefixMapping::isWindowsStyle(path);
        const QString key =
            (windows ? folders.mid(0, 2).join(u'/').toCaseFolded() : folders.mid(0, 2).join(u'/'));
        auto it = commonOf.find(key);
        if (it == commonOf.end()) {
            commonOf.insert(key, folders);
            groups.insert(key, {PrefixMapping::leadingPart(path, int(folders.size())), 0});
        } else {
            qsizetype same = 0;
            while (same < it->size() && same < folders.size() &&
                   QString::compare(it->at(same), folders.at(same),
                                    windows ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
                ++same;
            it->resize(same);
            groups[key].prefix = PrefixMapping::leadingPart(path, int(same));
        }
        ++groups[key].count;
    }
    QList<SharedPrefix> prefixes = groups.values();
    std::sort(prefixes.begin(), prefixes.end(), [](const SharedPrefix &a, const SharedPrefix &b) {
        return a.count != b.count ? a.count > b.count : a.prefix < b.prefix;
    });
    return prefixes;
}

Result<RelinkReport> Relinker::run(const Finder &find, bool dryRun, Progress &progress)
{
    Result<QList<Game>> games = m_store.gameFields(Game::pathFields());
    if (!games)
        return games.failure();
    const Result<Configuration> configuration = m_store.configuration();
    if (!configuration)
        return configuration.failure();
    const Result<QHash<GameId, QStringList>> disks = m_store.allMoreDisks();
    if (!disks)
        return disks.failure();

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
                report.changes.append({game.id, field, {}, -1, game.value(field), to});
        const QStringList more = disks->value(game.id);
        for (int i = 0; i < int(more.size()); ++i)
            if (QString to = consider(more.at(i), false); !to.isEmpty())
                report.changes.append({game.id, {}, {}, i, more.at(i), to});
        if (++done % 1024 == 0) {
            progress.setDone(done);
            if (progress.isCancelled())
                return cancelledReport();
        }
    }
    for (const Configuration::Path path : Configuration::paths())
        if (Configuration::isFolder(path))
            if (QString to = consider(configuration->value(path), true); !to.isEmpty())
                report.changes.append({0, {}, path, -1, configuration->value(path), to});
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
