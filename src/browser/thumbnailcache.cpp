#include "thumbnailcache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace browser
{

ThumbnailCache::ThumbnailCache(QString folder, QSize size)
    : m_folder(std::move(folder)), m_size(size)
{
}

QString ThumbnailCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/thumbnails");
}

QString ThumbnailCache::fileFor(const QFileInfo &picture) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(picture.absoluteFilePath().toUtf8());
    const QByteArray stamp = QByteArray::number(picture.size()) + ' ' +
                             QByteArray::number(picture.lastModified().toMSecsSinceEpoch()) + ' ' +
                             QByteArray::number(m_size.width()) + 'x' +
                             QByteArray::number(m_size.height());
    hash.addData(stamp);
    return m_folder + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex()) +
           QStringLiteral(".png");
}

Result<QImage> ThumbnailCache::thumbnail(const QString &picture) const
{
    const QFileInfo info(picture);
    if (!info.isFile())
        return Failure{QCoreApplication::translate("ThumbnailCache", "%1 is missing").arg(picture)};
    const QString file = fileFor(info);
    // A kept file that cannot be read (cut short, say) is made again.
    if (QImage kept(file); !kept.isNull())
        return kept;
    Result<QImage> made = make(picture);
    if (made)
        keep(*made, file);
    return made;
}

Result<QImage> ThumbnailCache::make(const QString &picture) const
{
    QImageReader reader(picture);
    // Decoded straight into the small size where the format can, so a large picture never
    // takes its full size in memory.
    if (QSize size = reader.size(); size.isValid()) {
        size.scale(m_size.boundedTo(size), Qt::KeepAspectRatio);
        reader.setScaledSize(size);
    }
    QImage image = reader.read();
    if (image.isNull())
        return Failure{reader.errorString()};
    if (image.width() > m_size.width() || image.height() > m_size.height())
        image = image.scaled(m_size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

void ThumbnailCache::keep(const QImage &image, const QString &file) const
{
    if (!QDir().mkpath(m_folder))
        return;
    // Written under a name of its own and renamed, so a reader never sees half a file; not
    // synced (as QSaveFile would), since a thumbnail lost in a crash is only made again.
    QTemporaryFile part(m_folder + QStringLiteral("/XXXXXX.part"));
    if (!part.open() || !image.save(&part, "PNG"))
        return;
    QFile::remove(file); // a damaged one
    if (part.rename(file))
        part.setAutoRemove(false);
}

} // namespace browser
