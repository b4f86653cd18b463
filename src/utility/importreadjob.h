#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

namespace merrow
{

class ImportFile;

// Takes an export file in on its own thread: a legacy Jet file is read by the reader
// program, which takes a while for a large file. The copy is opened on the owner's thread
// (a connection belongs to the thread that opens it) when the owner takes the result.
class ImportReadJob : public QObject
{
    Q_OBJECT
public:
    ImportReadJob(QString source, QString tempDir, QObject *parent = nullptr);
    // Stops a running read and waits for it: the reader program is ended at once.
    ~ImportReadJob() override;

    void start();
    // Once finished() has arrived: the file, opened on the calling thread, or null with
    // *error and *unfit set as ImportFile::open sets them.
    std::unique_ptr<ImportFile> take(QString *error, bool *unfit);

Q_SIGNALS:
    void progressed(qint64 done, qint64 total);
    void finished();

private:
    QString m_source;
    QString m_tempDir;
    QThread *m_thread = nullptr;
    std::atomic_bool m_stop = false;
    std::unique_ptr<ImportFile> m_file;
    QString m_error;
    bool m_unfit = false;
};

} // namespace merrow
