#include "importwindow.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "gamediff.h"
#include "importfile.h"
#include "importreadjob.h"
#include "namedwidget.h"
#include "opentest.h"
#include "placement.h"
#include "transferjob.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{
namespace
{

QListWidget *courierList(const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    list->setFont(font);
    list->setUniformItemSizes(true);
    return list;
}

void addToCount(QLabel *label, int delta)
{
    label->setText(QString::number(label->text().trimmed().toInt() + delta));
}

} // namespace

ImportWindow::ImportWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("importWindow"));
    closeOnEscape(this);
    setWindowTitle(tr("Import New Data"));
    buildControls();
    buildLayout();
    resize(900, 600);
    connect(m_gameList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showDifferences();
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_selectButton, &QPushButton::clicked, this, &ImportWindow::onSelectClicked);
    connect(m_deselectButton, &QPushButton::clicked, this, &ImportWindow::onDeselectClicked);
    connect(m_transferNewButton, &QPushButton::clicked, this,
            [this] { startTransfer(TransferMode::New); });
    connect(m_transferSelectedButton, &QPushButton::clicked, this,
            [this] { startTransfer(TransferMode::Selected); });
    connect(m_transferAllButton, &QPushButton::clicked, this,
            [this] { startTransfer(TransferMode::All); });
    centreOnScreen(this);
}

ImportWindow::~ImportWindow()
{
    // A running transfer ends before the file it reads goes away.
    delete m_job;
    delete m_readJob;
}

void ImportWindow::buildControls()
{
    m_gameList = courierList(QStringLiteral("gameList"), this);
    m_selectionList = courierList(QStringLiteral("selectionList"), this);
    m_logList = courierList(QStringLiteral("logList"), this);
    m_selectButton =
        namedWidget<QPushButton>(QStringLiteral("selectButton"), tr("Select ->"), this);
    m_deselectButton =
        namedWidget<QPushButton>(QStringLiteral("deselectButton"), tr("Deselect <-"), this);
    m_transferNewButton = namedWidget<QPushButton>(QStringLiteral("transferNewButton"),
                                                   tr("Transfer NEW Games"), this);
    m_transferSelectedButton = namedWidget<QPushButton>(QStringLiteral("transferSelectedButton"),
                                                        tr("Transfer ONLY Selected"), this);
    m_transferAllButton =
        namedWidget<QPushButton>(QStringLiteral("transferAllButton"), tr("Transfer ALL"), this);
    m_closeButton = namedWidget<QPushButton>(QStringLiteral("closeButton"), tr("Close"), this);
    m_gameCountLabel =
        namedWidget<QLabel>(QStringLiteral("gameCountLabel"), QStringLiteral("0"), this);
    m_selectedCountLabel =
        namedWidget<QLabel>(QStringLiteral("selectedCountLabel"), QStringLiteral("0"), this);
    m_addedCountLabel =
        namedWidget<QLabel>(QStringLiteral("addedCountLabel"), QStringLiteral("0"), this);
    m_modifiedCountLabel =
        namedWidget<QLabel>(QStringLiteral("modifiedCountLabel"), QStringLiteral("0"), this);
    m_waitLabel = namedWidget<QLabel>(QStringLiteral("waitLabel"), tr("WAIT"), this);
    QFont waitFont(QStringLiteral("Times New Roman"));
    waitFont.setStyleHint(QFont::Serif);
    waitFont.setPointSize(16);
    waitFont.setBold(true);
    m_waitLabel->setFont(waitFont);
    m_waitLabel->hide();
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->hide();
}

QLayout *ImportWindow::buildCounts()
{
    auto *counts = new QGridLayout;
    const std::pair<QString, QLabel *> rows[] = {{tr("Games in List:"), m_gameCountLabel},
                                                 {tr("Games Selected:"), m_selectedCountLabel},
                                                 {tr("Games Added:"), m_addedCountLabel},
                                                 {tr("Games Modified:"), m_modifiedCountLabel}};
    int row = 0;
    for (const auto &[caption, value] : rows) {
        counts->addWidget(new QLabel(caption, this), row, 0);
        counts->addWidget(value, row++, 1);
    }
    counts->addWidget(m_waitLabel, row, 0, 1, 2);
    return counts;
}

void ImportWindow::buildLayout()
{
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_selectButton);
    middle->addWidget(m_deselectButton);
    middle->addStretch();
    middle->addLayout(buildCounts());
    const auto headed = [this](const QString &caption, QListWidget *list) {
        auto *column = new QVBoxLayout;
        auto *header = new QLabel(caption, this);
        header->setBuddy(list);
        column->addWidget(header);
        column->addWidget(list, 1);
        return column;
    };
    auto *top = new QHBoxLayout;
    top->addLayout(headed(tr("&Games in the file"), m_gameList), 3);
    top->addLayout(middle, 1);
    top->addLayout(headed(tr("Games &selected for transfer"), m_selectionList), 3);
    auto *transfers = new QHBoxLayout;
    transfers->addWidget(m_transferNewButton);
    transfers->addWidget(m_transferSelectedButton);
    transfers->addWidget(m_transferAllButton);
    transfers->addStretch(1);
    transfers->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addLayout(headed(tr("&Differences and transfer log"), m_logList), 2);
    layout->addWidget(m_progressBar);
    layout->addLayout(transfers);
}

bool ImportWindow::takeRequest(const ImportRequest &request)
{
    if (m_busy) {
        m_ctx.dialogs.message(m_readJob ? tr("The export file is still being read; wait for it "
                                             "to end.")
                                        : tr("A transfer is still running; wait for it to end."),
                              Dialogs::Icon::Exclamation, tr("Attention"));
        return false;
    }
    loadFile(request.file);
    return true;
}

void ImportWindow::loadFile(const QString &path)
{
    m_file.reset();
    for (QListWidget *list : {m_gameList, m_selectionList, m_logList})
        list->clear();
    m_gameCountLabel->setText(QStringLiteral("0"));
    m_selectedCountLabel->setText(QStringLiteral("0"));
    m_waitLabel->show();
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        finishLoading(m_ctx.dbError(), false);
        return;
    }
    if (catalogue::isJetFile(path)) {
        startReading(path);
        return;
    }
    QString why;
    bool unfit = false;
    m_file = ImportFile::open(path, m_ctx.paths.tempDir, &why, &unfit);
    finishLoading(why, unfit);
}

// A Jet file is read by the reader program: the window shows and follows it meanwhile.
void ImportWindow::startReading(const QString &path)
{
    setBusy(true);
    m_progressBar->setRange(0, 0);
    setCursor(Qt::BusyCursor);
    m_readJob = new ImportReadJob(path, m_ctx.paths.tempDir, this);
    connect(m_readJob, &ImportReadJob::progressed, this,
            [this](qint64 done, qint64 total) { showProgress(int(done), int(total)); });
    connect(m_readJob, &ImportReadJob::finished, this, &ImportWindow::finishReading);
    m_readJob->start();
}

void ImportWindow::finishReading()
{
    unsetCursor();
    QString why;
    bool unfit = false;
    m_file = m_readJob->take(&why, &unfit);
    m_readJob->deleteLater();
    m_readJob = nullptr;
    finishLoading(why, unfit);
}

void ImportWindow::finishLoading(const QString &why, bool unfit)
{
    // Read, but no database this program can use: the open test's message comes first.
    if (unfit)
        m_ctx.dialogs.message(tr("Database Open Error"));
    setBusy(false);
    if (!m_file) {
        m_waitLabel->show();
        m_waitLabel->setToolTip(why);
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Unable to read from Floppy!"), Dialogs::Icon::Critical,
                              tr("Error"));
        return;
    }
    m_waitLabel->setToolTip(QString());
    fillGameList();
}

void ImportWindow::fillGameList()
{
    const QList<ListEntry> entries = m_file->entries();
    m_gameList->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(m_gameList);
        for (const ListEntry &e : entries) {
            auto *item = new QListWidgetItem(e.line);
            item->setData(Qt::UserRole, e.id);
            m_gameList->addItem(item);
        }
    }
    m_gameList->setUpdatesEnabled(true);
    m_gameCountLabel->setText(QString::number(m_gameList->count()));
}

void ImportWindow::showDifferences()
{
    m_logList->clear();
    const QListWidgetItem *item = m_gameList->currentItem();
    if (!item || !m_file)
        return;
    const GameDiff diff =
        compareGame(m_ctx.db(), m_file->db(), item->data(Qt::UserRole).toLongLong());
    if (!diff.error.isEmpty()) {
        m_logList->addItem(tr("Cannot compare: ") + diff.error);
        return;
    }
    if (diff.isNew) {
        m_logList->addItem(tr("NEW GAME"));
        return;
    }
    if (diff.found && diff.lines.isEmpty()) {
        m_logList->addItem(tr("No differences"));
        return;
    }
    for (const DiffLine &d : diff.lines) {
        auto *line = new QListWidgetItem(d.text, m_logList);
        line->setData(Qt::UserRole, d.exportId);
    }
}

void ImportWindow::onSelectClicked()
{
    const QListWidgetItem *item = m_gameList->currentItem();
    if (m_gameList->currentRow() < 0 || !item) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Select game to SELECT"), Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    // A game is chosen once: choosing it again shows where it stands in the selection.
    for (int row = 0; row < m_selectionList->count(); ++row) {
        if (m_selectionList->item(row)->data(Qt::UserRole) == item->data(Qt::UserRole)) {
            m_selectionList->setCurrentRow(row);
            return;
        }
    }
    auto *copy = new QListWidgetItem(item->text(), m_selectionList);
    copy->setData(Qt::UserRole, item->data(Qt::UserRole));
    addToCount(m_selectedCountLabel, 1);
}

void ImportWindow::onDeselectClicked()
{
    const int row = m_selectionList->currentRow();
    if (row < 0) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Select game to DESELECT"), Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    delete m_selectionList->takeItem(row);
    // Nothing stays highlighted, so a second click does not take another game away.
    m_selectionList->setCurrentRow(-1);
    addToCount(m_selectedCountLabel, -1);
}

void ImportWindow::setBusy(bool busy)
{
    m_busy = busy;
    for (QPushButton *b : {m_transferNewButton, m_transferSelectedButton, m_transferAllButton})
        b->setEnabled(!busy && m_file);
    // The lists and the selection stay as they are while the catalogue is written.
    const QList<QWidget *> selection = {m_selectButton, m_deselectButton, m_gameList,
                                        m_selectionList};
    for (QWidget *w : selection)
        w->setEnabled(!busy);
    m_closeButton->setEnabled(!busy); // the window stays open while a transfer runs
    m_progressBar->setVisible(busy);
    m_waitLabel->setVisible(busy);
}

void ImportWindow::startTransfer(TransferMode mode)
{
    if (m_busy)
        return;
    const QString question = mode == TransferMode::New        ? tr("Start transfer NEW Games?")
                             : mode == TransferMode::Selected ? tr("Start transfer SELECTED Games?")
                                                              : tr("Start transfer ALL Games?");
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(question, Dialogs::Icon::Question, tr("Confirm")))
        return;
    if (!m_file) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Unable to read from Floppy!"), Dialogs::Icon::Critical,
                              tr("Error"));
        return;
    }
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return;
    m_addedCountLabel->setText(QStringLiteral("0"));
    m_modifiedCountLabel->setText(QStringLiteral("0"));
    if (mode == TransferMode::New)
        m_logList->clear();
    QList<qint64> ids;
    if (mode == TransferMode::Selected)
        for (int i = 0; i < m_selectionList->count(); ++i)
            ids << m_selectionList->item(i)->data(Qt::UserRole).toLongLong();
    setBusy(true);
    m_progressBar->setRange(0, 0);
    delete m_job;
    m_job = new TransferJob(m_ctx.paths.catalogue, m_file->path(), this);
    connect(m_job, &TransferJob::logged, this, &ImportWindow::showLogged, Qt::QueuedConnection);
    connect(m_job, &TransferJob::progressed, this, &ImportWindow::showProgress,
            Qt::QueuedConnection);
    connect(m_job, &TransferJob::finished, this, &ImportWindow::finishTransfer);
    m_job->start(mode, ids);
}

void ImportWindow::showLogged(const QString &line, int added, int modified)
{
    m_logList->addItem(line);
    m_addedCountLabel->setText(QString::number(added));
    m_modifiedCountLabel->setText(QString::number(modified));
}

void ImportWindow::showProgress(int done, int total)
{
    m_progressBar->setRange(0, qMax(total, 1));
    m_progressBar->setValue(done);
    m_logList->scrollToBottom();
}

void ImportWindow::finishTransfer()
{
    const TransferResult result = m_job->result();
    setBusy(false);
    m_ctx.dialogs.beep();
    if (result.ok) {
        m_ctx.dialogs.message(tr("Transfer COMPLETED!"), Dialogs::Icon::Information, tr("End"));
        return;
    }
    m_ctx.dialogs.message(
        tr("The transfer stopped: %1. The %2 games logged before the failure are saved.")
            .arg(result.error)
            .arg(result.added + result.modified),
        Dialogs::Icon::Critical, tr("Error"));
}

void ImportWindow::closeEvent(QCloseEvent *event)
{
    // Reading a file only makes a private copy: closing stops it. A transfer writes the
    // catalogue and is waited for.
    if (m_busy && !m_readJob) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace merrow
