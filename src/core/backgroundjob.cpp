#include "backgroundjob.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QMutex>
#include <QStringList>

#include <atomic>

// Posts the work's reports to the job's thread. Progress counts are thinned to one every
// few milliseconds (the last one always arrives); notes all arrive, gathered: a note made
// while one is still on its way travels with it, so a long log costs few queued events.
class Job::Reporter final : public Progress
{
public:
    explicit Reporter(Job *job) : m_job(job) { m_sinceLast.start(); }

    void setTotal(qint64 total) override
    {
        m_total = total;
        post(m_done, true);
    }
    void setDone(qint64 done) override
    {
        m_done = done;
        post(done, done >= m_total);
    }
    void note(const QString &line) override
    {
        {
            const QMutexLocker lock(&m_notesLock);
            m_notes.append(line);
            if (m_notes.size() > 1)
                return;
        }
        QMetaObject::invokeMethod(
            m_job, [this] { deliverNotes(); }, Qt::QueuedConnection);
    }
    bool isCancelled() const override { return m_cancelled.load(); }
    void cancel() { m_cancelled.store(true); }
    void reset()
    {
        m_cancelled.store(false);
        m_done = 0;
        m_total = 0;
    }

private:
    void deliverNotes()
    {
        QStringList notes;
        {
            const QMutexLocker lock(&m_notesLock);
            notes.swap(m_notes);
        }
        for (const QString &line : std::as_const(notes))
            Q_EMIT m_job->noted(line);
    }

    void post(qint64 done, bool always)
    {
        if (!always && m_sinceLast.elapsed() < 20)
            return;
        m_sinceLast.restart();
        const qint64 total = m_total;
        QMetaObject::invokeMethod(
            m_job, [job = m_job, done, total] { Q_EMIT job->progressed(done, total); },
            Qt::QueuedConnection);
    }

    Job *m_job;
    std::atomic_bool m_cancelled = false;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QElapsedTimer m_sinceLast;
    QMutex m_notesLock;
    QStringList m_notes;
};

Job::Job(QObject *parent) : QObject(parent), m_reporter(std::make_shared<Reporter>(this)) {}

Job::~Job()
{
    cancel();
    m_future.waitForFinished();
}

bool Job::isRunning() const
{
    return m_running;
}

void Job::cancel()
{
    m_reporter->cancel();
}

bool Job::isCancelled() const
{
    return m_reporter->isCancelled();
}

void Job::waitForFinished()
{
    m_future.waitForFinished();
}

Progress &Job::progress()
{
    return *m_reporter;
}

void Job::prepare()
{
    m_reporter->reset();
}

void Job::watch(QFuture<void> future)
{
    m_future = future;
    m_running = true;
    auto *watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher] {
        watcher->deleteLater();
        m_running = false;
        Q_EMIT finished();
    });
    watcher->setFuture(future);
}
