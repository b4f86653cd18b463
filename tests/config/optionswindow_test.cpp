#include "configregistry.h"

#include "testcatalogue.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace
{

// Closed windows go away with the next turn of the event loop.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct OptionsTest : testing::Test {
    OptionsTest() { registerConfigWindows(*t.ctx); }
    QWidget *open(const char *name) { return t.ctx->windows.show(QLatin1String(name)); }
    static QCheckBox *check(QWidget *w, int n)
    {
        return w->findChild<QCheckBox *>(QStringLiteral("Check%1").arg(n));
    }
    static void click(QWidget *w, const char *name)
    {
        w->findChild<QPushButton *>(QLatin1String(name))->click();
    }
    TestContext t;
};

} // namespace

TEST_F(OptionsTest, ShowsTheMainWindowLayoutAndTheFlags)
{
    t.panel.credits = true;
    t.panel.screenshots = false;
    t.ctx->fellowgui = 1;
    t.ctx->uaegui = 0;
    QWidget *w = open("Form4");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vantrel Configuration"));
    EXPECT_EQ(check(w, 1)->text(), QStringLiteral("Show Game Credits"));
    EXPECT_EQ(check(w, 2)->text(), QStringLiteral("Show Screenshots"));
    EXPECT_EQ(check(w, 3)->text(), QStringLiteral("Show WinFellow GUI"));
    EXPECT_EQ(check(w, 4)->text(), QStringLiteral("Show WinUAE GUI"));
    EXPECT_TRUE(check(w, 1)->isChecked());
    EXPECT_FALSE(check(w, 2)->isChecked());
    EXPECT_TRUE(check(w, 3)->isChecked());
    EXPECT_FALSE(check(w, 4)->isChecked());
}

TEST_F(OptionsTest, OkAppliesAndReopeningShowsTheSameState)
{
    t.panel.credits = false;
    t.panel.screenshots = false;
    QWidget *w = open("Form4");
    for (int n = 1; n <= 4; ++n)
        check(w, n)->setChecked(true);
    click(w, "OK");
    flushDeletes();
    EXPECT_EQ(t.ctx->windows.find(QStringLiteral("Form4")), nullptr);
    EXPECT_TRUE(t.panel.credits);
    EXPECT_TRUE(t.panel.screenshots);
    EXPECT_EQ(t.ctx->fellowgui, 1);
    EXPECT_EQ(t.ctx->uaegui, 1);

    w = open("Form4");
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(check(w, n)->isChecked()) << n;
    for (int n = 1; n <= 4; ++n)
        check(w, n)->setChecked(false);
    click(w, "OK");
    EXPECT_FALSE(t.panel.credits);
    EXPECT_FALSE(t.panel.screenshots);
    EXPECT_EQ(t.ctx->fellowgui, 0);
    EXPECT_EQ(t.ctx->uaegui, 0);
}

TEST_F(OptionsTest, ExitChangesNothing)
{
    t.panel.credits = true;
    t.panel.screenshots = true;
    QWidget *w = open("Form4");
    for (int n = 1; n <= 4; ++n)
        check(w, n)->toggle();
    click(w, "Exit");
    flushDeletes();
    EXPECT_EQ(t.ctx->windows.find(QStringLiteral("Form4")), nullptr);
    EXPECT_TRUE(t.panel.credits);
    EXPECT_TRUE(t.panel.screenshots);
    EXPECT_EQ(t.ctx->fellowgui, 0);
    EXPECT_EQ(t.ctx->uaegui, 0);
}

TEST_F(OptionsTest, FlagsAreOneOrZeroWhateverTheyHeld)
{
    t.ctx->fellowgui = 7;
    t.ctx->uaegui = -1;
    QWidget *w = open("Form4");
    EXPECT_FALSE(check(w, 3)->isChecked());
    EXPECT_FALSE(check(w, 4)->isChecked());
    check(w, 4)->setTristate(true);
    check(w, 4)->setCheckState(Qt::PartiallyChecked);
    click(w, "OK");
    EXPECT_EQ(t.ctx->fellowgui, 0);
    EXPECT_EQ(t.ctx->uaegui, 0);
}

TEST_F(OptionsTest, WithoutMainWindowOnlyTheFlagsApply)
{
    t.ctx->mainwindow = nullptr;
    QWidget *w = open("Form4");
    EXPECT_FALSE(check(w, 1)->isEnabled());
    EXPECT_FALSE(check(w, 2)->isEnabled());
    check(w, 3)->setChecked(true);
    click(w, "OK");
    EXPECT_EQ(t.ctx->fellowgui, 1);
    EXPECT_TRUE(t.panel.credits); // untouched
}

TEST(Greetings, ListsAndBeep)
{
    TestContext t;
    registerConfigWindows(*t.ctx);
    QWidget *w = t.ctx->windows.show(QStringLiteral("Form10"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vantrel Team's GREETINGS"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QStringLiteral("CONTRIBUTORS"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
              QStringLiteral("SUPPORTERS"));
    EXPECT_EQ(w->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 3);
    EXPECT_EQ(w->findChild<QListWidget *>(QStringLiteral("List2"))->count(), 2);
    EXPECT_EQ(t.dialogs.beeps(), 1);
    // Showing it again only raises it: no second load.
    EXPECT_EQ(t.ctx->windows.show(QStringLiteral("Form10")), w);
    EXPECT_EQ(t.dialogs.beeps(), 1);
}
