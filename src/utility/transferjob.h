#pragma once

#include "transfer.h"

#include <QObject>

#include <atomic>

class QThread;

namespace merrow
{

// Runs a transfer on its own thread with its own connections to the catalogue and the
// export file; what it logs arrives through the signals, queued to the owner's thread.
class TransferJob : public QObject
{
    Q_OBJECT
public:
    TransferJob(QString cataloguePath, QString sourcePath, QObject *parent = nullptr);
    // Stops a running transfer after the batch it writes and waits for it: no write is cut
    // short, and what was committed has been logged.
    ~TransferJob() override;

    void start(TransferMode mode, const QList<qint64> &selectedIds);
    bool isRunning() const;
    // Ends the transfer before its next batch; finished() follows as usual.
    void cancel() { m_stop = true; }
    // The outcome; read it once finished() has arrived.
    TransferResult result() const { return m_result; }

Q_SIGNALS:
    void logged(const QString &line, int added, int modified);
    void progressed(int done, int total);
    void finished();

private:
    void work(TransferMode mode, const QList<qint64> &selectedIds);

    QString m_catalogue;
    QString m_source;
    QThread *m_thread = nullptr;
    std::atomic<bool> m_stop = false;
    TransferResult m_result;
};

} // namespace merrow
