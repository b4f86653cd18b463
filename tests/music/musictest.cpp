#include "musictest.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <cmath>
#include <numeric>

double pitchOf(const Sound &sound)
{
    // The second half only: a SID's output steps when the volume is set, and settles slowly.
    const std::vector<qint16> samples(sound.samples.begin() + qsizetype(sound.samples.size() / 2),
                                      sound.samples.end());
    if (samples.empty())
        return 0;
    const double n = double(samples.size());
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / n;
    double power = 0;
    for (qint16 s : samples)
        power += (s - mean) * (s - mean);
    // A crossing counts once the wave has gone from well below the mean to well above it,
    // so ripple around the mean is no extra cycle.
    const double band = std::sqrt(power / n) / 2;
    qint64 first = -1, last = -1, cycles = 0;
    bool low = false;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] < mean - band) {
            low = true;
        } else if (low && samples[i] > mean + band) {
            low = false;
            first = first < 0 ? qint64(i) : first;
            last = qint64(i);
            ++cycles;
        }
    }
    return cycles < 2 ? 0 : (cycles - 1) * double(sound.rate) / double(last - first);
}

Sound render(Tune &tune, double seconds)
{
    Sound sound{Tune::kSampleRate, {}};
    std::vector<qint16> stereo(1024 * Tune::kChannels);
    for (qint64 left = qint64(seconds * Tune::kSampleRate); left > 0;) {
        const int made = tune.render(stereo.data(), int(std::min<qint64>(1024, left)));
        if (made <= 0)
            break;
        for (int i = 0; i < made; ++i)
            sound.samples.push_back(stereo[size_t(i) * Tune::kChannels]);
        left -= made;
    }
    return sound;
}

Sound readWav(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    Sound sound;
    int channels = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        const char *body = wav.constData() + at + 8;
        if (id == "fmt ") {
            channels = qFromLittleEndian<quint16>(body + 2);
            sound.rate = int(qFromLittleEndian<quint32>(body + 4));
        } else if (id == "data" && channels > 0) {
            const qsizetype frames = std::min(size, wav.size() - at - 8) / (2 * channels);
            for (qsizetype i = 0; i < frames; ++i)
                sound.samples.push_back(qFromLittleEndian<qint16>(body + 2 * channels * i));
        }
        at += 8 + size + (size & 1);
    }
    return sound;
}

bool runPlayer(const QString &program, const QStringList &arguments)
{
    QProcess player;
    player.start(program, arguments);
    if (!player.waitForFinished(60000)) {
        player.kill();
        player.waitForFinished();
        return false;
    }
    return player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0;
}
