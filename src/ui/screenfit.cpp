#include "screenfit.h"

#include "fitscrollarea.h"
#include "placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QVBoxLayout>

namespace
{

const QString kScrollName = QStringLiteral("screenFitScroll");

bool tooLarge(QSize size, QSize room)
{
    return size.width() > room.width() || size.height() > room.height();
}

// Puts what the window shows into a scroll area; false when there is nothing to move or it
// was done before.
bool scrollContent(QWidget *window)
{
    if (window->findChild<FitScrollArea *>(kScrollName))
        return false;
    FitScrollArea *scroll = nullptr;
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QWidget *central = main->takeCentralWidget();
        if (!central)
            return false;
        scroll = new FitScrollArea(central);
        main->setCentralWidget(scroll);
    } else {
        QLayout *layout = window->layout();
        if (!layout)
            return false;
        auto *body = new QWidget;
        // A widget takes a layout over from the widget it was on, with its controls.
        body->setLayout(layout);
        scroll = new FitScrollArea(body, window);
        auto *outer = new QVBoxLayout(window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll);
    }
    scroll->setObjectName(kScrollName);
    window->layout()->activate();
    return true;
}

void keepInside(QWidget *window, const QRect &area)
{
    // A window's position is that of its frame.
    const QSize frame = window->size() + frameAllowance(window);
    const int x = qMax(area.left(), qMin(window->x(), area.right() + 1 - frame.width()));
    const int y = qMax(area.top(), qMin(window->y(), area.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != window->pos())
        window->move(x, y);
}

} // namespace

ScreenFit::ScreenFit(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

void ScreenFit::watch(QWidget *window)
{
    if (!window->findChild<ScreenFit *>(QString(), Qt::FindDirectChildrenOnly))
        new ScreenFit(window);
}

void ScreenFit::fit(QWidget *window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    const QSize room = area.size() - frameAllowance(window);
    if (tooLarge(window->minimumSizeHint().expandedTo(window->minimumSize()), room))
        scrollContent(window);
    if (tooLarge(window->size(), room))
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    keepInside(window, area);
}

void ScreenFit::showWhole(QWidget *window)
{
    // Settle the layouts first, so that the hint counts what was just shown or hidden.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize hint = window->sizeHint().expandedTo(window->minimumSize());
    window->resize(qMax(window->width(), hint.width()), hint.height());
    fit(window);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    const bool fitting = event->type() == QEvent::Show || event->type() == QEvent::Resize;
    if (fitting && !m_fitting && watched == parent()) {
        m_fitting = true;
        fit(static_cast<QWidget *>(watched));
        m_fitting = false;
    }
    return false;
}
