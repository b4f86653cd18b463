#pragma once

#include "exportpipeline.h"

#include <QObject>

class QThread;

namespace merrow
{

// Runs the export on its own thread; each step's start arrives through stepStarted,
// queued to the owner's thread.
class ExportJob : public QObject
{
    Q_OBJECT
public:
    explicit ExportJob(QObject *parent = nullptr);
    // Waits for a running export: the catalogue is never left half compacted.
    ~ExportJob() override;

    void start(const QString &cataloguePath, const QString &tempDir, const QString &destination);
    bool isRunning() const;
    // The outcome; read it once finished() has arrived.
    ExportPipeline::Result result() const { return m_result; }

Q_SIGNALS:
    void stepStarted(int step, const QString &status);
    void finished();

private:
    QThread *m_thread = nullptr;
    ExportPipeline::Result m_result;
};

} // namespace merrow
