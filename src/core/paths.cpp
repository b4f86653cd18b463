#include "paths.h"

#include "sampleseed.h"
#include "shareddata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

#ifndef VANTREL_SHARED_FROM_BIN
#define VANTREL_SHARED_FROM_BIN "../share/vantrel"
#endif

QString Paths::catalogueDir() const
{
    return QFileInfo(catalogue).absolutePath();
}

void Paths::useCatalogue(const QString &path)
{
    catalogue = QFileInfo(path).absoluteFilePath();
    stateFile = QDir(catalogueDir()).filePath(QLatin1String(kStateFileName));
}

QString Paths::sharedFolder() const
{
    return sharedDir.isEmpty() ? programDir : sharedDir;
}

ResolvedPaths resolvePaths(const LocationRequest &request)
{
    ResolvedPaths resolved;
    Paths &paths = resolved.paths;
    paths.programDir = request.programDir;
    paths.sharedDir = request.sharedDir;
    paths.tempDir = request.tempDir.isEmpty() ? temporaryFolder() : request.tempDir;
    const QString name = QLatin1String(kCatalogueName);
    const QString beside = QDir(request.programDir).filePath(name);
    if (!request.cataloguePath.isEmpty()) {
        paths.useCatalogue(request.cataloguePath);
    } else if (QFileInfo::exists(beside)) {
        paths.useCatalogue(beside);
    } else {
        paths.useCatalogue(QDir(request.dataDir).filePath(name));
        if (!QFileInfo::exists(paths.catalogue) && !request.sampleCatalogue.isEmpty()) {
            const QString why = seedDataFolder(request.sampleCatalogue, request.dataDir);
            if (!why.isEmpty())
                resolved.seeding =
                    Failure{QStringLiteral("Cannot set up the data folder %1: %2")
                                .arg(QDir::toNativeSeparators(request.dataDir), why)};
        }
    }
    return resolved;
}

namespace
{

// Qt takes a relative XDG_DATA_HOME relative to the current folder; the XDG rules say to
// ignore it, which leaves the default below the home folder.
QString dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QDir::isAbsolutePath(folder))
        return folder;
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString own = folder.startsWith(generic) ? folder.mid(generic.size()) : QString();
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share") + own);
}

} // namespace

QString temporaryFolder()
{
#ifdef Q_OS_WIN
    return QDir::tempPath();
#else
    // Qt gives the empty text for a TMPDIR that does not exist, and takes a relative one
    // from the current folder.
    const QString fromEnvironment = qEnvironmentVariable("TMPDIR");
    if (QDir::isAbsolutePath(fromEnvironment) && QFileInfo(fromEnvironment).isDir())
        return QDir::cleanPath(fromEnvironment);
    return QStringLiteral("/tmp");
#endif
}

LocationRequest defaultLocationRequest(const QString &cataloguePath)
{
    LocationRequest r;
    r.cataloguePath = cataloguePath;
    r.programDir = QCoreApplication::applicationDirPath();
    r.dataDir = dataFolder();
    r.sharedDir = sharedDataFolder(r.programDir);
    r.sampleCatalogue = QDir(r.sharedDir).filePath(QLatin1String(kSampleCatalogueName));
    r.tempDir = temporaryFolder();
    return r;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {
    }, sb{};
    if (a.isEmpty() || b.isEmpty() || ::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
