#include "aboutwindow.h"
#include "browserregistry.h"
#include "mainwindow.h"
#include "splash.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(About, ShowsTheCatalogueVersionAndCloses)
{
    TestContext t;
    t.catalogue.setConfig({{"dbver", "3.1 beta"}});
    registerBrowserWindows(*t.ctx);
    QWidget *w = t.ctx->windows.show("About");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<QLabel *>("lblVersion")->text(), "3.1 beta");
    t.catalogue.setConfig({{"dbver", "3.2"}});
    QPointer<QWidget> guard(w);
    auto *exit = w->findChild<QPushButton *>("Command1");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "EXIT");
    exit->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    // Each opening reads the version afresh.
    w = t.ctx->windows.show("About");
    EXPECT_EQ(w->findChild<QLabel *>("lblVersion")->text(), "3.2");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

TEST(About, OpensFromTheMenuOfTheMainWindow)
{
    TestContext t;
    t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}});
    registerBrowserWindows(*t.ctx);
    auto *main = qobject_cast<Form1 *>(t.ctx->windows.show("Form1"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(t.ctx->mainwindow, main);
    main->abt->trigger();
    EXPECT_NE(t.ctx->windows.find("About"), nullptr);
    t.ctx->windows.closeAll();
}

TEST(Splash, ShowsTheMainWindowOnItsTickAndGoes)
{
    TestContext t;
    t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}});
    registerBrowserWindows(*t.ctx);
    Splash splash(*t.ctx);
    splash.show();
    EXPECT_EQ(t.ctx->screenScale, 1.0);
    EXPECT_EQ(t.ctx->windows.find("Form1"), nullptr);
    splash.Timer1_Timer();
    auto *main = t.ctx->windows.find<Form1>("Form1");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(main->listCount(), 1);
    t.ctx->windows.closeAll();
}
