#pragma once

#include "progress.h"

#include <QFuture>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>
#include <optional>
#include <utility>

// Long work on the thread pool, followed from the thread that started it. The work gets a
// Progress whose reports arrive here as queued signals before finished(); notes arrive in
// the order they were made, several to one queued event when they come fast. Deleting a running job
// cancels it and waits for it, so a window closed at exit never leaves work behind.
class Job : public QObject
{
    Q_OBJECT
public:
    explicit Job(QObject *parent = nullptr);
    ~Job() override;

    bool isRunning() const;
    // Asks the work to stop; it stops at its next check.
    void cancel();
    bool isCancelled() const;
    // Blocks until the work has ended (tests and the headless commands).
    void waitForFinished();

Q_SIGNALS:
    void progressed(qint64 done, qint64 total);
    void noted(const QString &line);
    void finished();

protected:
    Progress &progress();
    // Before the work starts: a fresh, uncancelled Progress.
    void prepare();
    void watch(QFuture<void> future);

private:
    class Reporter;
    std::shared_ptr<Reporter> m_reporter;
    QFuture<void> m_future;
    bool m_running = false;
};

// A Job whose work returns a T: work(Progress &) -> T.
template <typename T> class BackgroundJob : public Job
{
public:
    using Job::Job;
    // The work writes the result: it must end before the result goes, not only in ~Job.
    ~BackgroundJob() override
    {
        cancel();
        waitForFinished();
    }

    template <typename Work> void start(Work work)
    {
        Q_ASSERT(!isRunning());
        m_result.reset();
        prepare();
        watch(QtConcurrent::run(
            [this, work = std::move(work)]() mutable { m_result.emplace(work(progress())); }));
    }

    // Valid once finished() was emitted.
    const T &result() const { return *m_result; }
    // Moves the result out (a file or connection it holds); valid once, after finished().
    T takeResult() { return std::move(*m_result); }

private:
    std::optional<T> m_result;
};
