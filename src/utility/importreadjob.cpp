#include "importreadjob.h"

#include "importfile.h"
#include "legacyreader.h"

#include <QThread>

namespace merrow
{

ImportReadJob::ImportReadJob(QString source, QString tempDir, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_tempDir(std::move(tempDir))
{
}

ImportReadJob::~ImportReadJob()
{
    m_stop = true;
    if (m_thread)
        m_thread->wait();
}

void ImportReadJob::start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] {
        legacy::ReaderRun reader;
        reader.progress = [this](qint64 done, qint64 total) { Q_EMIT progressed(done, total); };
        reader.cancelled = [this] { return m_stop.load(); };
        m_file = ImportFile::prepare(m_source, m_tempDir, &m_error, &m_unfit, reader);
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &ImportReadJob::finished, Qt::QueuedConnection);
    m_thread->start();
}

std::unique_ptr<ImportFile> ImportReadJob::take(QString *error, bool *unfit)
{
    *error = m_error;
    *unfit = m_unfit;
    if (m_file && !m_file->connect(error)) {
        *unfit = true;
        m_file.reset();
    }
    return std::move(m_file);
}

} // namespace merrow
