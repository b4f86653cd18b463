#include "gamelistdelegate.h"

#include "gamelistmodel.h"

#include <QPainter>

namespace browser
{

void GameListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const QString machine = index.data(GameListModel::MachineRole).toString();
    if (machine.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The title gets the room the machine leaves, and is shortened there when too long.
    const int gap = option.fontMetrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const int machineWidth = option.fontMetrics.horizontalAdvance(machine) + gap;
    QStyleOptionViewItem titleOption(option);
    titleOption.rect.setRight(option.rect.right() - machineWidth);
    QStyledItemDelegate::paint(painter, option, QModelIndex()); // the row's background
    QStyledItemDelegate::paint(painter, titleOption, index);

    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    QColor quiet = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    quiet.setAlphaF(0.55f);
    painter->setPen(quiet);
    painter->setFont(option.font);
    const QRect machineRect =
        option.rect.adjusted(option.rect.width() - machineWidth, 0, -gap / 2, 0);
    painter->drawText(machineRect, Qt::AlignRight | Qt::AlignVCenter, machine);
    painter->restore();
}

} // namespace browser
