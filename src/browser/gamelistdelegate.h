#pragma once

#include <QStyledItemDelegate>

namespace browser
{

// Draws a game list entry as its title with the game's machine right-aligned in a quiet
// colour, so that two games of the same title can be told apart.
class GameListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace browser
