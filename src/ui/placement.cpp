#include "placement.h"

#include "windowkeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPointF centredPosition(QSizeF screen, QSizeF window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

QRect availableArea(const QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize frameAllowance(const QWidget *window)
{
    // Until the window system has framed a window its frame is unknown: leave room for a
    // title bar.
    const QSize frame = window->frameGeometry().size() - window->size();
    const bool framed = !(window->windowFlags() & Qt::FramelessWindowHint);
    return frame.isNull() && framed ? QSize(8, 32) : frame;
}

void centreOnScreen(QWidget *window)
{
    if (!window)
        return;
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    // A window larger than the available area (a small screen, a scale factor) is made to
    // fit as far as its minimum size allows, and never starts above or left of the area.
    const QSize room = area.size() - frameAllowance(window);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    const QSize size = window->frameGeometry().size();
    const QPointF p = centredPosition(area.size(), size);
    window->move(area.topLeft() + QPoint(qMax(0, p.toPoint().x()), qMax(0, p.toPoint().y())));
}

void closeOnEscape(QWidget *window)
{
    WindowKeys::of(window)->setEscapeCloses(true);
}

void showGameInTitle(QWidget *window, const QString &caption, const QString &title)
{
    window->setWindowTitle(title.isEmpty() ? caption : caption + QStringLiteral(" - ") + title);
    // Room for the window manager's buttons beside the title. A window never sized yet is
    // shown at its size hint, not at the size it has now.
    const bool sized = window->isVisible() || window->testAttribute(Qt::WA_Resized);
    const QSize size = sized ? window->size() : window->sizeHint();
    const int titleWidth = window->fontMetrics().horizontalAdvance(window->windowTitle()) + 140;
    if (size.width() < titleWidth)
        window->resize(titleWidth, size.height());
}
