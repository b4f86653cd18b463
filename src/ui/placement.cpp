#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPointF centredPosition(QSizeF screen, QSizeF window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

void centreOnScreen(QWidget *window)
{
    if (!window)
        return;
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const QPointF p = centredPosition(area.size(), size);
    window->move(area.topLeft() + p.toPoint());
}
