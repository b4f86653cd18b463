#include "musiccommand.h"

#include "database.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MusicCaption, DropsFolderAndExtension)
{
    EXPECT_EQ(music::c64disk(QStringLiteral("C:\\Players\\WINAMP.EXE")), QStringLiteral("WINAMP"));
    EXPECT_EQ(music::c64disk(QStringLiteral("C:\\Sound\\SIDPLAYR.EXE")),
              QStringLiteral("SIDPLAYR"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/local/bin/player.sh")), QStringLiteral("player"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/opt/Tracker.AppImage")),
              QStringLiteral("Tracker.AppImage"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/opt/deck.mp3x")), QStringLiteral("deck"));
    EXPECT_EQ(music::c64disk(QStringLiteral("player.exe")), QStringLiteral("player"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/mixed\\dir/tool.bin")), QStringLiteral("tool"));
}

TEST(MusicCaption, NamesWithoutExtensionStayWhole)
{
    // Linux players usually have no extension; a version number is not one either.
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/sidplay2")), QStringLiteral("sidplay2"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/vlc-3.0")), QStringLiteral("vlc-3.0"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/.hidden")), QStringLiteral(".hidden"));
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/name.")), QStringLiteral("name."));
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/a.b-c")), QStringLiteral("a.b-c"));
    EXPECT_EQ(music::c64disk(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(music::c64disk(QString()), QString());
    EXPECT_EQ(music::c64disk(QStringLiteral("/usr/bin/")), QString());
}

TEST(MusicCaption, PlayerCaptionNeverEmptyForAConfiguredPath)
{
    EXPECT_EQ(music::playerCaption(QStringLiteral("/usr/bin/mpg123")), QStringLiteral("mpg123"));
    EXPECT_EQ(music::playerCaption(QStringLiteral("C:\\Players\\")),
              QStringLiteral("C:\\Players\\"));
    EXPECT_EQ(music::playerCaption(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(MusicCommand, ShortPathAsOneArgumentMinimized)
{
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("my songs/Tune One.sid"));
    QDir().mkpath(dir.filePath(QStringLiteral("my songs")));
    QFile f(song);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    const Command c = music::playCommand(QStringLiteral("/usr/bin/player"), song);
    EXPECT_EQ(c.program, QStringLiteral("/usr/bin/player"));
    EXPECT_EQ(c.arguments, QStringList{QDir::toNativeSeparators(song)});
    EXPECT_EQ(c.windowStyle, WindowStyle::MinimizedFocus);

    // A missing file leaves the player path and one blank.
    const Command missing = music::playCommand(QStringLiteral("/usr/bin/player"),
                                               dir.filePath(QStringLiteral("gone.sid")));
    EXPECT_EQ(missing.arguments.size(), 1);
    EXPECT_TRUE(missing.arguments[0].isEmpty());
    EXPECT_EQ(missing.text(), QStringLiteral("/usr/bin/player "));
}

TEST(MusicRecords, PlayersAndSongs)
{
    TestCatalogue c;
    QString error;
    music::SoundPlayers p = music::loadPlayers(c.db(), &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(p.player1.isEmpty() && p.player2.isEmpty());

    c.setConfig({{QStringLiteral("player2"), QStringLiteral("/bin/two")}});
    catalogue::run(c.db(), QStringLiteral("insert into tabella2 (player1) values ('/bin/later')"));
    p = music::loadPlayers(c.db(), &error);
    EXPECT_TRUE(p.player1.isEmpty());
    EXPECT_EQ(p.player2, QStringLiteral("/bin/two"));

    const int id = c.addGame({{QStringLiteral("titolo"), QStringLiteral("Tune")},
                              {QStringLiteral("song"), QStringLiteral("/music/t.sid")}});
    EXPECT_EQ(music::loadSong(c.db(), id, &error), QStringLiteral("/music/t.sid"));
    EXPECT_EQ(music::loadSong(c.db(), id + 100, &error), QString());
    EXPECT_TRUE(error.isEmpty());

    EXPECT_EQ(music::loadSong(QSqlDatabase(), id, &error), QString());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    music::loadPlayers(QSqlDatabase(), &error);
    EXPECT_FALSE(error.isEmpty());
}
