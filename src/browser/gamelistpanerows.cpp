// The game list pane's entries: which is highlighted, and the game it stands for.
#include "gamelistpane.h"

#include "gamegridview.h"
#include "gamelistmodel.h"

#include <QLabel>
#include <QListView>
#include <QStackedWidget>

namespace browser
{

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
        const QModelIndex index = m_model->index(row);
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_view->scrollTo(index);
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

} // namespace browser
