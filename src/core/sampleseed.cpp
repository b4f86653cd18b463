#include "sampleseed.h"

#include "cataloguestore.h"
#include "database.h"
#include "paths.h"
#include "workfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>

#include <algorithm>

namespace
{

using F = Game::Field;
const Game::Field kGamePaths[] = {F::GameFile,  F::SecondDrive, F::ThirdDrive, F::FourthDrive,
                                  F::MusicFile, F::Screenshot1, F::Screenshot2};

const QString kSampleFolderName = QStringLiteral("sample");
// How long a first run waits for another one that is seeding the same folder.
constexpr int kSeedWaitMs = 120000;

bool endsWithSeparator(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

// Copies every folder and file below `from` to the same place below `to`, keeping files
// that are there already. Each copy appears in one rename: an interrupted run leaves no
// truncated file that a later run would keep.
QString copyMissingFiles(const QString &from, const QString &to)
{
    const QDir source(from);
    const QDir target(to);
    if (!QDir().mkpath(to))
        return QStringLiteral("cannot make the folder %1").arg(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString copy = target.filePath(source.relativeFilePath(entry));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(copy))
                return QStringLiteral("cannot make the folder %1").arg(copy);
            continue;
        }
        if (QFileInfo::exists(copy))
            continue;
        const QString part = copy + QStringLiteral(".part");
        QFile::remove(part);
        QFile original(entry);
        if (!original.copy(part))
            return QStringLiteral("cannot copy %1: %2").arg(entry, original.errorString());
        if (!QFile::rename(part, copy)) {
            QFile::remove(part);
            return QStringLiteral("cannot rename %1 to %2").arg(part, copy);
        }
    }
    return {};
}

// The folder the sample files were written in, with its separator at the end: the parent
// of the configuration record's C64 game folder. Empty when the record names none.
Result<QString> writtenSampleFolder(const QSqlDatabase &db)
{
    const auto configuration = CatalogueStore(db).configuration();
    if (!configuration)
        return configuration.failure();
    QString folder = configuration->c64Games;
    while (endsWithSeparator(folder))
        folder.chop(1);
    const qsizetype cut =
        std::max(folder.lastIndexOf(QLatin1Char('/')), folder.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? QString() : folder.left(cut + 1);
}

// Replaces the leading `from` of every stored file and folder path by `to`, in one
// transaction.
QString rewriteFolder(const QSqlDatabase &db, const QString &from, const QString &to)
{
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen())
        return transaction.error();
    const auto rewrite = [&](const QString &table, const QString &column) {
        const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? || substr(%2, length(?) + 1) "
                                           "WHERE substr(%2, 1, length(?)) = ?")
                                .arg(table, column);
        return catalogue::run(db, sql, {to, from, from, from}).error();
    };
    for (const Game::Field field : kGamePaths)
        if (QString why = rewrite(CatalogueStore::gameTable(), CatalogueStore::column(field));
            !why.isEmpty())
            return why;
    for (const Configuration::Path path : Configuration::paths()) {
        if (!Configuration::isFolder(path))
            continue;
        if (QString why = rewrite(CatalogueStore::configTable(), CatalogueStore::column(path));
            !why.isEmpty())
            return why;
    }
    return transaction.commit().error();
}

// Points the catalogue at `path` to the sample files in `sampleCopy`.
QString moveSampleFolder(const QString &path, const QString &sampleCopy)
{
    const auto connection = catalogue::Connection::open(path);
    if (!connection)
        return connection.error();
    const Result<QString> from = writtenSampleFolder((*connection)->db());
    if (!from)
        return from.error();
    if (from->isEmpty())
        return {};
    return rewriteFolder((*connection)->db(), *from,
                         QDir::toNativeSeparators(sampleCopy) + QDir::separator());
}

QString writeCopy(const QString &source, QFile &copy)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
    const QByteArray bytes = in.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush())
        return QStringLiteral("cannot write %1: %2").arg(copy.fileName(), copy.errorString());
    copy.close();
    return {};
}

// Copies the sample into the data folder; the caller holds the folder's seed lock.
QString seedUnderLock(const QString &sampleCatalogue, const QString &sampleFiles, const QDir &data)
{
    const QString target = data.filePath(QLatin1String(kCatalogueName));
    if (QFileInfo::exists(target))
        return {}; // seeded by a run that held the lock before
    sweepLeftovers(data.path(), QStringLiteral("commodore-[A-Za-z0-9]{6}\\.part"));
    const QString sampleCopy = data.absoluteFilePath(kSampleFolderName);
    if (QString why = copyMissingFiles(sampleFiles, sampleCopy); !why.isEmpty())
        return why;

    // The live name appears only once the copy is complete and points at its files.
    QTemporaryFile seed(data.filePath(QStringLiteral("commodore-XXXXXX.part")));
    if (!seed.open())
        return QStringLiteral("cannot write into %1: %2").arg(data.path(), seed.errorString());
    if (QString why = writeCopy(sampleCatalogue, seed); !why.isEmpty())
        return why;
    if (QString why = moveSampleFolder(seed.fileName(), sampleCopy); !why.isEmpty())
        return why;
    seed.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!QFile::rename(seed.fileName(), target))
        return QStringLiteral("cannot rename %1 to %2").arg(seed.fileName(), target);
    seed.setAutoRemove(false);
    return {};
}

} // namespace

QString seedDataFolder(const QString &sampleCatalogue, const QString &dataDir)
{
    const QString sampleFiles = QFileInfo(sampleCatalogue).dir().filePath(kSampleFolderName);
    if (!QFileInfo(sampleCatalogue).isFile())
        return QStringLiteral("the sample catalogue %1 is missing").arg(sampleCatalogue);
    if (!QFileInfo(sampleFiles).isDir())
        return QStringLiteral("the sample files %1 are missing").arg(sampleFiles);
    if (!QDir().mkpath(dataDir))
        return QStringLiteral("cannot make the folder %1").arg(dataDir);
    // First runs started together seed one after the other; the later ones find the
    // catalogue. A killed run's lock is taken over once its process is gone, never by age.
    const QDir data(dataDir);
    QLockFile lock(data.filePath(QStringLiteral("seed.lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kSeedWaitMs))
        return QStringLiteral("another run has been setting up %1 for over %2 s")
            .arg(dataDir)
            .arg(kSeedWaitMs / 1000);
    return seedUnderLock(sampleCatalogue, sampleFiles, data);
}
