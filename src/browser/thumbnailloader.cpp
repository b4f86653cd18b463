#include "thumbnailloader.h"

#include <QtConcurrent/QtConcurrentRun>

namespace browser
{
namespace
{

// Two large screens of tiles and more, at about 75 KB each.
constexpr qsizetype kHeldThumbnails = 600;
// The machines it is made for have two cores or more; the window keeps one busy at most.
constexpr qsizetype kWorkers = 2;

} // namespace

ThumbnailLoader::ThumbnailLoader(ThumbnailCache cache, QObject *parent)
    : QObject(parent), m_cache(std::move(cache)), m_images(kHeldThumbnails)
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    // The work holds a copy of the cache only, but its result must not outlive us unread.
    for (Watcher *watcher : m_making.keys())
        watcher->waitForFinished();
}

void ThumbnailLoader::request(const QStringList &pictures)
{
    m_queue.clear();
    for (const QString &picture : pictures)
        if (!m_images.contains(picture) && !m_failed.contains(picture) &&
            !m_queue.contains(picture) && !m_making.values().contains(picture))
            m_queue << picture;
    startNext();
}

void ThumbnailLoader::forget()
{
    m_images.clear();
    m_failed.clear();
}

void ThumbnailLoader::startNext()
{
    while (m_making.size() < kWorkers && !m_queue.isEmpty()) {
        auto *watcher = new Watcher(this);
        connect(watcher, &Watcher::finished, this, [this, watcher] { onMade(watcher); });
        const QString picture = m_queue.takeFirst();
        m_making.insert(watcher, picture);
        watcher->setFuture(
            QtConcurrent::run([cache = m_cache, picture] { return cache.thumbnail(picture); }));
    }
    if (m_making.isEmpty())
        Q_EMIT idle();
}

void ThumbnailLoader::onMade(Watcher *watcher)
{
    const QString picture = m_making.take(watcher);
    const Result<QImage> made = watcher->result();
    watcher->deleteLater();
    if (made)
        m_images.insert(picture, new QImage(*made), 1);
    else
        m_failed.insert(picture);
    startNext();
    Q_EMIT thumbnailReady(picture);
}

} // namespace browser
