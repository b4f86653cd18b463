#include "importfile.h"

#include "cataloguestore.h"
#include "database.h"
#include "fileops.h"
#include "legacyreader.h"
#include "listline.h"
#include "logging.h"
#include "regularfile.h"
#include "workfolder.h"

#include <QFileInfo>
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

// Whether the private folder can take a copy of source with its sidecars.
Outcome checkRoom(const QString &source, const QString &folder)
{
    qint64 needed = QFileInfo(source).size();
    for (const char *sidecar : kSidecars)
        needed += QFileInfo(source + QLatin1String(sidecar)).size();
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < needed)
        return Failure{QStringLiteral("%1 needs %2 bytes in %3, which has %4 free")
                           .arg(source)
                           .arg(needed)
                           .arg(folder)
                           .arg(free)};
    return {};
}

Outcome copyWithSidecars(const QString &source, const QString &copy)
{
    if (Outcome copied = copyIntoPlace(source, copy); !copied)
        return copied;
    for (const char *sidecar : kSidecars) {
        const QString from = source + QLatin1String(sidecar);
        if (!QFileInfo::exists(from))
            continue;
        if (Outcome copied = copyIntoPlace(from, copy + QLatin1String(sidecar)); !copied)
            return copied;
    }
    return catalogue::settleCopy(copy);
}

// The reader's reports, passed on; a cancel stops the reader.
legacy::ReaderRun following(Progress &progress)
{
    legacy::ReaderRun run;
    run.progress = [&progress, total = qint64(-1)](qint64 done, qint64 all) mutable {
        if (all != total)
            progress.setTotal(total = all);
        progress.setDone(done);
    };
    run.cancelled = [&progress] { return progress.isCancelled(); };
    return run;
}

} // namespace

ImportFile::Opened ImportFile::open(const QString &source, const QString &tempDir, bool *unfit,
                                    Progress &progress)
{
    Opened file = prepare(source, tempDir, unfit, progress);
    if (!file)
        return file;
    if (const Outcome connected = (*file)->connect(); !connected) {
        if (unfit)
            *unfit = true;
        return connected.failure();
    }
    return file;
}

ImportFile::Opened ImportFile::prepare(const QString &source, const QString &tempDir, bool *unfit,
                                       Progress &progress)
{
    if (unfit)
        *unfit = false;
    QString copy;
    auto fail = [unfit, &copy, &source](QString why, bool unusable = false) -> Opened {
        if (unfit)
            *unfit = unusable;
        qCInfo(lcExchange) << "import file refused:" << why;
        return Failure{copy.isEmpty() ? why : why.replace(copy, source)};
    };
    if (source.isEmpty())
        return fail(QStringLiteral("no export file was chosen"));
    if (const Outcome file = checkRegularFile(source); !file)
        return fail(file.error());
    if (!QFileInfo(source).isReadable())
        return fail(QStringLiteral("%1 cannot be read").arg(source));
    const bool jet = catalogue::isJetFile(source);
    if (const Outcome usable = jet ? Outcome() : catalogue::checkDatabaseFile(source); !usable)
        return fail(usable.error(), true);
    auto folder = std::make_unique<WorkFolder>(tempDir);
    if (!folder->isValid())
        return fail(folder->error());
    if (const Outcome room = checkRoom(source, folder->path()); !room)
        return fail(room.error());
    copy = folder->filePath(QStringLiteral("import.mdb"));
    if (jet) {
        // The reader refuses anything it cannot read cleanly: the file is unfit.
        if (const Outcome read = legacy::readJetFile(source, copy, following(progress)); !read)
            return fail(read.error(), true);
    } else if (const Outcome copied = copyWithSidecars(source, copy); !copied) {
        return fail(QStringLiteral("cannot take %1 in: %2").arg(source, copied.error()));
    }
    if (const Outcome fit = catalogue::checkForeignCatalogue(copy); !fit)
        return fail(fit.error(), true);
    return std::unique_ptr<ImportFile>(new ImportFile(std::move(folder), source, copy));
}

Outcome ImportFile::connect()
{
    auto opened = catalogue::Connection::open(m_copy, catalogue::Connection::Mode::Foreign);
    if (!opened)
        return Failure{QString(opened.error()).replace(m_copy, m_source)};
    m_connection = std::move(opened).value();
    return {};
}

QSqlDatabase ImportFile::db() const
{
    return m_connection->db();
}

Result<QList<ListEntry>> ImportFile::entries() const
{
    const Result<QList<GameSummary>> games = CatalogueStore(db()).allGames();
    if (!games)
        return games.failure();
    QList<ListEntry> out;
    out.reserve(games->size());
    for (const GameSummary &g : *games)
        out.append({g.id, listLine(g.machine, g.title)});
    return out;
}

} // namespace merrow
