#include "scanwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "placement.h"
#include "scantablemodel.h"
#include "windowregistry.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ScanWindow::ScanWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_model(new ScanTableModel(this))
{
    setObjectName(QStringLiteral("folderScanWindow"));
    setWindowTitle(tr("Add Games from Folder"));
    buildLayout();
    connect(&m_job, &Job::progressed, this, [this](qint64 done, qint64 total) {
        m_progress->setMaximum(int(total));
        m_progress->setValue(int(done));
    });
    connect(&m_job, &Job::finished, this, &ScanWindow::scanFinished);
    connect(m_model, &ScanTableModel::chosenCountChanged, this, &ScanWindow::showChosenCount);
    connect(m_cancelButton, &QPushButton::clicked, &m_job, &Job::cancel);
    connect(m_addButton, &QPushButton::clicked, this, &ScanWindow::addChosen);
}

void ScanWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("folderLabel"));
    layout->addWidget(m_folderLabel);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("scanTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table, 1);
    m_skipped = new QListWidget(this);
    m_skipped->setObjectName(QStringLiteral("skippedList"));
    m_skipped->setMaximumHeight(m_skipped->fontMetrics().height() * 6);
    m_skipped->hide();
    layout->addWidget(m_skipped);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    layout->addWidget(m_statusLabel);
    auto *buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("scanProgress"));
    buttons->addWidget(m_progress, 1);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_addButton = new QPushButton(this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setDefault(true);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *b : {m_cancelButton, m_addButton, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    closeOnEscape(this);
    resize(760, 480);
}

bool ScanWindow::takeRequest(const FolderScanRequest &request)
{
    if (m_job.isRunning())
        return true; // one scan at a time; this one goes on
    const Result<QSet<QString>> referenced = CatalogueStore(m_ctx.db()).referencedPaths();
    if (!referenced) {
        m_ctx.dialogs.message(referenced.error(), Dialogs::Icon::Critical);
        return false;
    }
    m_folderLabel->setText(QDir::toNativeSeparators(request.folder));
    m_model->setGames({});
    m_skipped->clear();
    m_skipped->hide();
    m_statusLabel->setText(tr("Looking for games…"));
    m_progress->show();
    m_cancelButton->setEnabled(true);
    m_job.start([scanner = FolderScanner(request.folder, *referenced)](Progress &progress) {
        return scanner.scan(progress);
    });
    return true;
}

void ScanWindow::scanFinished()
{
    const ScanReport &report = m_job.result();
    m_progress->hide();
    m_cancelButton->setEnabled(false);
    if (report.cancelled) {
        m_statusLabel->setText(tr("The scan was cancelled."));
        return;
    }
    m_model->setGames(report.games);
    m_table->resizeColumnsToContents();
    for (const SkippedFile &file : report.skipped)
        m_skipped->addItem(
            tr("Skipped %1: %2").arg(QDir::toNativeSeparators(file.path), file.reason));
    m_skipped->setVisible(!report.skipped.isEmpty());
    const auto found = int(report.games.size());
    m_statusLabel->setText(found == 1 ? tr("1 new game found.")
                                      : tr("%1 new games found.").arg(found));
}

void ScanWindow::showChosenCount(int count)
{
    m_addButton->setText(count == 1 ? tr("Add 1 Game") : tr("Add %1 Games").arg(count));
    m_addButton->setEnabled(count > 0);
}

void ScanWindow::addChosen()
{
    const Result<QList<GameId>> added =
        CatalogueStore(m_ctx.db()).addGames(m_model->chosenGames(), Progress::none());
    if (!added) {
        m_ctx.dialogs.message(added.error(), Dialogs::Icon::Critical);
        return;
    }
    Q_EMIT m_ctx.windows.events().gamesChanged();
    close();
}
