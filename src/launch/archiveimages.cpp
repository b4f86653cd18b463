#include "archiveimages.h"

#include "archivefile.h"
#include "runtimefile.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The extension of the entry, letters and digits only, so that the emulator knows the kind;
// the rest of the name is the archive's own.
QString extractedName(const QString &archive, const ArchiveImage &image)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9]"));
    const QString suffix = QFileInfo(image.name).suffix().remove(other).left(8);
    return QFileInfo(archive).completeBaseName() + QLatin1Char('-') + QString::number(image.index) +
           QLatin1Char('.') + suffix;
}

} // namespace

bool isArchiveFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("zip") || suffix == QLatin1String("gz") ||
           suffix == QLatin1String("adz");
}

Result<QList<ArchiveImage>> archiveImages(const QString &path)
{
    // A pipe or a device would hold the reading up for good.
    if (!QFileInfo(path).isFile())
        return Failure{
            QCoreApplication::translate("ArchiveImages", "%1 is not a file.").arg(shown(path))};
    const Result<QList<ArchiveFile::Entry>> entries = ArchiveFile(path).entries();
    if (!entries)
        return entries.failure();
    QList<ArchiveImage> images;
    for (const ArchiveFile::Entry &entry : *entries) {
        const Result<ImageKind> kind = entry.head.identify();
        if (kind && *kind != ImageKind::Zip && *kind != ImageKind::Gzip)
            images.append({entry.index, entry.head.name, *kind});
    }
    if (images.isEmpty())
        return Failure{QCoreApplication::translate("ArchiveImages", "%1 holds no disk image.")
                           .arg(shown(path))};
    return images;
}

Result<ArchiveImage> firstArchiveImage(const QString &path, bool (*wanted)(ImageKind))
{
    const Result<QList<ArchiveImage>> images = archiveImages(path);
    if (!images)
        return images.failure();
    for (const ArchiveImage &image : *images)
        if (wanted(image.kind))
            return image;
    return Failure{
        QCoreApplication::translate("ArchiveImages", "%1 holds no disk image.").arg(shown(path))};
}

Result<QString> playablePath(const QString &path, int index, const RuntimeFolder &folder)
{
    if (!isArchiveFile(path))
        return path;
    const Result<QList<ArchiveImage>> images = archiveImages(path);
    if (!images)
        return images.failure();
    const auto chosen = std::find_if(images->begin(), images->end(), [index](const auto &image) {
        return index < 0 || image.index == index;
    });
    if (chosen == images->end())
        return Failure{QCoreApplication::translate("ArchiveImages", "%1 has no image %2.")
                           .arg(shown(path))
                           .arg(index)};
    const Result<QByteArray> content = ArchiveFile(path).read(chosen->index);
    if (!content)
        return content.failure();
    return placeRuntimeFile(folder, extractedName(path, *chosen), *content);
}
