#include "musicregistry.h"

#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

struct SongPlayerTest : testing::Test {
    SongPlayerTest()
    {
        registerMusicWindows(*t.ctx);
        song = t.catalogue.dir() + QStringLiteral("/Long Song Name.sid");
        QFile f(song);
        f.open(QIODevice::WriteOnly);
        f.close();
        t.ctx->selectedid = t.catalogue.addGame(
            {{QStringLiteral("titolo"), QStringLiteral("Game")}, {QStringLiteral("song"), song}});
    }
    QWidget *open()
    {
        QWidget *w = t.ctx->windows.show(QStringLiteral("Form7"));
        w->layout()->activate();
        return w;
    }
    static QPushButton *button(QWidget *w, int n)
    {
        return w->findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
    }
    static QLabel *label(QWidget *w) { return w->findChild<QLabel *>(QStringLiteral("Label1")); }
    bool isOpen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.ctx->windows.find(QStringLiteral("Form7"));
    }

    TestContext t;
    QString song;
};

} // namespace

TEST_F(SongPlayerTest, BothPlayersSideBySideInOrder)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("C:\\Audio\\SIDPLAYR.EXE")},
                           {QStringLiteral("player2"), QStringLiteral("/usr/bin/mpg123")}});
    QWidget *w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Select SoundPlayer"));
    EXPECT_TRUE(button(w, 1)->isVisible());
    EXPECT_TRUE(button(w, 2)->isVisible());
    EXPECT_EQ(button(w, 1)->text(), QStringLiteral("SIDPLAYR"));
    EXPECT_EQ(button(w, 2)->text(), QStringLiteral("mpg123"));
    EXPECT_LT(button(w, 1)->geometry().right(), button(w, 2)->geometry().left());
    EXPECT_FALSE(label(w)->isVisible());
}

TEST_F(SongPlayerTest, OnlySecondPlayerTakesTheFirstPlace)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/bin/one")},
                           {QStringLiteral("player2"), QStringLiteral("/bin/two")}});
    QWidget *w = open();
    const int firstLeft = button(w, 1)->geometry().left();
    w->close();
    ASSERT_FALSE(isOpen());

    t.catalogue.setConfig({{QStringLiteral("player1"), QString()}});
    w = open();
    EXPECT_FALSE(button(w, 1)->isVisible());
    EXPECT_TRUE(button(w, 2)->isVisible());
    EXPECT_EQ(button(w, 2)->text(), QStringLiteral("two"));
    EXPECT_EQ(button(w, 2)->geometry().left(), firstLeft);
    EXPECT_FALSE(label(w)->isVisible());
}

TEST_F(SongPlayerTest, NoPlayersShowsTheLabel)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("")}});
    QWidget *w = open();
    EXPECT_FALSE(button(w, 1)->isVisible());
    EXPECT_FALSE(button(w, 2)->isVisible());
    EXPECT_TRUE(label(w)->isVisible());
    EXPECT_EQ(label(w)->text(), QStringLiteral("NO SOUND PLAYERS CONFIGURED"));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(SongPlayerTest, ClickPlaysTheSongMinimizedAndCloses)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/bin/one")},
                           {QStringLiteral("player2"), QStringLiteral("/bin/two")}});
    QWidget *w = open();
    button(w, 2)->click();
    ASSERT_EQ(t.launcher.started.size(), 1);
    const Command &c = t.launcher.started[0];
    EXPECT_EQ(c.program, QStringLiteral("/bin/two"));
    EXPECT_EQ(c.arguments, QStringList{QDir::toNativeSeparators(song)});
    EXPECT_EQ(c.windowStyle, WindowStyle::MinimizedFocus);
    EXPECT_FALSE(isOpen());
}

TEST_F(SongPlayerTest, MissingSongFileStartsThePlayerWithoutIt)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/bin/one")}});
    QFile::remove(song);
    QWidget *w = open();
    button(w, 1)->click();
    ASSERT_EQ(t.launcher.started.size(), 1);
    EXPECT_EQ(t.launcher.started[0].text(), QStringLiteral("/bin/one "));
    EXPECT_FALSE(isOpen());
}

TEST_F(SongPlayerTest, StartFailureIsReportedAndTheWindowStays)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/no/such/player")},
                           {QStringLiteral("player2"), QStringLiteral("/bin/two")}});
    t.launcher.failing << QStringLiteral("/no/such/player");
    QWidget *w = open();
    button(w, 1)->click();
    EXPECT_TRUE(t.launcher.started.isEmpty());
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages()[0].contains(QStringLiteral("/no/such/player")));
    EXPECT_EQ(t.dialogs.shown.last().title, QStringLiteral("Error"));
    EXPECT_TRUE(isOpen());
    // Still usable: the other player works.
    button(w, 2)->click();
    EXPECT_EQ(t.launcher.started.size(), 1);
    EXPECT_FALSE(isOpen());
}

TEST_F(SongPlayerTest, MissingCatalogueOffersNoPlayer)
{
    t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/bin/one")}});
    QFile::remove(t.catalogue.path());
    QWidget *w = open();
    EXPECT_EQ(t.dialogs.messages(), QStringList{QStringLiteral("Database Open Error")});
    EXPECT_FALSE(button(w, 1)->isVisible());
    EXPECT_TRUE(label(w)->isVisible());
}
