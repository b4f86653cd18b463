// Every window the registry holds stays inside the available area of its screen, on any
// screen size and scale.
#include "fitscrollarea.h"
#include "namedwidget.h"
#include "widgettest.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

QRect area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A block of the given least size.
QWidget *block(QSize least)
{
    auto *w = new QWidget;
    w->setMinimumSize(least);
    return w;
}

QWidget *plainWindow(QSize least)
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    layout->addWidget(block(least));
    layout->addWidget(namedWidget<QPushButton>(QStringLiteral("okButton"), QStringLiteral("OK")));
    return w;
}

QWidget *mainWindow(QSize least)
{
    auto *w = new QMainWindow;
    w->setCentralWidget(block(least));
    return w;
}

} // namespace

TEST(ScreenFit, WindowsLargerThanTheScreenScrollTheirContentAndFit)
{
    const QSize screen = area().size();
    const struct {
        const char *name;
        QSize least;
        bool main, scrolls;
    } cases[] = {
        {"small", {200, 150}, false, false},
        {"tall", {200, screen.height() + 200}, false, true},
        {"wide", {screen.width() + 200, 100}, false, true},
        {"tall main window", {300, screen.height() + 50}, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WindowRegistry windows;
        windows.addFactory(WindowKey::About,
                           [&c] { return c.main ? mainWindow(c.least) : plainWindow(c.least); });
        QWidget *w = windows.show(WindowKey::About);
        EXPECT_TRUE(fitsScreen(w));
        EXPECT_EQ(w->findChild<FitScrollArea *>() != nullptr, c.scrolls);
        windows.closeAll();
    }
}

TEST(ScreenFit, AWindowThatGrowsPastTheBottomIsMovedBackInside)
{
    WindowRegistry windows;
    QWidget *extra = block({100, 200});
    windows.addFactory(WindowKey::About, [extra] {
        QWidget *w = plainWindow({200, 100});
        w->layout()->addWidget(extra);
        extra->hide();
        return w;
    });
    QWidget *w = windows.show(WindowKey::About);
    w->move(w->x(), area().bottom() - w->frameGeometry().height());
    ASSERT_TRUE(fitsScreen(w));
    extra->show();
    QCoreApplication::sendPostedEvents(); // the layout grows the window
    EXPECT_GE(w->height(), 300);
    EXPECT_TRUE(fitsScreen(w));
    EXPECT_TRUE(inSight(w, "okButton"));
    windows.closeAll();
}

TEST(ScreenFit, AlsoOnALowScreenAndAtScale175)
{
    for (double scale : {1.0, 1.75})
        EXPECT_EQ(failuresOnScreen("ScreenFit.*-ScreenFit.AlsoOn*", {1280, 800}, scale), QString())
            << scale;
}
