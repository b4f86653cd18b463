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

QString Paths::temp(const QString &name) const
{
    return QDir(tempDir).filePath(name);
}

Paths resolvePaths(const LocationRequest &request, QString *error)
{
    Paths paths;
    paths.programDir = request.programDir;
    paths.sharedDir = request.sharedDir;
    paths.tempDir = request.tempDir.isEmpty() ? QDir::tempPath() : request.tempDir;
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
            if (!why.isEmpty() && error)
                *error = QStringLiteral("Cannot set up the data folder %1: %2")
                             .arg(QDir::toNativeSeparators(request.dataDir), why);
        }
    }
    return paths;
}

LocationRequest defaultLocationRequest(const QString &cataloguePath)
{
    LocationRequest r;
    r.cataloguePath = cataloguePath;
    r.programDir = QCoreApplication::applicationDirPath();
    r.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    r.sharedDir = sharedDataFolder(r.programDir);
    r.sampleCatalogue = QDir(r.sharedDir).filePath(QLatin1String(kSampleCatalogueName));
    r.tempDir = QDir::tempPath();
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
