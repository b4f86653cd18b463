#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

QString Paths::catalogueDir() const
{
    return QFileInfo(catalogue).absolutePath();
}

QString Paths::temp(const QString &name) const
{
    return QDir(tempDir).filePath(name);
}

Paths resolvePaths(const LocationRequest &request, QString *error)
{
    Paths paths;
    paths.programDir = request.programDir;
    paths.tempDir = request.tempDir.isEmpty() ? QDir::tempPath() : request.tempDir;
    const QString name = QLatin1String(kCatalogueName);
    const QString beside = QDir(request.programDir).filePath(name);
    if (!request.cataloguePath.isEmpty()) {
        paths.catalogue = QFileInfo(request.cataloguePath).absoluteFilePath();
    } else if (QFileInfo::exists(beside)) {
        paths.catalogue = beside;
    } else {
        paths.catalogue = QDir(request.dataDir).filePath(name);
        if (!QFileInfo::exists(paths.catalogue) && !request.sampleCatalogue.isEmpty()) {
            QDir().mkpath(request.dataDir);
            // Copy under a temporary name, then rename: never a half-written catalogue.
            const QString part = paths.catalogue + QStringLiteral(".part");
            QFile::remove(part);
            if (!QFile::copy(request.sampleCatalogue, part) ||
                !QFile::rename(part, paths.catalogue)) {
                QFile::remove(part);
                if (error)
                    *error = QStringLiteral("Cannot copy the sample catalogue %1 to %2")
                                 .arg(request.sampleCatalogue, paths.catalogue);
            } else {
                QFile(paths.catalogue)
                    .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
            }
        }
    }
    paths.stateFile = QDir(paths.catalogueDir()).filePath(QLatin1String(kStateFileName));
    return paths;
}

LocationRequest defaultLocationRequest(const QString &cataloguePath)
{
    LocationRequest r;
    r.cataloguePath = cataloguePath;
    r.programDir = QCoreApplication::applicationDirPath();
    r.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    r.sampleCatalogue =
        QDir(r.programDir)
            .filePath(QStringLiteral("../share/vantrel/") + QLatin1String(kCatalogueName));
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
