#include "gamebasecommand.h"

#include "database.h"
#include "escaping.h"
#include "gamebasereader.h"
#include "regularfile.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTextStream>

#include <future>

namespace
{

// Why the arguments cannot be used, or the empty text.
QString argumentError(const GameBaseCommand &command)
{
    if (const Outcome file = checkRegularFile(command.file); !file)
        return file.error();
    const GameBaseFolders &f = command.folders;
    if (f.games.isEmpty())
        return QStringLiteral("the folder of the game files is not given (--games DIR)");
    for (const QString &folder : {f.games, f.music, f.screens})
        if (!folder.isEmpty() && !QFileInfo(folder).isDir())
            return QStringLiteral("%1 is no folder").arg(folder);
    if (!gameBaseMachines().contains(f.machine))
        return QStringLiteral("the machine (--machine) is one of: %1")
            .arg(gameBaseMachines().join(QLatin1String(", ")));
    return {};
}

// The set's folders listed on a thread of its own: the reader is a process of its own, so
// while merrow waits for it the listing costs no time.
std::future<FolderResolver> listFolders(const GameBaseFolders &folders, std::stop_token stop)
{
    return std::async(std::launch::async, [folders, stop = std::move(stop)] {
        FolderResolver resolver;
        for (const QString &folder : {folders.games, folders.music, folders.screens})
            if (!folder.isEmpty())
                resolver.listAhead(folder, stop);
        return resolver;
    });
}

Result<GameBaseReport> writeGameBase(const GameBaseCommand &command, const GameBaseSet &set,
                                     const QString &catalogue, Progress &progress,
                                     FolderResolver listed)
{
    const auto local = catalogue::Connection::open(catalogue);
    if (!local)
        return Failure{QStringLiteral("cannot open the catalogue: ") + local.error()};
    CatalogueStore store((*local)->db());
    return GameBaseImport::run(store, command.file, set, command.folders, progress, !command.dryRun,
                               std::move(listed));
}

} // namespace

Result<GameBaseReport> runGameBaseImport(const GameBaseCommand &command, const QString &catalogue,
                                         const QString &tempDir, Progress &progress,
                                         legacy::ReaderRun run)
{
    if (const QString why = argumentError(command); !why.isEmpty())
        return Failure{why};
    run.cancelled = [&progress] { return progress.isCancelled(); };
    run.progress = [&progress](qint64 done, qint64 total) {
        progress.setTotal(total);
        progress.setDone(done);
    };
    std::stop_source stop;
    std::future<FolderResolver> listing = listFolders(command.folders, stop.get_token());
    const auto stopListing = qScopeGuard([&stop] { stop.request_stop(); });
    const Result<GameBaseSet> set = GameBaseReader::read(command.file, tempDir, run);
    if (!set)
        return set.failure();
    return writeGameBase(command, *set, catalogue, progress, listing.get());
}

QStringList gameBaseMachines()
{
    return {QStringLiteral("C64"),       QStringLiteral("C128"),      QStringLiteral("Amiga"),
            QStringLiteral("Amiga 1.3"), QStringLiteral("Amiga 2.x"), QStringLiteral("Amiga 3.x")};
}

int importGameBase(const GameBaseCommand &command, const QString &catalogue, const QString &tempDir,
                   QTextStream &out, QTextStream &err, const legacy::ReaderRun &run)
{
    auto fail = [&err](int code, const QString &why) {
        err << "merrow: " << escapeControls(why) << Qt::endl;
        return code;
    };
    if (const QString why = argumentError(command); !why.isEmpty())
        return fail(2, why);
    if (const Outcome usable = catalogue::checkCatalogue(catalogue); !usable)
        return fail(2, QStringLiteral("cannot open the catalogue: ") + usable.error());
    std::stop_source stop;
    std::future<FolderResolver> listing = listFolders(command.folders, stop.get_token());
    const auto stopListing = qScopeGuard([&stop] { stop.request_stop(); });
    const Result<GameBaseSet> set = GameBaseReader::read(command.file, tempDir, run);
    if (!set)
        return fail(1, set.error());
    const Result<GameBaseReport> report =
        writeGameBase(command, *set, catalogue, Progress::none(), listing.get());
    if (!report)
        return fail(2, report.error());
    for (const QString &line : GameBaseImport::summary(*report))
        out << escapeControls(line) << Qt::endl;
    if (command.dryRun)
        out << GameBaseImport::tr("Dry run: nothing was changed.") << Qt::endl;
    return 0;
}
