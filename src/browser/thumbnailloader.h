#pragma once

#include "result.h"
#include "thumbnailcache.h"

#include <QCache>
#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace browser
{

// Makes thumbnails on two workers, a picture each at a time, for the pictures asked for last:
// each request replaces the queue, so pictures scrolled out of sight before their turn are
// never read. The thumbnails made are held in memory, the most recent few hundred.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
public:
    explicit ThumbnailLoader(ThumbnailCache cache, QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    // The picture's thumbnail, nullptr while it is not made (or cannot be).
    const QImage *thumbnail(const QString &picture) const { return m_images.object(picture); }
    // Whether the picture is missing or cannot be decoded.
    bool failed(const QString &picture) const { return m_failed.contains(picture); }
    bool isBusy() const { return !m_making.isEmpty() || !m_queue.isEmpty(); }
    // The pictures wanted now, in order; any queued earlier and not among them are dropped.
    void request(const QStringList &pictures);
    // Forgets what was made and what failed (the pictures may have changed); the queue stays.
    void forget();

Q_SIGNALS:
    void thumbnailReady(const QString &picture);
    // The queue has run dry.
    void idle();

private:
    using Watcher = QFutureWatcher<Result<QImage>>;

    void startNext();
    void onMade(Watcher *watcher);

    ThumbnailCache m_cache;
    QStringList m_queue;
    // The pictures in the making, till their results are taken (which may be after the
    // work has ended).
    QHash<Watcher *, QString> m_making;
    QCache<QString, QImage> m_images;
    QSet<QString> m_failed;
};

} // namespace browser
