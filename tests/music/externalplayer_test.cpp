// The external player: started through the launcher, ended by its pid, replaced by a second
// start, and reported when it cannot start or gives up at once.
#include "fakelauncher.h"
#include "fakeoutput.h"
#include "musicfiles.h"
#include "musicservice.h"
#include "musictest.h"
#include "widgettest.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <signal.h>

namespace
{

bool gone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

TEST(ExternalPlayer, StartsThroughTheLauncher)
{
    FakeLauncher launcher;
    launcher.failing.insert("broken");
    ExternalPlayer player(launcher);
    const Command a{"sidplayer", {"a.sid"}};
    const Command b{"sidplayer", {"b.sid"}};
    ASSERT_TRUE(player.start(a).ok());
    ASSERT_TRUE(player.start(b).ok());
    EXPECT_EQ(launcher.started, QList<Command>({a, b}));
    EXPECT_EQ(player.start({"broken", {}}).error(),
              "The sound player could not be started:\nbroken\ncannot start broken");
}

TEST(ExternalPlayer, RealPlayersEndByTheirPid)
{
    ProcessLauncher launcher;
    DeviceLog log;
    MusicService music(std::make_unique<FakeOutput>(log), launcher);
    ExternalPlayer &player = music.external();
    const Command sleeper{"sleep", {"30"}};
    ASSERT_TRUE(player.start(sleeper).ok());
    const qint64 first = player.pid();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(player.start(sleeper).ok());
    EXPECT_TRUE(gone(first)) << "a second Play replaces the first";
    const qint64 second = player.pid();
    player.stop();
    EXPECT_EQ(player.pid(), 0);
    EXPECT_TRUE(gone(second));

    QTemporaryDir dir;
    ASSERT_TRUE(player.start(sleeper).ok());
    const qint64 third = player.pid();
    const QString tune = writeFile(dir.filePath("t.sid"), sampledata::makeTonePsid(kToneValues, 1));
    ASSERT_TRUE(music.player().load(tune, {}).ok());
    ASSERT_TRUE(music.player().play(1).ok());
    EXPECT_TRUE(gone(third)) << "the built-in player ends the external one";
}

TEST(ExternalPlayer, EarlyFailuresSayWhatThePlayerSaid)
{
    ProcessLauncher launcher;
    ExternalPlayer player(launcher);
    QStringList failures;
    QObject::connect(&player, &ExternalPlayer::failed,
                     [&failures](const QString &message) { failures << message; });
    EXPECT_TRUE(player.start({"/nonexistent/sidplayer", {}})
                    .error()
                    .startsWith("The sound player could not be started:\n/nonexistent/sidplayer"));
    const QString script = "echo cannot read tune.sid >&2; exit 3";
    ASSERT_TRUE(player.start({"sh", {"-c", script}}).ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.pid() == 0; }));
    ASSERT_TRUE(player.start({"true", {}}).ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.pid() == 0; }));
    EXPECT_EQ(failures, QStringList{"The sound player sh stopped at once:\ncannot read tune.sid"})
        << "a clean exit is no failure";
}

} // namespace
