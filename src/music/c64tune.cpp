#include "c64tune.h"

#include "hvscdocuments.h"

#include <QCoreApplication>
#include <QtEndian>

#include <sidplayfp/SidConfig.h>
#include <sidplayfp/SidInfo.h>
#include <sidplayfp/SidTune.h>
#include <sidplayfp/SidTuneInfo.h>
#include <sidplayfp/builders/residfp.h>
#include <sidplayfp/sidplayfp.h>
#include <sidplayfp/sidversion.h>

#include <algorithm>

// 2.15 deprecated play(buffer, count) for play(cycles) and mix(); 3.0 removed it.
#define VANTREL_SIDPLAYFP_MIXES                                                                    \
    (LIBSIDPLAYFP_VERSION_MAJ > 2 ||                                                               \
     (LIBSIDPLAYFP_VERSION_MAJ == 2 && LIBSIDPLAYFP_VERSION_MIN >= 15))

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

const uint8_t *image(const QByteArray &rom)
{
    return rom.isEmpty() ? nullptr : reinterpret_cast<const uint8_t *>(rom.constData());
}

// libsidplayfp reads past the buffer for a data offset beyond the file; the format has one
// offset for each version.
bool headerIsSound(const QByteArray &data)
{
    if (data.size() < 8)
        return false;
    const quint16 version = qFromBigEndian<quint16>(data.constData() + 4);
    const quint16 offset = qFromBigEndian<quint16>(data.constData() + 6);
    return version >= 1 && version <= 4 && offset == (version == 1 ? 0x76 : 0x7C) &&
           data.size() > offset;
}

} // namespace

C64Tune::C64Tune(const QByteArray &data, const C64Roms &roms)
    : m_data(data), m_roms(roms),
      m_tune(std::make_unique<SidTune>(reinterpret_cast<const uint_least8_t *>(m_data.constData()),
                                       uint_least32_t(m_data.size())))
{
}

C64Tune::~C64Tune() = default;

Result<std::unique_ptr<Tune>> C64Tune::load(const QByteArray &data, const C64Roms &roms,
                                            const QString &hvscFolder, const QString &path)
{
    if (!headerIsSound(data))
        return Failure{Music::tr("it is not a SID tune or it is damaged (its header is wrong)")};
    std::unique_ptr<C64Tune> tune(new C64Tune(data, roms));
    if (!tune->m_tune->getStatus())
        return Failure{Music::tr("it is not a SID tune or it is damaged (%1)")
                           .arg(QString::fromLatin1(tune->m_tune->statusString()))};
    const SidTuneInfo *info = tune->m_tune->getInfo();
    const auto compatibility = info->compatibility();
    const bool realC64 = compatibility == SidTuneInfo::COMPATIBILITY_R64 ||
                         compatibility == SidTuneInfo::COMPATIBILITY_BASIC;
    if (realC64 && (roms.kernal.isEmpty() ||
                    (compatibility == SidTuneInfo::COMPATIBILITY_BASIC && roms.basic.isEmpty())))
        return Failure{Music::tr("this tune runs on the C64's own ROMs: it plays once the KERNAL, "
                                 "BASIC and character ROM files are given")};

    TuneInfo &about = tune->m_info;
    about.format = QString::fromLatin1(data.left(4));
    auto text = [info](unsigned int i) {
        return i < info->numberOfInfoStrings() ? QString::fromLatin1(info->infoString(i))
                                               : QString();
    };
    about.title = text(0);
    about.author = text(1);
    about.released = text(2);
    about.subtunes = int(std::max(1u, info->songs()));
    about.startSubtune = std::clamp(int(info->startSong()), 1, about.subtunes);
    about.lengthsMs = songLengthsMs(hvscFolder, data, about.subtunes);
    about.comment = stilComment(hvscFolder, path);
    if (const Outcome configured = tune->configure(); !configured)
        return configured.failure();
    if (const Outcome started = tune->selectSubtune(about.startSubtune); !started)
        return started.failure();
    return std::unique_ptr<Tune>(std::move(tune));
}

Outcome C64Tune::configure()
{
    m_engine = std::make_unique<sidplayfp>();
    m_builder = std::make_unique<ReSIDfpBuilder>("vantrel");
    m_builder->create(m_engine->info().maxsids());
    if (!m_builder->getStatus())
        return Failure{QString::fromLatin1(m_builder->error())};
    m_engine->setRoms(image(m_roms.kernal), image(m_roms.basic), image(m_roms.character));
    SidConfig config = m_engine->config();
    config.frequency = kSampleRate;
    config.playback = SidConfig::STEREO;
    config.sidEmulation = m_builder.get();
    // Resampling through a sinc filter costs most of the render time; interpolating
    // between the chip's samples is inaudibly different at 44.1 kHz.
    config.samplingMethod = SidConfig::INTERPOLATE;
    config.fastSampling = true;
    if (!m_engine->config(config))
        return Failure{QString::fromLatin1(m_engine->error())};
    return {};
}

Outcome C64Tune::selectSubtune(int subtune)
{
    Q_ASSERT(subtune >= 1 && subtune <= m_info.subtunes);
    m_tune->selectSong(unsigned(subtune));
    m_mixed.clear();
    m_mixedAt = 0;
    if (!m_engine->load(m_tune.get()))
        return Failure{
            Music::tr("the tune cannot start (%1)").arg(QString::fromLatin1(m_engine->error()))};
    return {};
}

int C64Tune::render(qint16 *stereo, int frames)
{
#if VANTREL_SIDPLAYFP_MIXES
    constexpr unsigned int kCycles = 5000; // about 5 ms of a PAL C64
    const size_t wanted = size_t(frames) * kChannels;
    size_t done = 0;
    while (done < wanted) {
        if (m_mixedAt == m_mixed.size()) {
            const int made = m_engine->play(kCycles);
            if (made <= 0)
                break;
            m_mixed.resize(size_t(made) * kChannels);
            m_mixed.resize(m_engine->mix(m_mixed.data(), unsigned(made)));
            m_mixedAt = 0;
        }
        const size_t n = std::min(wanted - done, m_mixed.size() - m_mixedAt);
        std::copy_n(m_mixed.data() + m_mixedAt, n, stereo + done);
        m_mixedAt += n;
        done += n;
    }
    return int(done / kChannels);
#else
    const uint_least32_t made = m_engine->play(stereo, uint_least32_t(frames) * kChannels);
    return int(made / kChannels);
#endif
}

} // namespace music
