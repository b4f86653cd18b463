#pragma once

#include "audiooutput.h"
#include "result.h"
#include "tuneinfo.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>

class PcmStream;
class RenderWorker;
class Tune;

// The one tune that plays: renders on its own thread into the output. Stops the sound when
// it is destroyed and when the application quits.
class MusicPlayer : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };

    explicit MusicPlayer(std::unique_ptr<AudioOutput> output, QObject *parent = nullptr);
    ~MusicPlayer() override;

    // Stops what plays and loads the file; the current subtune becomes its start subtune.
    // owner (a player bar) is who loaded it, so that each bar knows its own tune.
    Outcome load(const QString &path, const MusicSources &sources, const QObject *owner = nullptr);
    // Starts a subtune of the loaded tune from its beginning.
    Outcome play(int subtune);
    void pause();
    void resume();
    void stop();
    // 0 to 100.
    void setVolume(int percent);
    // When the song length runs out: the next subtune (if any) instead of stopping.
    void setAdvance(bool advance);

    bool hasTune() const { return m_info.has_value(); }
    const QString &path() const { return m_path; }
    const QObject *owner() const { return m_owner; }
    int volume() const { return m_volume; }
    bool advances() const { return m_advance; }
    const TuneInfo &info() const;
    State state() const { return m_state; }
    int subtune() const { return m_subtune; }
    qint64 elapsedMs() const;

Q_SIGNALS:
    void tuneLoaded();
    void stateChanged();
    // Every tick of the clock while playing.
    void elapsedChanged();
    void failed(const QString &message);

private:
    void setState(State state);
    void checkEnd();

    std::unique_ptr<AudioOutput> m_output;
    QThread m_thread;
    PcmStream *m_stream;
    RenderWorker *m_worker;
    QTimer m_clock;
    std::shared_ptr<Tune> m_tune;
    std::optional<TuneInfo> m_info;
    QString m_path;
    const QObject *m_owner = nullptr;
    State m_state = State::Stopped;
    int m_subtune = 1;
    bool m_advance = false;
    int m_volume = 100;
    // Which start of play() the renderer has reached; the stream speaks of an earlier run
    // until then.
    int m_serial = 0;
    bool m_running = false;
};
