#include "musiccommands.h"

#include "tuneloader.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QtEndian>

#include <vector>

namespace music
{
namespace
{

// The texts' context: lupdate files a free function's tr() under its namespace, which the
// program never asks for.
class Music
{
    Q_DECLARE_TR_FUNCTIONS(Music)
};

QByteArray wavHeader(qint64 frames)
{
    const quint32 dataBytes = quint32(frames * Tune::kBytesPerFrame);
    QByteArray header(44, '\0');
    char *h = header.data();
    auto put32 = [h](int at, quint32 v) { qToLittleEndian<quint32>(v, h + at); };
    auto put16 = [h](int at, quint16 v) { qToLittleEndian<quint16>(v, h + at); };
    header.replace(0, 4, "RIFF");
    put32(4, 36 + dataBytes);
    header.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1); // PCM
    put16(22, Tune::kChannels);
    put32(24, Tune::kSampleRate);
    put32(28, Tune::kSampleRate * Tune::kBytesPerFrame);
    put16(32, Tune::kBytesPerFrame);
    put16(34, 16);
    header.replace(36, 4, "data");
    put32(40, dataBytes);
    return header;
}

// Writes up to frames of the tune after a header; the header is rewritten with what came.
Outcome writePcm(Tune &tune, qint64 frames, QSaveFile &file, Progress &progress)
{
    constexpr int kChunk = 4096;
    std::vector<qint16> buffer(size_t(kChunk) * Tune::kChannels);
    file.write(wavHeader(0));
    progress.setTotal(frames);
    qint64 done = 0;
    while (done < frames && !progress.isCancelled()) {
        const int made = tune.render(buffer.data(), int(std::min<qint64>(kChunk, frames - done)));
        if (made <= 0)
            break;
        file.write(reinterpret_cast<const char *>(buffer.data()),
                   qint64(made) * Tune::kBytesPerFrame);
        done += made;
        progress.setDone(done);
    }
    if (progress.isCancelled())
        return Failure{Music::tr("cancelled")};
    file.seek(0);
    file.write(wavHeader(done));
    return {};
}

} // namespace

QString formatLength(int ms)
{
    const int seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList musicInfoLines(const TuneInfo &info)
{
    QStringList lines = {QStringLiteral("title: ") + info.title,
                         QStringLiteral("author: ") + info.author,
                         QStringLiteral("released: ") + info.released,
                         QStringLiteral("subtunes: %1").arg(info.subtunes),
                         QStringLiteral("start: %1").arg(info.startSubtune)};
    for (int subtune = 1; subtune <= info.subtunes; ++subtune) {
        if (const auto ms = info.lengthMs(subtune))
            lines << QStringLiteral("length %1: %2").arg(subtune).arg(formatLength(*ms));
    }
    return lines;
}

Result<QStringList> musicInfoLines(const QString &tunePath, const MusicSources &sources)
{
    const auto tune = loadTune(tunePath, sources);
    if (!tune)
        return tune.failure();
    return musicInfoLines((*tune)->info());
}

Outcome checkSubtune(const TuneInfo &info, const QString &tunePath, int subtune)
{
    if (subtune >= 1 && subtune <= info.subtunes)
        return {};
    return Failure{
        Music::tr("%1 has no subtune %2: it has %3").arg(tunePath).arg(subtune).arg(info.subtunes)};
}

Outcome renderWav(const WavRequest &request, const MusicSources &sources, Progress &progress)
{
    if (request.seconds && *request.seconds < 1)
        return Failure{Music::tr("the length must be at least 1 second")};
    auto loaded = loadTune(request.tunePath, sources);
    if (!loaded)
        return loaded.failure();
    Tune &tune = **loaded;
    const TuneInfo &info = tune.info();
    const int subtune = request.subtune.value_or(info.startSubtune);
    if (const Outcome exists = checkSubtune(info, request.tunePath, subtune); !exists)
        return exists;
    if (const Outcome selected = tune.selectSubtune(subtune); !selected)
        return selected;
    const qint64 ms = request.seconds ? qint64(*request.seconds) * 1000
                                      : info.lengthMs(subtune).value_or(kDefaultWavSeconds * 1000);
    QSaveFile file(request.wavPath);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{
            Music::tr("%1 cannot be written: %2").arg(request.wavPath, file.errorString())};
    if (const Outcome written = writePcm(tune, ms * Tune::kSampleRate / 1000, file, progress);
        !written)
        return written;
    if (!file.commit())
        return Failure{
            Music::tr("%1 cannot be written: %2").arg(request.wavPath, file.errorString())};
    return {};
}

} // namespace music
