#include "exportwindow.h"

#include "appcontext.h"
#include "backgroundjob.h"
#include "dialogs.h"
#include "exportpipeline.h"
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
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_job(new BackgroundJob<Result<int>>(this))
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
    // Room for the longest step's text.
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(48, QLatin1Char('x'))));
    connect(m_startButton, &QPushButton::clicked, this, &ExportWindow::onStartClicked);
    connect(m_job, &Job::noted, this, &ExportWindow::showStep);
    connect(m_job, &Job::finished, this, &ExportWindow::finishExport);
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
    m_job->start([catalogue = m_ctx.paths.catalogue, tempDir = m_ctx.paths.tempDir,
                  destination = m_destination](Progress &progress) {
        return ExportPipeline(catalogue, tempDir, destination).run(progress);
    });
}

// The pipeline notes each step's status as it starts; the bar shows the steps before it.
void ExportWindow::showStep(const QString &status)
{
    m_statusLabel->setText(status);
    for (int step = 0; step < ExportPipeline::StepCount; ++step)
        if (ExportPipeline::statusText(step) == status)
            m_progressBar->setValue(step);
}

void ExportWindow::finishExport()
{
    const Result<int> &exported = m_job->result();
    m_startButton->setEnabled(true);
    m_statusLabel->setText(QString());
    m_progressBar->setValue(exported ? ExportPipeline::StepCount : 0);
    QApplication::restoreOverrideCursor();
    m_ctx.dialogs.beep();
    if (!exported) {
        // The window stays, so the export can be tried again once the cause is gone.
        m_ctx.dialogs.message(exported.error(), Dialogs::Icon::Critical, tr("Error"));
        m_statusLabel->setText(tr("Press Start to Export"));
        return;
    }
    const QString count = *exported == 1
                              ? tr("Exported 1 game to %1.").arg(m_destination)
                              : tr("Exported %1 games to %2.").arg(*exported).arg(m_destination);
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
