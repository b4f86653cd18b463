#include "thumbnailloader.h"

#include <QtConcurrent/QtConcurrentRun>

namespace browser
{
namespace
{

// Two large screens of tiles and more, at about 75 KB each.
constexpr qsizetype kHeldThumbnails = 600;

} // namespace

ThumbnailLoader::ThumbnailLoader(ThumbnailCache cache, QObject *parent)
    : QObject(parent), m_cache(std::move(cache)), m_images(kHeldThumbnails)
{
    connect(&m_watcher, &QFutureWatcher<Result<QImage>>::finished, this, &ThumbnailLoader::onMade);
}

ThumbnailLoader::~ThumbnailLoader()
{
    // The work holds a copy of the cache only, but its result must not outlive us unread.
    m_watcher.waitForFinished();
}

void ThumbnailLoader::request(const QStringList &pictures)
{
    m_queue.clear();
    for (const QString &picture : pictures)
        if ((!m_working || picture != m_making) && !m_images.contains(picture) &&
            !m_failed.contains(picture) && !m_queue.contains(picture))
            m_queue << picture;
    if (!m_working)
        startNext();
}

void ThumbnailLoader::forget()
{
    m_images.clear();
    m_failed.clear();
}

void ThumbnailLoader::startNext()
{
    if (m_queue.isEmpty()) {
        Q_EMIT idle();
        return;
    }
    m_working = true;
    m_making = m_queue.takeFirst();
    m_watcher.setFuture(QtConcurrent::run(
        [cache = m_cache, picture = m_making] { return cache.thumbnail(picture); }));
}

void ThumbnailLoader::onMade()
{
    const Result<QImage> made = m_watcher.result();
    const QString picture = m_making;
    m_working = false;
    if (made)
        m_images.insert(picture, new QImage(*made), 1);
    else
        m_failed.insert(picture);
    startNext();
    Q_EMIT thumbnailReady(picture);
}

} // namespace browser
