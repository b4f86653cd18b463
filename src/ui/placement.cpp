#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
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
    // A window larger than the available area (a small screen, a scale factor) is made to
    // fit as far as its minimum size allows, and never starts above or left of the area.
    // Before its first showing a window's frame is unknown: leave room for a title bar.
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isNull() && !window->isVisible())
        frame = QSize(8, 32);
    const QSize room = area.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    const QSize size = window->frameGeometry().size();
    const QPointF p = centredPosition(area.size(), size);
    window->move(area.topLeft() + QPoint(qMax(0, p.toPoint().x()), qMax(0, p.toPoint().y())));
}

void closeOnEscape(QWidget *window)
{
    new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
}

void showGameInTitle(QWidget *window, const QString &caption, const QString &title)
{
    window->setWindowTitle(title.isEmpty() ? caption : caption + QStringLiteral(" - ") + title);
    // Room for the window manager's buttons beside the title.
    const int titleWidth = window->fontMetrics().horizontalAdvance(window->windowTitle()) + 140;
    if (window->width() < titleWidth)
        window->resize(titleWidth, window->height());
}
