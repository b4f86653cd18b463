#include "importwindow.h"

#include "appcontext.h"
#include "backgroundjob.h"
#include "database.h"
#include "dialogs.h"
#include "gamediff.h"
#include "gamelinemodel.h"
#include "importfile.h"
#include "logging.h"
#include "namedwidget.h"
#include "opentest.h"
#include "placement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace merrow
{

struct ImportReading {
    ImportFile::Opened file;
    bool unfit = false;
};

namespace
{

QListView *courierList(const QString &name, QAbstractItemModel *model, QWidget *parent)
{
    auto *list = new QListView(parent);
    list->setObjectName(name);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Room for the machine column and a title of common length.
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('M'))));
    list->setModel(model);
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
    connect(m_gameList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
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
    delete m_transfer;
    delete m_reading; // stops the reader program
}

void ImportWindow::buildControls()
{
    m_games = new GameLineModel(this);
    m_selection = new GameLineModel(this);
    m_log = new QStringListModel(this);
    m_gameList = courierList(QStringLiteral("gameList"), m_games, this);
    m_selectionList = courierList(QStringLiteral("selectionList"), m_selection, this);
    m_logList = courierList(QStringLiteral("logList"), m_log, this);
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
    const auto headed = [this](const QString &caption, QListView *list) {
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
        m_ctx.dialogs.message(m_reading ? tr("The export file is still being read; wait for it "
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
    m_games->setEntries({});
    m_selection->setEntries({});
    m_log->setStringList({});
    m_gameCountLabel->setText(QStringLiteral("0"));
    m_selectedCountLabel->setText(QStringLiteral("0"));
    m_waitLabel->show();
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        finishLoading(Failure{m_ctx.dbError()}, false);
        return;
    }
    if (catalogue::isJetFile(path)) {
        startReading(path);
        return;
    }
    bool unfit = false;
    finishLoading(ImportFile::open(path, m_ctx.paths.tempDir, &unfit), unfit);
}

// A Jet file is read by the reader program: the window shows and follows it meanwhile.
void ImportWindow::startReading(const QString &path)
{
    setBusy(true);
    m_progressBar->setRange(0, 0);
    setCursor(Qt::BusyCursor);
    m_reading = new BackgroundJob<ImportReading>(this);
    connect(m_reading, &Job::progressed, this, &ImportWindow::showProgress);
    connect(m_reading, &Job::finished, this, &ImportWindow::finishReading);
    m_reading->start([path, tempDir = m_ctx.paths.tempDir](Progress &progress) {
        bool unfit = false;
        ImportFile::Opened file = ImportFile::prepare(path, tempDir, &unfit, progress);
        return ImportReading{std::move(file), unfit};
    });
}

void ImportWindow::finishReading()
{
    unsetCursor();
    ImportReading reading = m_reading->takeResult();
    m_reading->deleteLater();
    m_reading = nullptr;
    // A connection belongs to the thread that opens it: this one reads the copy.
    if (reading.file) {
        if (const Outcome connected = (*reading.file)->connect(); !connected) {
            reading.file = connected.failure();
            reading.unfit = true;
        }
    }
    finishLoading(std::move(reading.file), reading.unfit);
}

void ImportWindow::finishLoading(ImportFile::Opened file, bool unfit)
{
    // Read, but no database this program can use: the open test's message comes first.
    if (unfit)
        m_ctx.dialogs.message(tr("Database Open Error"));
    if (file)
        m_file = std::move(file).value();
    setBusy(false);
    if (!m_file) {
        m_waitLabel->show();
        m_waitLabel->setToolTip(file.error());
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
    const Result<QList<ListEntry>> entries = m_file->entries();
    if (!entries)
        qCWarning(lcExchange) << "cannot list the export file:" << entries.error();
    m_games->setEntries(entries.valueOr({}));
    m_gameCountLabel->setText(QString::number(m_games->rowCount()));
}

int ImportWindow::currentGameRow() const
{
    return m_gameList->currentIndex().row();
}

void ImportWindow::setLog(const QStringList &lines)
{
    m_log->setStringList(lines);
}

void ImportWindow::showDifferences()
{
    setLog({});
    const int row = currentGameRow();
    if (row < 0 || !m_file)
        return;
    const Result<GameDiff> diff =
        compareGame(m_ctx.db(), m_file->db(), m_games->entries().at(row).id);
    if (!diff)
        setLog({tr("Cannot compare: ") + diff.error()});
    else if (diff->isNew)
        setLog({tr("NEW GAME")});
    else if (diff->lines.isEmpty())
        setLog({tr("No differences")});
    else
        setLog(diff->lines);
}

void ImportWindow::onSelectClicked()
{
    const int row = currentGameRow();
    if (row < 0) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Select game to SELECT"), Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    // A game is chosen once: choosing it again shows where it stands in the selection.
    const ListEntry &game = m_games->entries().at(row);
    if (const int chosen = m_selection->rowOf(game.id); chosen >= 0) {
        m_selectionList->setCurrentIndex(m_selection->index(chosen));
        return;
    }
    m_selection->append(game);
    addToCount(m_selectedCountLabel, 1);
}

void ImportWindow::onDeselectClicked()
{
    const int row = m_selectionList->currentIndex().row();
    if (row < 0) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Select game to DESELECT"), Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    m_selection->removeAt(row);
    // Nothing stays highlighted, so a second click does not take another game away.
    m_selectionList->setCurrentIndex({});
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
    m_counts = {};
    m_addedCountLabel->setText(QStringLiteral("0"));
    m_modifiedCountLabel->setText(QStringLiteral("0"));
    if (mode == TransferMode::New)
        setLog({});
    QList<GameId> ids;
    if (mode == TransferMode::Selected)
        for (const ListEntry &e : m_selection->entries())
            ids << e.id;
    setBusy(true);
    m_progressBar->setRange(0, 0);
    if (!m_transfer) {
        m_transfer = new BackgroundJob<Result<TransferCounts>>(this);
        connect(m_transfer, &Job::noted, this, &ImportWindow::takeLogged);
        connect(m_transfer, &Job::progressed, this, &ImportWindow::showProgress);
        connect(m_transfer, &Job::finished, this, &ImportWindow::finishTransfer);
    }
    m_transfer->start([catalogue = m_ctx.paths.catalogue, source = m_file->path(), mode,
                       ids](Progress &progress) {
        return transferFiles(catalogue, source, mode, ids, progress);
    });
}

// Notes come in bursts of a batch's games: they are shown together, once per burst.
void ImportWindow::takeLogged(const QString &line)
{
    m_logged.append(line);
    if (m_logged.size() == 1)
        QMetaObject::invokeMethod(this, &ImportWindow::showLogged, Qt::QueuedConnection);
}

void ImportWindow::showLogged()
{
    if (m_logged.isEmpty())
        return;
    const int first = m_log->rowCount();
    m_log->insertRows(first, int(m_logged.size()));
    for (int i = 0; i < m_logged.size(); ++i)
        m_log->setData(m_log->index(first + i), m_logged.at(i));
    m_counts = Transfer::tally(m_logged, m_counts);
    m_logged.clear();
    m_addedCountLabel->setText(QString::number(m_counts.added));
    m_modifiedCountLabel->setText(QString::number(m_counts.modified));
    m_logList->scrollToBottom();
}

void ImportWindow::showProgress(qint64 done, qint64 total)
{
    m_progressBar->setRange(0, int(qMax<qint64>(total, 1)));
    m_progressBar->setValue(int(done));
}

void ImportWindow::finishTransfer()
{
    showLogged();
    const Result<TransferCounts> &result = m_transfer->result();
    setBusy(false);
    m_ctx.dialogs.beep();
    if (result) {
        m_ctx.dialogs.message(tr("Transfer COMPLETED!"), Dialogs::Icon::Information, tr("End"));
        return;
    }
    m_ctx.dialogs.message(
        tr("The transfer stopped: %1. The %2 games logged before the failure are saved.")
            .arg(result.error())
            .arg(m_counts.added + m_counts.modified),
        Dialogs::Icon::Critical, tr("Error"));
}

void ImportWindow::closeEvent(QCloseEvent *event)
{
    // Reading a file only makes a private copy: closing stops it. A transfer writes the
    // catalogue and is waited for.
    if (m_busy && !m_reading) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace merrow
