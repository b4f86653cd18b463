#pragma once

#include "game.h"

#include <QAbstractItemView>
#include <QHash>

#include <functional>

namespace browser
{
class ThumbnailLoader;

// The game list's rows as tiles in reading order: the first screenshot as a thumbnail
// with the title under it, or a plain tile naming the machine when the game has no
// picture that can be shown. Tiles are equal, so every position is arithmetic and half a
// million rows cost nothing until drawn. Only the tiles drawn ask for their screenshot's
// path and thumbnail, and a scroll drops what the tiles scrolled away still wanted.
class GameGridView : public QAbstractItemView
{
    Q_OBJECT
public:
    // The first screenshots of the games, by id.
    using ScreenshotReader = std::function<QHash<GameId, QString>(const QList<GameId> &ids)>;

    GameGridView(const QString &thumbnailFolder, QWidget *parent = nullptr);
    ~GameGridView() override;

    void setScreenshotReader(ScreenshotReader reader) { m_readShots = std::move(reader); }
    // Whether thumbnails of tiles on screen are still being made.
    bool isLoading() const;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void reset() override;

Q_SIGNALS:
    // Every thumbnail the tiles on screen wanted is made or has failed.
    void thumbnailsLoaded();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void paintEvent(QPaintEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    static constexpr int kPad = 6; // around a tile's picture and title

    QSize tileSize() const;
    int columns() const;
    QRect tileRect(int row) const;
    // The first and one past the last row with a tile in sight.
    std::pair<int, int> rowsInSight() const;
    void requestThumbnails(int first, int end);
    QString shotOf(int row) const;
    QModelIndex indexOfRow(int row) const;
    int count() const;
    void paintTile(QPainter &painter, int row);
    void onThumbnailReady(const QString &picture);

    ThumbnailLoader *m_loader;
    ScreenshotReader m_readShots;
    QHash<GameId, QString> m_shots; // by game id, as far as read since the last reset
    QStringList m_requested;        // the pictures the tiles in sight last asked for
};

} // namespace browser
