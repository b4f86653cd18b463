#include "musiccommand.h"
#include "musicregistry.h"

#include "browselists.h"
#include "database.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <tuple>

TEST(MusicCommand, CaptionsDropFolderAndAThreeLetterExtensionOnly)
{
    const char *cases[][2] = {{"C:\\Sound\\SIDPLAYR.EXE", "SIDPLAYR"},
                              {"/usr/local/bin/player.sh", "player"},
                              {"/opt/Tracker.AppImage", "Tracker.AppImage"},
                              {"/opt/deck.mp3x", "deck"},
                              {"/mixed\\dir/tool.bin", "tool"},
                              {"/usr/bin/sidplay2", "sidplay2"},
                              {"/usr/bin/vlc-3.0", "vlc-3.0"},
                              {"/usr/bin/.hidden", ".hidden"},
                              {"/usr/bin/name.", "name."},
                              {"/usr/bin/a.b-c", "a.b-c"},
                              {"", ""},
                              {"/usr/bin/", ""}};
    for (const auto &[path, caption] : cases)
        EXPECT_EQ(music::c64disk(path), caption) << path;
    EXPECT_EQ(music::playerCaption("C:\\Players\\"), "C:\\Players\\") << "never empty";
}

TEST(MusicCommand, RecordsOfPlayersAndSongs)
{
    TestCatalogue c;
    QString error;
    c.setConfig({{"player2", "/bin/two"}});
    catalogue::run(c.db(), "insert into tabella2 (player1) values ('/bin/later')");
    const music::SoundPlayers p = music::loadPlayers(c.db(), &error);
    EXPECT_TRUE(p.player1.isEmpty() && error.isEmpty()) << "the first row only";
    EXPECT_EQ(p.player2, "/bin/two");
    const int id = c.addGame({{"titolo", "Tune"}, {"song", "/music/t.sid"}});
    EXPECT_EQ(music::loadSong(c.db(), id, &error), "/music/t.sid");
    EXPECT_TRUE(music::loadSong(c.db(), id + 100, &error).isEmpty() && error.isEmpty());
    EXPECT_TRUE(music::loadSong(QSqlDatabase(), id, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

namespace
{

// Both music windows over a catalogue with two players and a game whose song has blanks.
struct MusicTest : testing::Test {
    MusicTest()
    {
        registerMusicWindows(*t.ctx);
        t.ctx->windows.addFactory("Form3", [this] {
            assocOpened << t.ctx->assocmode;
            return new QWidget;
        });
        root = QDir::toNativeSeparators(t.temp.path());
        QDir(root).mkpath("Hubbard Tunes");
        for (const char *f : {"/b tune.sid", "/a.mus", "/Hubbard Tunes/Commando.sid",
                              "/Hubbard Tunes/Rob Hubbard - Commando (High Score Version).sid"})
            EXPECT_TRUE(QFile(root + f).open(QIODevice::WriteOnly));
        t.catalogue.setConfig({{"player1", "C:\\Audio\\SIDPLAYR.EXE"}, {"player2", "/bin/two"}});
        t.ctx->selectedid =
            t.catalogue.addGame({{"titolo", "Game"}, {"song", QString(root + "/b tune.sid")}});
        t.ctx->startdir = root + QDir::separator();
        t.ctx->playerkind = "C64";
    }
    QWidget *open(const char *name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *w = t.ctx->windows.show(name);
        w->layout()->activate();
        return w;
    }
    bool isOpen(const char *name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.ctx->windows.find(name);
    }
    template <class T = QPushButton> static T *get(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(name);
        EXPECT_TRUE(c) << name;
        return c;
    }
    static void select(QWidget *w, const QString &name)
    {
        auto *files = get<FileListBox>(w, "File1");
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items[0]);
    }

    TestContext t;
    QString root;
    QStringList assocOpened;
};

} // namespace

TEST_F(MusicTest, SongPlayerPlaysTheSongWithTheChosenPlayerAndCloses)
{
    QWidget *w = open("Form7");
    EXPECT_EQ(w->windowTitle(), "Select SoundPlayer");
    EXPECT_EQ(get(w, "Command1")->text() + get(w, "Command2")->text(), "SIDPLAYRtwo");
    EXPECT_LT(get(w, "Command1")->geometry().right(), get(w, "Command2")->geometry().left());
    const int firstLeft = get(w, "Command1")->geometry().left();
    EXPECT_FALSE(get<QLabel>(w, "Label1")->isVisible());

    t.launcher.failing << "C:\\Audio\\SIDPLAYR.EXE";
    get(w, "Command1")->click();
    EXPECT_TRUE(t.dialogs.messages().value(0).contains("SIDPLAYR")) << "a start failure";
    EXPECT_TRUE(isOpen("Form7")) << "and the window stays usable";
    get(w, "Command2")->click();
    ASSERT_EQ(t.launcher.started.size(), 1);
    EXPECT_EQ(t.launcher.started[0],
              (Command{"/bin/two", {root + "/b tune.sid"}, WindowStyle::MinimizedFocus}));
    EXPECT_FALSE(isOpen("Form7"));

    // Only the second player: it takes the first place. A missing song leaves one blank.
    t.catalogue.setConfig({{"player1", ""}});
    QFile::remove(root + "/b tune.sid");
    w = open("Form7");
    EXPECT_FALSE(get(w, "Command1")->isVisible());
    EXPECT_EQ(get(w, "Command2")->geometry().left(), firstLeft);
    get(w, "Command2")->click();
    EXPECT_EQ(t.launcher.started.last().text(), "/bin/two ");

    t.catalogue.setConfig({{"player2", QVariant()}});
    w = open("Form7");
    EXPECT_FALSE(get(w, "Command1")->isVisible() || get(w, "Command2")->isVisible());
    EXPECT_EQ(get<QLabel>(w, "Label1")->text(), "NO SOUND PLAYERS CONFIGURED");
    EXPECT_TRUE(get<QLabel>(w, "Label1")->isVisible());
    w->close();
    QFile::remove(t.catalogue.path());
    w = open("Form7");
    EXPECT_EQ(t.dialogs.messages().last(), "Database Open Error");
    EXPECT_TRUE(get<QLabel>(w, "Label1")->isVisible());
}

TEST_F(MusicTest, MusicBrowserBrowsesFromTheMusicFolderAndPlays)
{
    t.ctx->browsepath = "stale";
    t.launcher.failing << "/bin/two";
    QWidget *w = open("Form8");
    EXPECT_EQ(get<DirListBox>(w, "Dir1")->path(), root);
    EXPECT_EQ(get<FileListBox>(w, "File1")->count(), 2);
    EXPECT_TRUE(t.ctx->browsepath.isEmpty());
    EXPECT_FALSE(get<QLabel>(w, "Label1")->isVisible());
    get(w, "Command1")->click();
    EXPECT_EQ(t.dialogs.messages().size(), 1) << "nothing selected";

    const QString sub = root + QDir::separator() + "Hubbard Tunes";
    ASSERT_TRUE(get<DirListBox>(w, "Dir1")->setPath(sub));
    EXPECT_EQ(t.ctx->browsepath, sub);
    w->layout()->activate();
    auto *files = get<FileListBox>(w, "File1");
    EXPECT_GE(files->viewport()->width(), files->sizeHintForColumn(0)) << "long names show whole";
    select(w, "Commando.sid");
    EXPECT_EQ(get<QLineEdit>(w, "Text1")->text(), sub + QDir::separator() + "Commando.sid");
    get(w, "Command1")->click();
    get(w, "Command2")->click();
    EXPECT_EQ(t.launcher.started, (QList<Command>{{"C:\\Audio\\SIDPLAYR.EXE",
                                                   {sub + "/Commando.sid"},
                                                   WindowStyle::MinimizedFocus}}));
    EXPECT_TRUE(t.dialogs.messages().value(1).contains("/bin/two"));
    EXPECT_TRUE(isOpen("Form8")) << "playing keeps the browser open";

    // Associate: "C64M" or "AmigaM"; another kind keeps the mode unless a game player's.
    const std::tuple<const char *, const char *, const char *> kinds[] = {
        {"C64", "", "C64M"},
        {"Amiga", "", "AmigaM"},
        {"PC", "AmigaM", "AmigaM"},
        {"PC", "C64", ""}};
    for (const auto &[kind, before, after] : kinds) {
        t.ctx->playerkind = kind;
        t.ctx->assocmode = before;
        get(w, "Command4")->click();
        EXPECT_EQ(t.ctx->assocmode, after) << kind << " " << before;
        t.ctx->windows.find("Form3")->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(assocOpened.size(), 4);
    get(w, "Command3")->click();
    EXPECT_FALSE(isOpen("Form8"));
}

TEST_F(MusicTest, MusicBrowserFallsBackToTheRootAndShowsMissingPlayers)
{
    t.catalogue.setConfig({{"player1", QVariant()}, {"player2", ""}});
    for (const QString &start : {QString(root + "/no such folder/"), QString()}) {
        t.ctx->startdir = start;
        QWidget *w = open("Form8");
        EXPECT_EQ(get<DirListBox>(w, "Dir1")->path(), QDir::toNativeSeparators(QDir::rootPath()));
        EXPECT_FALSE(get(w, "Command1")->isVisible() || get(w, "Command2")->isVisible());
        EXPECT_EQ(get<QLabel>(w, "Label1")->text(), "NO MUSIC PLAYERS CONFIGURED");
        EXPECT_TRUE(get<QLabel>(w, "Label1")->isVisible());
        w->close();
    }
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}
