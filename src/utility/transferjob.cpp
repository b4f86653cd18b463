#include "transferjob.h"

#include "database.h"

#include <QThread>

namespace merrow
{

TransferJob::TransferJob(QString cataloguePath, QString sourcePath, QObject *parent)
    : QObject(parent), m_catalogue(std::move(cataloguePath)), m_source(std::move(sourcePath))
{
}

TransferJob::~TransferJob()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

bool TransferJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void TransferJob::start(TransferMode mode, const QList<qint64> &selectedIds)
{
    if (isRunning())
        return;
    delete m_thread;
    m_stop = false;
    m_thread = QThread::create([this, mode, selectedIds] { work(mode, selectedIds); });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &TransferJob::finished, Qt::QueuedConnection);
    m_thread->start();
}

void TransferJob::work(TransferMode mode, const QList<qint64> &selectedIds)
{
    m_result = {};
    // Connections belong to the thread that opens them.
    const auto catalogue = catalogue::Connection::open(m_catalogue);
    const auto source =
        catalogue ? catalogue::Connection::open(m_source, catalogue::Connection::Mode::Foreign)
                  : catalogue.failure();
    if (!source) {
        m_result.ok = false;
        m_result.error = source.error();
        return;
    }
    Transfer transfer((*catalogue)->db(), (*source)->db());
    transfer.onLog = [this](const QString &line, const TransferResult &sofar) {
        Q_EMIT logged(line, sofar.added, sofar.modified);
    };
    transfer.onProgress = [this](int done, int total) { Q_EMIT progressed(done, total); };
    transfer.cancelled = [this] { return m_stop.load(); };
    m_result = transfer.run(mode, selectedIds);
}

} // namespace merrow
