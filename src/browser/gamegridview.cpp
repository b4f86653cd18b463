#include "gamegridview.h"

#include "thumbnailloader.h"

#include <QScrollBar>

#include <algorithm>

namespace browser
{
GameGridView::GameGridView(const QString &thumbnailFolder, QWidget *parent)
    : QAbstractItemView(parent),
      m_loader(new ThumbnailLoader(ThumbnailCache(thumbnailFolder), this))
{
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_loader, &ThumbnailLoader::thumbnailReady, this, &GameGridView::onThumbnailReady);
    connect(m_loader, &ThumbnailLoader::idle, this, &GameGridView::thumbnailsLoaded);
}

GameGridView::~GameGridView() = default;

bool GameGridView::isLoading() const
{
    return m_loader->isBusy();
}

int GameGridView::count() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex GameGridView::indexOfRow(int row) const
{
    return model()->index(row, 0, rootIndex());
}

QSize GameGridView::tileSize() const
{
    const QSize picture = ThumbnailCache::kSize;
    return {picture.width() + 2 * kPad, picture.height() + 3 * kPad + fontMetrics().height()};
}

int GameGridView::columns() const
{
    return std::max(1, viewport()->width() / tileSize().width());
}

QRect GameGridView::tileRect(int row) const
{
    // The tiles share out the width, so the grid fills the view without a ragged edge.
    const int across = columns();
    const QSize tile = tileSize();
    const int width = std::max(tile.width(), viewport()->width() / across);
    return {(row % across) * width, (row / across) * tile.height() - verticalOffset(), width,
            tile.height()};
}

std::pair<int, int> GameGridView::rowsInSight() const
{
    const int height = tileSize().height();
    const int firstLine = verticalOffset() / height;
    const int endLine = (verticalOffset() + viewport()->height() + height - 1) / height;
    const int across = columns();
    return {std::min(count(), firstLine * across), std::min(count(), endLine * across)};
}

int GameGridView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

QRect GameGridView::visualRect(const QModelIndex &index) const
{
    return index.isValid() ? tileRect(index.row()) : QRect();
}

QModelIndex GameGridView::indexAt(const QPoint &point) const
{
    const QRect first = tileRect(0);
    const int y = point.y() + verticalOffset();
    if (point.x() < 0 || y < 0 || point.x() / first.width() >= columns())
        return {};
    const int row = y / first.height() * columns() + point.x() / first.width();
    return row < count() ? indexOfRow(row) : QModelIndex();
}

void GameGridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect tile = visualRect(index);
    if (!tile.isValid())
        return;
    QScrollBar *bar = verticalScrollBar();
    const int view = viewport()->height();
    if (hint == PositionAtTop || (hint == EnsureVisible && tile.top() < 0))
        bar->setValue(bar->value() + tile.top());
    else if (hint == PositionAtBottom || (hint == EnsureVisible && tile.bottom() >= view))
        bar->setValue(bar->value() + tile.bottom() + 1 - view);
    else if (hint == PositionAtCenter)
        bar->setValue(bar->value() + tile.center().y() - view / 2);
}

QModelIndex GameGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int n = count();
    if (n == 0)
        return {};
    const int across = columns();
    const int page = across * std::max(1, viewport()->height() / tileSize().height());
    const int at = currentIndex().isValid() ? currentIndex().row() : 0;
    int to = at;
    switch (action) {
    case MoveLeft:
    case MovePrevious:
        to = at - 1;
        break;
    case MoveRight:
    case MoveNext:
        to = at + 1;
        break;
    case MoveUp:
        to = at - across;
        break;
    case MoveDown:
        // Into the last, shorter line too.
        to = at / across < (n - 1) / across ? std::min(at + across, n - 1) : at;
        break;
    case MovePageUp:
        to = std::max(0, at - page);
        break;
    case MovePageDown:
        to = std::min(n - 1, at + page);
        break;
    case MoveHome:
        to = 0;
        break;
    case MoveEnd:
        to = n - 1;
        break;
    }
    return indexOfRow(to >= 0 && to < n ? to : at);
}

void GameGridView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags)
{
    const int n = count();
    if (n == 0)
        return;
    const QRect area = rect.normalized();
    const QRect tile = tileRect(0);
    const int across = columns();
    const int firstColumn = std::clamp(area.left() / tile.width(), 0, across - 1);
    const int lastColumn = std::clamp(area.right() / tile.width(), 0, across - 1);
    const int top = std::max(0, area.top() + verticalOffset());
    const int lastLine =
        std::min((area.bottom() + verticalOffset()) / tile.height(), (n - 1) / across);
    QItemSelection selection;
    for (int line = top / tile.height(); line <= lastLine; ++line) {
        const int from = line * across + firstColumn;
        const int to = std::min(line * across + lastColumn, n - 1);
        if (from <= to)
            selection.select(indexOfRow(from), indexOfRow(to));
    }
    selectionModel()->select(selection, flags);
}

QRegion GameGridView::visualRegionForSelection(const QItemSelection &selection) const
{
    // Only what is in sight: a selection may span the whole list.
    const auto [first, end] = rowsInSight();
    QRegion region;
    for (const QItemSelectionRange &range : selection)
        for (int row = std::max(range.top(), first); row <= std::min(range.bottom(), end - 1);
             ++row)
            region += tileRect(row);
    return region;
}

void GameGridView::updateGeometries()
{
    const int height = tileSize().height();
    const int lines = (count() + columns() - 1) / columns();
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, lines * height - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(height / 3);
    QAbstractItemView::updateGeometries();
}

void GameGridView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    scheduleDelayedItemsLayout();
    QAbstractItemView::rowsInserted(parent, start, end);
}

void GameGridView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    scheduleDelayedItemsLayout();
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void GameGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    // The list may have moved the highlight: the grid follows it into sight.
    if (current.isValid())
        scrollTo(current);
}

void GameGridView::reset()
{
    // New rows: their pictures may have changed with them.
    m_shots.clear();
    m_requested.clear();
    m_loader->forget();
    QAbstractItemView::reset();
}

} // namespace browser
