// The game list pane's entries: the rows in memory, their search index, which entry is
// highlighted, and the game it stands for.
#include "gamelistpane.h"

#include "appcontext.h"
#include "backgroundjob.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "gamegridview.h"
#include "gamelistmodel.h"

#include <QLabel>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTreeView>
#include <QUrl>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace browser
{
namespace
{

// Every column of the rows and their search index, read on a connection of their own, in
// the order of the rows on screen; a game read there no longer keeps its titles-only row.
struct Details {
    QList<GameSummary> rows;
    SearchIndex index;
    std::vector<quint32> rowOfEntry; // the row of each index entry, or none
};
using DetailsJob = BackgroundJob<Result<Details>>;

Result<Details> readDetails(const CatalogueStore &store, const GameFilter &filter,
                            const QList<GameSummary> &shown, Progress *progress)
{
    Result<QList<GameSummary>> read = store.games({filter, {}});
    if (!read)
        return read.failure();
    Result<SearchIndex> index = store.searchIndex(filter, progress);
    if (!index)
        return index.failure();
    QHash<GameId, qsizetype> rowOf;
    rowOf.reserve(read->size());
    for (qsizetype i = 0; i < read->size(); ++i)
        rowOf.insert(read->at(i).id, i);
    Details details;
    details.rows.reserve(shown.size());
    QHash<GameId, quint32> shownRow;
    shownRow.reserve(shown.size());
    for (const GameSummary &row : shown) {
        const qsizetype at = rowOf.value(row.id, -1);
        if (at >= 0)
            (*read)[at].title = row.title; // one copy of each title, the one on screen
        shownRow.insert(row.id, quint32(details.rows.size()));
        details.rows.append(at < 0 ? row : std::move((*read)[at]));
    }
    read = QList<GameSummary>();
    details.rowOfEntry.reserve(size_t(index->size()));
    for (const GameId id : index->ids())
        details.rowOfEntry.push_back(shownRow.value(id, GameListModel::kNoRow));
    details.index = std::move(index).value();
    return details;
}

// The reading of a large list leaves much of the heap free but still held, in the worker's
// arena too; handing it back keeps the program's footprint to what the list needs.
void releaseFreeMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

bool GameListPane::loadRows(bool reportErrors)
{
    // The titles alone come from the title index, quickly; the rest follows from a worker.
    Result<QList<GameSummary>> games = CatalogueStore(m_ctx.db()).gameTitles({m_filter, {}});
    if (!games) {
        if (reportErrors)
            m_ctx.dialogs.message(tr("The game list cannot be read: ") + games.error(),
                                  Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    const bool was = m_programSelects;
    m_programSelects = true;
    m_model->setRows(std::move(games).value());
    m_programSelects = was;
    m_rowsFilter = m_filter;
    m_noteLabel->hide();
    startDetails();
    return true;
}

void GameListPane::startDetails()
{
    // A job still reading an older list ends on its own; what it read is not taken.
    if (m_detailsJob)
        m_detailsJob->cancel();
    auto *job = new DetailsJob(this);
    m_detailsJob = job;
    connect(job, &Job::finished, this, [this, job] {
        if (job == m_detailsJob)
            takeDetails();
        job->deleteLater();
    });
    // The connection names its file as a URI that also carries its open mode.
    const QUrl name(m_ctx.db().databaseName());
    job->start([path = name.isLocalFile() ? name.toLocalFile() : name.toString(), filter = m_filter,
                shown = m_model->rows()](Progress &progress) -> Result<Details> {
        const auto connection =
            catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
        if (!connection)
            return connection.failure();
        return readDetails(CatalogueStore((*connection)->db()), filter, shown, &progress);
    });
}

void GameListPane::takeDetails()
{
    auto *job = static_cast<DetailsJob *>(m_detailsJob);
    m_detailsJob = nullptr;
    job->waitForFinished();
    Result<Details> details = job->takeResult();
    // Without a second connection (a catalogue in memory, say) they are read here.
    if (!details)
        details = readDetails(CatalogueStore(m_ctx.db()), m_rowsFilter, m_model->rows(), nullptr);
    if (details)
        m_model->setDetails(std::move(details->rows), std::move(details->index),
                            std::move(details->rowOfEntry));
    releaseFreeMemory();
}

bool GameListPane::ensureDetails()
{
    if (!m_model->hasDetails() && m_detailsJob)
        takeDetails();
    return m_model->hasDetails();
}

bool GameListPane::applySearch()
{
    const bool was = m_programSelects;
    m_programSelects = true;
    if (m_searchText.isEmpty() || ensureDetails())
        m_model->setSearch(m_searchText);
    m_programSelects = was;
    m_noteLabel->hide();
    m_countLabel->setText(QString::number(count()));
    return count() > 0;
}

void GameListPane::keepListed(GameId id)
{
    if (m_searchText.isEmpty() || !m_model->pin(id))
        return;
    const int row = rowOf(id);
    if (row >= count() || !m_model->index(row, 0).data(GameListModel::PinnedRole).toBool())
        return;
    m_noteLabel->setText(m_model->index(row, 0).data().toString() + QStringLiteral(": ") +
                         tr("shown although it does not match the search"));
    m_noteLabel->show();
    m_countLabel->setText(QString::number(count()));
}

QAbstractItemModel *GameListPane::model() const
{
    return m_model;
}

QItemSelectionModel *GameListPane::selectionModel() const
{
    return m_view->selectionModel();
}

int GameListPane::count() const
{
    return m_model->rowCount();
}

GameId GameListPane::gameAt(int row) const
{
    return m_model->idAt(row);
}

int GameListPane::rowOf(GameId id) const
{
    return m_model->rowOf(id);
}

int GameListPane::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() && m_view->selectionModel()->isSelected(current) ? current.row() : -1;
}

void GameListPane::selectRow(int row)
{
    const bool was = m_programSelects;
    m_programSelects = true;
    if (row >= 0 && row < count()) {
        const QModelIndex index = m_model->index(row, 0);
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        // Up or down to the entry, never sideways: the columns stay where the user put them.
        const int across = m_view->horizontalScrollBar()->value();
        m_view->scrollTo(index);
        m_view->horizontalScrollBar()->setValue(across);
    } else {
        m_view->selectionModel()->clear();
    }
    m_programSelects = was;
}

void GameListPane::chooseRow(int row)
{
    selectRow(row);
    if (const int current = currentRow(); current >= 0)
        Q_EMIT gameChosen(gameAt(current));
}

void GameListPane::highlight(GameId id)
{
    // The highlighted entry is always the game in the panel, so that every command acts on
    // what the user sees; a game the list does not hold leaves nothing highlighted.
    selectRow(id == 0 ? -1 : rowOf(id));
}

void GameListPane::setGridShown(bool shown)
{
    QAbstractItemView *view = shown ? static_cast<QAbstractItemView *>(m_grid) : m_view;
    const bool focused = m_views->currentWidget()->hasFocus();
    m_views->setCurrentWidget(view);
    view->scrollTo(view->currentIndex(), QAbstractItemView::PositionAtCenter);
    if (focused)
        view->setFocus();
}

void GameListPane::removeRow(int row)
{
    m_model->removeEntry(row);
    m_countLabel->setText(QString::number(count()));
}

bool GameListPane::updatePersonal(GameId id)
{
    const Result<PersonalData> personal = CatalogueStore(m_ctx.db()).personalData(id);
    // The worker's rows may have been read before the change: they come in first.
    ensureDetails();
    // A star changes no play, so only the Favourites filter can lose the game.
    const bool was = m_programSelects;
    m_programSelects = true;
    const bool done =
        personal &&
        m_model->setPersonal(id, *personal, m_rowsFilter.favourites && !personal->favourite);
    m_programSelects = was;
    if (!done)
        return false;
    m_countLabel->setText(QString::number(count()));
    return true;
}

} // namespace browser
