#include "windowregistry.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace
{

struct Ask {
    static constexpr WindowKey key = WindowKey::GameInfo;
    int gameId = 0;
};

// Takes every request but 0, remembering the last one.
class AskedWindow : public QWidget, public RequestTaker<Ask>
{
public:
    bool takeRequest(const Ask &request) override
    {
        if (request.gameId == 0)
            return false;
        taken << request.gameId;
        return true;
    }
    QList<int> taken;
};

} // namespace

TEST(WindowRegistry, SingleInstanceFreshAfterCloseAndTakingNewRequests)
{
    WindowRegistry windows;
    int created = 0;
    windows.addFactory(WindowKey::About, [&] {
        ++created;
        return new QWidget;
    });
    QWidget *a = windows.show(WindowKey::About);
    ASSERT_TRUE(a);
    EXPECT_EQ(windows.show(WindowKey::About), a);
    EXPECT_EQ(created, 1);
    a->close();
    // Closed but not yet deleted: already gone for the registry.
    EXPECT_EQ(windows.find(WindowKey::About), nullptr);
    QWidget *b = windows.show(WindowKey::About);
    EXPECT_NE(b, a);
    EXPECT_EQ(created, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.find(WindowKey::About), b);
    EXPECT_EQ(windows.show(WindowKey::Greetings), nullptr);
    windows.closeAll();
    EXPECT_EQ(windows.find(WindowKey::About), nullptr);

    // An open window takes the new request, and a refused one stays unseen.
    windows.addFactory(WindowKey::GameInfo, [] { return new AskedWindow; });
    EXPECT_EQ(windows.open(Ask{0}), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.find(WindowKey::GameInfo), nullptr) << "refused before it was seen";

    auto *w = static_cast<AskedWindow *>(windows.open(Ask{7}));
    ASSERT_TRUE(w);
    EXPECT_EQ(windows.open(Ask{9}), w);
    EXPECT_EQ(w->taken, (QList<int>{7, 9}));
    EXPECT_EQ(windows.open(Ask{0}), nullptr);
    EXPECT_TRUE(w->isVisible()) << "a window on screen keeps its request when it refuses another";
    windows.closeAll();
}
