#include "musicplayer.h"

#include "pcmstream.h"
#include "renderworker.h"
#include "tune.h"
#include "tuneloader.h"

#include <QCoreApplication>

namespace
{
// Half a second of sound between the renderer and the device.
constexpr qint64 kBufferBytes = Tune::kSampleRate * Tune::kBytesPerFrame / 2;
constexpr int kClockMs = 100;
} // namespace

MusicPlayer::MusicPlayer(std::unique_ptr<AudioOutput> output, QObject *parent)
    : QObject(parent), m_output(std::move(output)), m_stream(new PcmStream(kBufferBytes, this)),
      m_worker(new RenderWorker(*m_stream))
{
    m_thread.setObjectName(QStringLiteral("music render"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_stream, &PcmStream::consumed, m_worker, &RenderWorker::fill, Qt::QueuedConnection);
    connect(m_worker, &RenderWorker::started, this,
            [this](int serial) { m_running = serial == m_serial; });
    connect(m_worker, &RenderWorker::failed, this, [this](const QString &message) {
        stop();
        Q_EMIT failed(message);
    });
    m_thread.start();
    m_clock.setInterval(kClockMs);
    connect(&m_clock, &QTimer::timeout, this, &MusicPlayer::checkEnd);
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &MusicPlayer::stop);
}

MusicPlayer::~MusicPlayer()
{
    stop();
    m_thread.quit();
    m_thread.wait();
}

const TuneInfo &MusicPlayer::info() const
{
    Q_ASSERT(m_info);
    return *m_info;
}

Outcome MusicPlayer::load(const QString &path, const MusicSources &sources, const QObject *owner)
{
    stop();
    auto tune = music::loadTune(path, sources);
    if (!tune)
        return tune.failure();
    m_tune = std::move(*tune);
    m_info = m_tune->info();
    m_path = path;
    m_owner = owner;
    m_subtune = m_info->startSubtune;
    Q_EMIT tuneLoaded();
    return {};
}

Outcome MusicPlayer::play(int subtune)
{
    Q_ASSERT(m_tune && subtune >= 1 && subtune <= m_info->subtunes);
    stop();
    m_subtune = subtune;
    const qint64 frames = qint64(m_info->lengthMs(subtune).value_or(0)) * Tune::kSampleRate / 1000;
    QMetaObject::invokeMethod(m_worker,
                              [worker = m_worker, tune = m_tune, subtune, frames, n = ++m_serial] {
                                  worker->start(tune, subtune, frames, n);
                              });
    if (const Outcome started = m_output->start(*m_stream); !started) {
        stop();
        return started;
    }
    setState(State::Playing);
    return {};
}

void MusicPlayer::pause()
{
    if (m_state != State::Playing)
        return;
    m_output->suspend();
    setState(State::Paused);
}

void MusicPlayer::resume()
{
    if (m_state != State::Paused)
        return;
    m_output->resume();
    setState(State::Playing);
}

void MusicPlayer::stop()
{
    m_output->stop();
    m_running = false;
    ++m_serial; // a start still on its way is stale
    QMetaObject::invokeMethod(m_worker, &RenderWorker::halt);
    setState(State::Stopped);
}

void MusicPlayer::setVolume(int percent)
{
    m_volume = qBound(0, percent, 100);
    m_output->setVolume(float(m_volume) / 100.0f);
}

void MusicPlayer::setAdvance(bool advance)
{
    m_advance = advance;
}

qint64 MusicPlayer::elapsedMs() const
{
    if (!m_running)
        return 0;
    return m_stream->playedBytes() * 1000 / (qint64(Tune::kSampleRate) * Tune::kBytesPerFrame);
}

void MusicPlayer::setState(State state)
{
    if (state == State::Playing)
        m_clock.start();
    else if (state == State::Stopped)
        m_clock.stop();
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

void MusicPlayer::checkEnd()
{
    Q_EMIT elapsedChanged();
    if (!m_running || !m_stream->drained())
        return;
    if (m_advance && m_subtune < m_info->subtunes) {
        if (const Outcome next = play(m_subtune + 1); !next)
            Q_EMIT failed(next.error());
        return;
    }
    stop();
}
