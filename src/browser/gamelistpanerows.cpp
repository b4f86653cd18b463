// The game list pane's entries: the rows in memory, their search index, which entry is
// highlighted, and the game it stands for.
#include "gamelistpane.h"

#include "appcontext.h"
#include "backgroundjob.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "gamelistmodel.h"

#include <QLabel>
#include <QScrollBar>
#include <QTreeView>

namespace browser
{
namespace
{

using IndexJob = BackgroundJob<Result<SearchIndex>>;

// The index read on a connection of its own, entry for entry with the rows.
Result<SearchIndex> readIndex(const QString &path, const GameFilter &filter,
                              const std::vector<GameId> &ids, Progress &progress)
{
    const auto connection =
        catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!connection)
        return connection.failure();
    Result<SearchIndex> index = CatalogueStore((*connection)->db()).searchIndex(filter, &progress);
    if (!index)
        return index.failure();
    return index->inOrder(ids);
}

std::vector<GameId> idsOf(const QList<GameSummary> &rows)
{
    std::vector<GameId> ids;
    ids.reserve(size_t(rows.size()));
    for (const GameSummary &row : rows)
        ids.push_back(row.id);
    return ids;
}

} // namespace

bool GameListPane::loadRows(bool reportErrors)
{
    Result<QList<GameSummary>> games = CatalogueStore(m_ctx.db()).games({m_filter, {}});
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
    startIndex();
    return true;
}

void GameListPane::startIndex()
{
    // A job still reading an older list ends on its own; its index is not taken.
    if (m_indexJob)
        m_indexJob->cancel();
    auto *job = new IndexJob(this);
    m_indexJob = job;
    connect(job, &Job::finished, this, [this, job] {
        if (job == m_indexJob && !m_model->hasIndex() && job->result().ok())
            m_model->setIndex(job->takeResult().value());
        if (job == m_indexJob)
            m_indexJob = nullptr;
        job->deleteLater();
    });
    job->start([path = m_ctx.db().databaseName(), filter = m_filter, ids = idsOf(m_model->rows())](
                   Progress &progress) { return readIndex(path, filter, ids, progress); });
}

bool GameListPane::ensureIndex()
{
    if (m_model->hasIndex())
        return true;
    if (auto *job = static_cast<IndexJob *>(m_indexJob)) {
        job->waitForFinished();
        if (job->result().ok())
            m_model->setIndex(job->takeResult().value());
        m_indexJob = nullptr;
        job->deleteLater();
    }
    if (m_model->hasIndex())
        return true;
    // No second connection (a catalogue in memory, say): read it here.
    Result<SearchIndex> index = CatalogueStore(m_ctx.db()).searchIndex(m_filter);
    if (!index)
        return false;
    m_model->setIndex(index->inOrder(idsOf(m_model->rows())));
    return true;
}

bool GameListPane::applySearch()
{
    const bool was = m_programSelects;
    m_programSelects = true;
    if (m_searchText.isEmpty() || ensureIndex())
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

void GameListPane::removeRow(int row)
{
    m_model->removeEntry(row);
    m_countLabel->setText(QString::number(count()));
}

} // namespace browser
