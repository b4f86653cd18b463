// The engine against the Debian players on tunes of known pitch, damaged files, HVSC
// documents and the WAV writer (the terminal commands are run in tests/e2e).
#include "musiccommands.h"
#include "musicfiles.h"
#include "musictest.h"
#include "tuneloader.h"
#include "widgettest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class MusicEngine : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString tones(const QString &name = QStringLiteral("tones.sid"))
    {
        return writeFile(path(name), sampledata::makeTonePsid(kToneValues, 2));
    }
    std::unique_ptr<Tune> load(const QString &file, const MusicSources &sources = {})
    {
        auto tune = music::loadTune(file, sources);
        EXPECT_TRUE(tune.ok()) << tune.error().toStdString();
        return tune ? std::move(*tune) : nullptr;
    }
    // An HVSC copy in hvsc/ whose documents know the tone tune.
    QString hvsc()
    {
        const QByteArray md5 = QCryptographicHash::hash(sampledata::makeTonePsid(kToneValues, 2),
                                                        QCryptographicHash::Md5)
                                   .toHex();
        writeFile(path(QStringLiteral("hvsc/DOCUMENTS/Songlengths.md5")),
                  "[Database]\n; /MUSICIANS/T/Tones.sid\n" + md5 + "=0:01 1:02.500 0:03\n");
        writeFile(path(QStringLiteral("hvsc/DOCUMENTS/STIL.txt")),
                  "#  STIL v3.0\n### /MUSICIANS/T/ ###\n/MUSICIANS/T/Tones.sid\n"
                  "COMMENT: Three test tones.\n");
        return path(QStringLiteral("hvsc"));
    }

    QTemporaryDir m_dir;
};

TEST_F(MusicEngine, SidReportsItsHeaderAndSubtunes)
{
    const auto tune = load(tones());
    ASSERT_TRUE(tune);
    EXPECT_EQ(tune->info().format, "PSID");
    EXPECT_EQ(tune->info().title, "Tones");
    EXPECT_EQ(tune->info().subtunes, 3);
    EXPECT_EQ(tune->info().startSubtune, 2);
    EXPECT_FALSE(tune->info().lengthMs(1));
}

// Each subtune plays its own tone, as the real sidplayfp plays it.
TEST_F(MusicEngine, SidSubtunesPlayTheirPitchLikeSidplayfp)
{
    const QString file = tones();
    const auto tune = load(file);
    ASSERT_TRUE(tune);
    for (int subtune = 1; subtune <= 3; ++subtune) {
        SCOPED_TRACE(subtune);
        const double expected = sidHertz(kToneValues[subtune - 1]);
        ASSERT_TRUE(tune->selectSubtune(subtune).ok());
        const double ours = pitchOf(render(*tune, 1.0));
        EXPECT_NEAR(ours, expected, expected * 0.003);
        const QString wav = path(QStringLiteral("sidplayfp%1.wav").arg(subtune));
        ASSERT_TRUE(runPlayer(QStringLiteral("sidplayfp"),
                              {QStringLiteral("-q"), QStringLiteral("-w") + wav,
                               QStringLiteral("-t1"), QStringLiteral("-o%1").arg(subtune), file}));
        EXPECT_NEAR(ours, pitchOf(readWav(wav)), expected * 0.003);
    }
}

// A 64-row pattern at speed 6 lasts 7.68 s; both Debian module players agree on pitch
// and length.
TEST_F(MusicEngine, ModulePlaysItsPitchAndLengthLikeTheDebianPlayers)
{
    const QString file =
        writeFile(path(QStringLiteral("tone.mod")), sampledata::makeToneMod("tone", 428));
    const auto tune = load(file);
    ASSERT_TRUE(tune);
    EXPECT_EQ(tune->info().format, "mod");
    EXPECT_EQ(tune->info().title, "tone");
    EXPECT_EQ(tune->info().subtunes, 1);
    EXPECT_EQ(tune->info().lengthMs(1), 7680);
    const Sound ours = render(*tune, 60);
    // libopenmpt adds 0.1 s for the last note to fade.
    EXPECT_NEAR(double(ours.samples.size()) / ours.rate, 7.68, 0.15);
    EXPECT_NEAR(pitchOf(ours), 3546895.0 / 428 / 32, 4.0); // C-3 on a PAL Amiga

    const QString xmpWav = path(QStringLiteral("xmp.wav"));
    ASSERT_TRUE(runPlayer(QStringLiteral("xmp"),
                          {QStringLiteral("-q"), QStringLiteral("-o"), xmpWav, file}));
    ASSERT_TRUE(
        runPlayer(QStringLiteral("openmpt123"),
                  {QStringLiteral("-q"), QStringLiteral("--render"), QStringLiteral("--no-float"),
                   QStringLiteral("--samplerate"), QStringLiteral("44100"), file}));
    for (const QString &wav : {xmpWav, QString(file + QStringLiteral(".wav"))}) {
        SCOPED_TRACE(wav.toStdString());
        const Sound theirs = readWav(wav);
        ASSERT_GT(theirs.rate, 0);
        EXPECT_NEAR(pitchOf(ours), pitchOf(theirs), pitchOf(ours) * 0.01);
        EXPECT_NEAR(double(theirs.samples.size()) / theirs.rate, 7.68, 0.15);
    }
}

TEST_F(MusicEngine, DamagedFilesAreRefusedWithAMessage)
{
    const QByteArray sid = sampledata::makeTonePsid(kToneValues, 1);
    const QByteArray mod = sampledata::makeToneMod("tone", 428);
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"text", "not a tune at all"},
        {"sid data offset beyond its end", sid.left(6) + QByteArray("\x74\x6f", 2) + sid.mid(8)},
        {"sid header only", sid.left(sampledata::kPsidHeaderSize)},
        {"module cut in its header", mod.left(600)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = writeFile(path(QString::fromLatin1(c.name)), c.bytes);
        const auto tune = music::loadTune(file, {});
        EXPECT_FALSE(tune.ok());
        EXPECT_TRUE(tune.error().startsWith(file)) << tune.error().toStdString();
    }
    const auto missing = music::loadTune(path(QStringLiteral("missing.sid")), {});
    EXPECT_TRUE(missing.error().contains(QStringLiteral("no such file")));
}

TEST_F(MusicEngine, RealC64TunesNeedTheRoms)
{
    const QString file = writeFile(path(QStringLiteral("real.sid")),
                                   sampledata::makeTonePsid(kToneValues, 1, "RSID"));
    MusicSources sources;
    EXPECT_TRUE(music::loadTune(file, sources).error().contains(QStringLiteral("KERNAL")));
    sources.kernalRom = writeFile(path(QStringLiteral("kernal")), QByteArray(8192, '\x60'));
    sources.basicRom = writeFile(path(QStringLiteral("basic")), QByteArray(8191, '\x60'));
    EXPECT_TRUE(music::loadTune(file, sources).error().contains(QStringLiteral("8192 bytes")));
    sources.basicRom = writeFile(path(QStringLiteral("basic")), QByteArray(8192, '\x60'));
    sources.characterRom = writeFile(path(QStringLiteral("chargen")), QByteArray(4096, '\0'));
    EXPECT_TRUE(load(file, sources));
}

// Lengths and STIL come from the HVSC copy the tune lies in, or the one the caller names;
// STIL needs the tune inside it.
TEST_F(MusicEngine, HvscDocumentsGiveLengthsAndComments)
{
    const QString folder = hvsc();
    const struct {
        const char *where;
        bool named;
        bool known;
        bool comment;
    } cases[] = {
        {"hvsc/MUSICIANS/T/Tones.sid", false, true, true},
        {"elsewhere/Tones.sid", true, true, false},
        {"elsewhere/Tones.sid", false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.where);
        const auto tune =
            load(tones(QString::fromLatin1(c.where)), {c.named ? folder : QString(), {}, {}, {}});
        ASSERT_TRUE(tune);
        const TuneInfo &info = tune->info();
        EXPECT_EQ(info.lengthMs(1), c.known ? std::optional(1000) : std::nullopt);
        EXPECT_EQ(info.lengthMs(2), c.known ? std::optional(62500) : std::nullopt);
        EXPECT_EQ(info.comment.contains(QStringLiteral("Three test tones.")), c.comment);
    }
}

// Length: the seconds asked, else the song length, else three minutes.
TEST_F(MusicEngine, WavHoldsTheSubtuneForItsLength)
{
    hvsc();
    const QString inTree = tones(QStringLiteral("hvsc/MUSICIANS/T/Tones.sid"));
    const struct {
        QString tune;
        std::optional<int> subtune, seconds;
        double hertz, length;
    } cases[] = {
        {inTree, 1, std::nullopt, sidHertz(kToneValues[0]), 1.0},
        {inTree, std::nullopt, 4, sidHertz(kToneValues[1]), 4.0},
        {tones(), 3, std::nullopt, sidHertz(kToneValues[2]), 180.0},
    };
    for (const auto &c : cases) {
        const QString wav = path(QStringLiteral("out.wav"));
        ASSERT_TRUE(music::renderWav({c.tune, wav, c.subtune, c.seconds}, {}).ok());
        const Sound sound = readWav(wav);
        EXPECT_EQ(sound.rate, Tune::kSampleRate);
        EXPECT_EQ(sound.samples.size(), size_t(c.length * Tune::kSampleRate));
        EXPECT_NEAR(pitchOf(sound), c.hertz, c.hertz * 0.003);
    }
}

TEST_F(MusicEngine, FailedWavLeavesNoFile)
{
    const struct {
        QString tune;
        int subtune, seconds;
        const char *message;
    } cases[] = {
        {tones(), 0, 1, "has no subtune 0"},
        {tones(), 1, 0, "at least 1 second"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        const QString wav = path(QStringLiteral("never.wav"));
        const Outcome outcome = music::renderWav({c.tune, wav, c.subtune, c.seconds}, {});
        EXPECT_TRUE(outcome.error().contains(QLatin1String(c.message)))
            << outcome.error().toStdString();
        EXPECT_FALSE(QFileInfo::exists(wav));
    }
}

} // namespace
