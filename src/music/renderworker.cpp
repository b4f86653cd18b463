#include "renderworker.h"

#include "pcmstream.h"
#include "tune.h"

#include <algorithm>

namespace
{
constexpr int kChunkFrames = 1024;
}

RenderWorker::RenderWorker(PcmStream &stream)
    : m_stream(stream), m_buffer(size_t(kChunkFrames) * Tune::kChannels)
{
}

void RenderWorker::start(std::shared_ptr<Tune> tune, int subtune, qint64 frames, int serial)
{
    halt();
    if (const Outcome selected = tune->selectSubtune(subtune); !selected) {
        Q_EMIT failed(selected.error());
        return;
    }
    m_tune = std::move(tune);
    m_left = frames > 0 ? frames : -1;
    Q_EMIT started(serial);
    fill();
}

void RenderWorker::halt()
{
    m_tune.reset();
    m_stream.clear();
}

void RenderWorker::fill()
{
    constexpr qint64 kChunkBytes = qint64(kChunkFrames) * Tune::kBytesPerFrame;
    while (m_tune && m_stream.freeBytes() >= kChunkBytes) {
        const int wanted = m_left < 0 ? kChunkFrames : int(std::min<qint64>(kChunkFrames, m_left));
        const int made = wanted > 0 ? m_tune->render(m_buffer.data(), wanted) : 0;
        if (made > 0)
            m_stream.append(reinterpret_cast<const char *>(m_buffer.data()),
                            qint64(made) * Tune::kBytesPerFrame);
        if (m_left > 0)
            m_left -= made;
        if (made < wanted || m_left == 0) {
            m_tune.reset();
            m_stream.finish();
        }
    }
}
