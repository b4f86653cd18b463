#pragma once

#include "result.h"

#include <QImage>
#include <QSize>
#include <QString>

class QFileInfo;

namespace browser
{

// Thumbnails of pictures, kept as PNG files in a folder so that a grid shown again reads
// them instead of decoding every screenshot. A kept file is named by a hash of the
// picture's path, size and modification time and of the thumbnail's size, so a changed
// picture gets a new thumbnail and stale ones are simply never read again. Safe to use
// from several threads: it holds no state beyond its folder.
class ThumbnailCache
{
public:
    static constexpr QSize kSize{160, 120};

    explicit ThumbnailCache(QString folder, QSize size = kSize);
    // "thumbnails" in the user's cache folder.
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    // The file the picture's thumbnail is kept in.
    QString fileFor(const QFileInfo &picture) const;
    // The picture scaled into the thumbnail size, read from the folder or made and kept
    // there. An error when the picture is missing or cannot be decoded; a folder that
    // cannot be written only costs the next read.
    Result<QImage> thumbnail(const QString &picture) const;

private:
    Result<QImage> make(const QString &picture) const;
    void keep(const QImage &image, const QString &file) const;

    QString m_folder;
    QSize m_size;
};

} // namespace browser
