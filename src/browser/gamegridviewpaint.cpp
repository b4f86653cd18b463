// The grid's tiles on screen, and the thumbnails they ask for.
#include "gamegridview.h"

#include "gamelistmodel.h"
#include "thumbnailloader.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace browser
{
QString GameGridView::shotOf(int row) const
{
    return m_shots.value(indexOfRow(row).data(GameListModel::IdRole).toLongLong());
}

void GameGridView::requestThumbnails(int first, int end)
{
    // The paths of the tiles in sight, read together; a game gone has none.
    QList<GameId> unread;
    for (int row = first; row < end; ++row)
        if (const GameId id = indexOfRow(row).data(GameListModel::IdRole).toLongLong();
            !m_shots.contains(id))
            unread << id;
    if (!unread.isEmpty()) {
        const QHash<GameId, QString> read =
            m_readShots ? m_readShots(unread) : QHash<GameId, QString>();
        for (const GameId id : unread)
            m_shots.insert(id, read.value(id));
    }
    QStringList wanted;
    for (int row = first; row < end; ++row)
        if (const QString shot = shotOf(row); !shot.isEmpty())
            wanted << shot;
    // Asked again only when the tiles changed: a thumbnail arriving repaints its tile.
    if (wanted != m_requested) {
        m_requested = wanted;
        m_loader->request(wanted);
    }
}

void GameGridView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const auto [first, end] = rowsInSight();
    requestThumbnails(first, end);
    for (int row = first; row < end; ++row)
        if (tileRect(row).intersects(event->rect()))
            paintTile(painter, row);
}

void GameGridView::paintTile(QPainter &painter, int row)
{
    const QModelIndex index = indexOfRow(row);
    const QRect tile = tileRect(row).adjusted(kPad / 2, kPad / 2, -kPad / 2, -kPad / 2);
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    if (selected)
        painter.fillRect(tile, palette().brush(QPalette::Highlight));
    QRect box(QPoint(), ThumbnailCache::kSize);
    box.moveCenter({tile.center().x(), tile.top() + kPad / 2 + box.height() / 2});
    const QString shot = shotOf(row);
    if (const QImage *image = shot.isEmpty() ? nullptr : m_loader->thumbnail(shot)) {
        QRect picture(QPoint(), image->size());
        picture.moveCenter(box.center());
        painter.drawImage(picture, *image);
    } else {
        painter.fillRect(box, palette().brush(QPalette::Button));
        // A tile still waiting for its thumbnail stays blank.
        if (shot.isEmpty() || m_loader->failed(shot)) {
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawText(box, Qt::AlignCenter,
                             index.data(GameListModel::MachineRole).toString());
        }
    }
    const QRect text(tile.left() + kPad / 2, box.bottom() + kPad, tile.width() - kPad,
                     fontMetrics().height());
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(
        text, Qt::AlignHCenter | Qt::AlignTop,
        fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    if (index == currentIndex() && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = tile;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void GameGridView::onThumbnailReady(const QString &picture)
{
    const auto [first, end] = rowsInSight();
    for (int row = first; row < end; ++row)
        if (shotOf(row) == picture)
            viewport()->update(tileRect(row));
}

} // namespace browser
