#include "archiveimages.h"

#include "archivefile.h"
#include "runtimefile.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
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
// the rest is the archive's name and a short hash of its whole path, so that "game.zip" of
// two folders never replace each other's image while one of them runs.
QString extractedName(const QString &archive, const ArchiveImage &image)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9]"));
    const QFileInfo info(archive);
    const QString suffix = QFileInfo(image.name).suffix().remove(other).left(8);
    const QByteArray source =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    return info.completeBaseName() + u'-' + QString::fromLatin1(source.toHex().left(8)) + u'-' +
           QString::number(image.index) + u'.' + suffix;
}

QString lastComponent(const QString &name)
{
    // Sets name their images with Windows' separators, archives with either.
    return QString(name).replace(u'\\', u'/').section(u'/', -1);
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

qsizetype findArchiveImage(const QList<ArchiveImage> &images, const QString &name)
{
    const QString wanted = lastComponent(name);
    if (wanted.isEmpty())
        return -1;
    for (qsizetype i = 0; i < images.size(); ++i)
        if (lastComponent(images[i].name).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
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
