#include "gamebaseimport.h"
#include "gamebasefeed.h"

#include <QFileInfo>
#include <QRegularExpression>

QString GameBaseImport::setName(const QString &file)
{
    return QFileInfo(file).completeBaseName().replace(u'_', u' ').simplified();
}

QString GameBaseImport::setKey(const QString &setName)
{
    static const QRegularExpression release(QStringLiteral("\\s*v\\d+(\\.\\d+)*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return QString(setName).remove(release).toCaseFolded();
}

Result<GameBaseReport> GameBaseImport::run(CatalogueStore &store, const QString &file,
                                           const GameBaseSet &set, const GameBaseFolders &folders,
                                           Progress &progress, bool keep, FolderResolver listed)
{
    GameBaseReport report;
    report.origin = GameBaseMapper::origin(setName(file), set.version);
    report.games = set.games.size();
    GameBaseMapper mapper(folders, report.origin, std::move(listed));
    // The store writes the first games while the workers still map the later ones.
    GameBaseFeed games(mapper, set.games);
    Result<SetImport> written = store.importSetGames(
        QStringLiteral("gamebase:") + setKey(setName(file)), games, progress, keep);
    if (!written)
        return written.failure();
    // A cancelled import stops the mapping rather than wait for counts nobody reads.
    if (!written->cancelled) {
        games.finish();
        report.found = mapper.found();
    }
    report.import = std::move(*written);
    return report;
}

QStringList GameBaseImport::summary(const GameBaseReport &report)
{
    auto count = [](const GameBaseFound::Count &c) {
        return tr("%1 of %2 found").arg(c.found).arg(c.named);
    };
    QStringList lines{
        tr("%1: %2 games").arg(report.origin).arg(report.games),
        tr("New: %1").arg(report.import.added),
        tr("Updated: %1").arg(report.import.updated),
        tr("Conflicts: %1").arg(report.import.conflicts.size()),
        tr("Game files: %1").arg(count(report.found.gameFiles)),
        tr("Music: %1").arg(count(report.found.music)),
        tr("Screenshots: %1").arg(count(report.found.screenshots)),
    };
    for (const QString &title : report.import.conflicts)
        lines << tr("Changed by the collector, left as it is: %1").arg(title);
    return lines;
}
