#include "exportwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "exportjob.h"
#include "fileops.h"
#include "placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{

ExportWindow::ExportWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_job(new ExportJob(this))
{
    setObjectName(QStringLiteral("exportWindow"));
    setWindowTitle(tr("Export Program"));
    m_statusLabel = new QLabel(tr("Press Start to Export"), this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_startButton = new QPushButton(tr("START"), this);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, ExportPipeline::StepCount);
    m_progressBar->setValue(0);
    m_progressBar->setFormat(QStringLiteral("%v / %m"));
    m_destinationLabel = new QLabel(this);
    m_destinationLabel->setObjectName(QStringLiteral("destinationLabel"));
    m_destinationLabel->setAlignment(Qt::AlignCenter);
    m_destinationLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_destinationLabel);
    layout->addWidget(m_statusLabel);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_startButton);
    resize(380, 180);
    connect(m_startButton, &QPushButton::clicked, this, &ExportWindow::onStartClicked);
    connect(m_job, &ExportJob::stepStarted, this, &ExportWindow::showStep, Qt::QueuedConnection);
    connect(m_job, &ExportJob::finished, this, &ExportWindow::finishExport);
    centreOnScreen(this);
}

ExportWindow::~ExportWindow()
{
    const bool busy = isBusy();
    delete m_job; // waits for the export to end
    if (busy)
        QApplication::restoreOverrideCursor();
}

bool ExportWindow::takeRequest(const ExportRequest &request)
{
    if (isBusy()) {
        m_ctx.dialogs.message(tr("The export is still running; wait for it to end."),
                              Dialogs::Icon::Exclamation, tr("Attention"));
        return false;
    }
    m_destination = exportFilePath(request.folder);
    m_destinationLabel->setText(m_destination);
    return true;
}

bool ExportWindow::isBusy() const
{
    return !m_startButton->isEnabled();
}

void ExportWindow::onStartClicked()
{
    if (isBusy())
        return;
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(tr("Confirm Start?"), Dialogs::Icon::Question, tr("Attention")))
        return;
    m_startButton->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_job->start(m_ctx.paths.catalogue, m_ctx.paths.tempDir, m_destination);
}

void ExportWindow::showStep(int step, const QString &status)
{
    m_statusLabel->setText(status);
    m_progressBar->setValue(step);
}

void ExportWindow::finishExport()
{
    const ExportPipeline::Result result = m_job->result();
    m_startButton->setEnabled(true);
    m_statusLabel->setText(QString());
    m_progressBar->setValue(result.ok ? ExportPipeline::StepCount : 0);
    QApplication::restoreOverrideCursor();
    m_ctx.dialogs.beep();
    if (!result.ok) {
        // The window stays, so the export can be tried again once the cause is gone.
        m_ctx.dialogs.message(result.error, Dialogs::Icon::Critical, tr("Error"));
        m_statusLabel->setText(tr("Press Start to Export"));
        return;
    }
    const QString count =
        result.exported == 1
            ? tr("Exported 1 game to %1.").arg(m_destination)
            : tr("Exported %1 games to %2.").arg(result.exported).arg(m_destination);
    m_ctx.dialogs.message(count + QLatin1Char('\n') + ExportPipeline::completionMessage(),
                          Dialogs::Icon::Exclamation, tr("Attention"));
    close();
}

void ExportWindow::closeEvent(QCloseEvent *event)
{
    if (isBusy()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace merrow
