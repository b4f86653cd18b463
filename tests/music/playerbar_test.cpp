// The player bar and the player behind it, with a fake sound device that the test pulls.
#include "fakelauncher.h"
#include "fakeoutput.h"
#include "musicfiles.h"
#include "musicservice.h"
#include "musictest.h"
#include "playerbar.h"
#include "widgettest.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>

#include <gtest/gtest.h>

namespace
{

class PlayerBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Subtune 1 lasts one second by the HVSC copy the tune lies in.
        const QByteArray tune = sampledata::makeTonePsid(kToneValues, 2);
        const QByteArray md5 = QCryptographicHash::hash(tune, QCryptographicHash::Md5).toHex();
        writeFile(m_dir.filePath(QStringLiteral("DOCUMENTS/Songlengths.md5")),
                  "[Database]\n" + md5 + "=0:01 0:01 0:05\n");
        m_file = writeFile(m_dir.filePath(QStringLiteral("Tones.sid")), tune);
        ASSERT_TRUE(m_player.load(m_file, {}).ok());
        m_window.show();
    }
    QString text(const char *name) { return control<QLabel>(&m_window, name)->text(); }
    void press(const char *name) { control<QToolButton>(&m_window, name)->click(); }
    // Plays as a sound device would, 50 ms at a time, until done() or 20 s have gone.
    bool playUntil(const std::function<bool()> &done)
    {
        return QTest::qWaitFor(
            [&] {
                if (m_log.source) {
                    const QByteArray pcm = m_log.source->read(std::min<qint64>(
                        Tune::kSampleRate / 20 * 4, m_log.source->bytesAvailable()));
                    for (qsizetype i = 0; i + 1 < pcm.size(); i += 4)
                        m_heard.samples.push_back(qFromLittleEndian<qint16>(pcm.constData() + i));
                }
                return done();
            },
            20000);
    }

    QTemporaryDir m_dir;
    QString m_file;
    DeviceLog m_log;
    FakeLauncher m_launcher;
    MusicService m_music{std::make_unique<FakeOutput>(m_log), m_launcher};
    MusicPlayer &m_player = m_music.player();
    QWidget m_window;
    PlayerBar *m_bar = new PlayerBar(m_music, &m_window);
    Sound m_heard{Tune::kSampleRate, {}};
};

TEST_F(PlayerBarTest, PlaysTheChosenSubtuneAndStopsAtItsEnd)
{
    EXPECT_EQ(text("subtune"), "2 / 3");
    press("previousSubtune");
    EXPECT_EQ(text("subtune"), "1 / 3");
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Playing);
    EXPECT_FALSE(control<QToolButton>(&m_window, "previousSubtune")->isEnabled());
    ASSERT_TRUE(playUntil([&] { return m_player.state() == MusicPlayer::State::Stopped; }));
    EXPECT_EQ(m_log.source, nullptr);
    EXPECT_NEAR(pitchOf(m_heard), sidHertz(kToneValues[0]), 2.0);
    EXPECT_EQ(text("subtune"), "1 / 3");
    EXPECT_EQ(text("time"), "0:00 / 0:01");
}

TEST_F(PlayerBarTest, MovesOnToTheNextSubtuneWhenAsked)
{
    control<QCheckBox>(&m_window, "advance")->setChecked(true);
    press("previousSubtune");
    ASSERT_TRUE(playUntil([&] { return m_player.subtune() == 2; }));
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Playing);
    EXPECT_EQ(text("subtune"), "2 / 3");
    ASSERT_TRUE(playUntil([&] { return m_player.elapsedMs() >= 500; }));
    EXPECT_EQ(text("time"), "0:00 / 0:01");
}

TEST_F(PlayerBarTest, PausesAndSetsTheVolume)
{
    press("playPause");
    EXPECT_EQ(m_player.subtune(), 2);
    press("playPause");
    EXPECT_TRUE(m_log.suspended);
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Paused);
    press("playPause");
    EXPECT_FALSE(m_log.suspended);
    control<QSlider>(&m_window, "volume")->setValue(40);
    EXPECT_FLOAT_EQ(m_log.volume, 0.4f);
}

TEST_F(PlayerBarTest, ClosingTheWindowStopsTheSound)
{
    press("playPause");
    ASSERT_NE(m_log.source, nullptr);
    m_window.close();
    EXPECT_EQ(m_log.source, nullptr);
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Stopped);
}

TEST_F(PlayerBarTest, NoSoundDeviceIsShownInTheBar)
{
    m_log.refusal = QStringLiteral("There is no sound device: the music cannot be played here.");
    press("playPause");
    EXPECT_EQ(text("status"), m_log.refusal);
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Stopped);
    EXPECT_TRUE(control<QToolButton>(&m_window, "nextSubtune")->isEnabled());
}

// Each bar plays its own tune on the one player; any Stop ends what plays, and an external
// player's start ends the built-in one.
TEST_F(PlayerBarTest, BarsShareOnePlayer)
{
    QWidget second;
    auto *other = new PlayerBar(m_music, &second);
    other->setTune(m_file);
    second.show();
    EXPECT_EQ(control<QLabel>(&second, "subtune")->text(), "");
    control<QToolButton>(&second, "playPause")->click();
    EXPECT_EQ(m_player.owner(), other);
    EXPECT_EQ(control<QLabel>(&second, "subtune")->text(), "2 / 3");
    press("stop");
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Stopped);
    control<QToolButton>(&second, "playPause")->click();
    ASSERT_TRUE(m_music.external().start({QStringLiteral("sidplayer"), {m_file}}).ok());
    EXPECT_EQ(m_player.state(), MusicPlayer::State::Stopped);
    EXPECT_EQ(m_launcher.started.size(), 1);
}

} // namespace
