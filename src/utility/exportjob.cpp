#include "exportjob.h"

#include <QThread>

namespace merrow
{

ExportJob::ExportJob(QObject *parent) : QObject(parent) {}

ExportJob::~ExportJob()
{
    if (m_thread)
        m_thread->wait();
}

bool ExportJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void ExportJob::start(const QString &cataloguePath, const QString &tempDir,
                      const QString &destination)
{
    if (isRunning())
        return;
    delete m_thread;
    m_thread = QThread::create([this, cataloguePath, tempDir, destination] {
        ExportPipeline pipeline(cataloguePath, tempDir, destination);
        pipeline.onStatus = [this](int step, const QString &status) {
            Q_EMIT stepStarted(step, status);
        };
        m_result = pipeline.run();
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &ExportJob::finished, Qt::QueuedConnection);
    m_thread->start();
}

} // namespace merrow
