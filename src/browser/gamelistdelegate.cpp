#include "gamelistdelegate.h"

#include "gamelistmodel.h"

#include <QApplication>
#include <QPainter>

namespace browser
{

void GameListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const QString machine = index.data(GameListModel::MachineRole).toString();
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    // The title gets the room the machine leaves, and is shortened there when too long.
    const int gap = item.fontMetrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const int machineWidth =
        machine.isEmpty() ? 0 : item.fontMetrics.horizontalAdvance(machine) + gap;
    const int room = item.rect.width() - machineWidth - gap;
    item.text = item.fontMetrics.elidedText(item.text, Qt::ElideRight, std::max(room, 0));
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (machine.isEmpty())
        return;

    painter->save();
    const bool selected = item.state & QStyle::State_Selected;
    QColor quiet = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    quiet.setAlphaF(0.55f);
    painter->setPen(quiet);
    painter->setFont(item.font);
    const QRect machineRect = item.rect.adjusted(item.rect.width() - machineWidth, 0, -gap / 2, 0);
    painter->drawText(machineRect, Qt::AlignRight | Qt::AlignVCenter, machine);
    painter->restore();
}

} // namespace browser
