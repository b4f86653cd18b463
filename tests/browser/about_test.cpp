#include "browserregistry.h"
#include "mainwindow.h"
#include "splash.h"
#include "testcatalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(Splash, HandsOverToTheMainWindowWhoseMenuOpensAbout)
{
    TestContext t;
    t.catalogue.setConfig({{"dbver", "3.1 beta"}});
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
    EXPECT_EQ(t.ctx->mainwindow, main);

    // About shows the catalogue version, read afresh at each opening.
    main->abt->trigger();
    QPointer<QWidget> about = t.ctx->windows.find("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QLabel *>("lblVersion")->text(), "3.1 beta");
    t.catalogue.setConfig({{"dbver", "3.2"}});
    about->findChild<QPushButton *>("Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    main->abt->trigger();
    EXPECT_EQ(t.ctx->windows.find("About")->findChild<QLabel *>("lblVersion")->text(), "3.2");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    t.ctx->windows.closeAll();
}
