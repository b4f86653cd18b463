#include "exportwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{

Form2::Form2(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Export Program"));
    m_status = new QLabel(QStringLiteral("Press Start to Export"), this);
    m_status->setObjectName(QStringLiteral("Label1"));
    m_status->setAlignment(Qt::AlignCenter);
    m_start = new QPushButton(QStringLiteral("START"), this);
    m_start->setObjectName(QStringLiteral("Command1"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, ExportPipeline::StepCount);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%v / %m"));
    auto *destination = new QLabel(m_ctx.nomef, this);
    destination->setObjectName(QStringLiteral("Destination"));
    destination->setAlignment(Qt::AlignCenter);
    destination->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destination);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_start);
    resize(380, 180);
    connect(m_start, &QPushButton::clicked, this, &Form2::Command1_Click);
    centreOnScreen(this);
}

void Form2::Command1_Click()
{
    if (m_busy)
        return;
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(QStringLiteral("Confirm Start?"), Dialogs::Icon::Question,
                           QStringLiteral("Attention")))
        return;
    m_busy = true;
    m_start->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    ExportPipeline pipeline(m_ctx.paths.catalogue, m_ctx.paths.tempDir, m_ctx.nomef);
    pipeline.onStatus = [this](int step, const QString &status) {
        m_status->setText(status);
        m_progress->setValue(step);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    const ExportPipeline::Result result = pipeline.run();

    m_start->setEnabled(true);
    m_status->setText(QString());
    m_progress->setValue(result.ok ? ExportPipeline::StepCount : 0);
    QApplication::restoreOverrideCursor();
    m_busy = false;
    m_ctx.dialogs.beep();
    if (!result.ok) {
        // The window stays, so the export can be tried again once the cause is gone.
        m_ctx.dialogs.message(result.error, Dialogs::Icon::Critical, QStringLiteral("Error"));
        m_status->setText(QStringLiteral("Press Start to Export"));
        return;
    }
    m_ctx.dialogs.message(ExportPipeline::completionMessage(), Dialogs::Icon::Exclamation,
                          QStringLiteral("Attention"));
    close();
}

void Form2::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace merrow
