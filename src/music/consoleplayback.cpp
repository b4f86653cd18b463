#include "consoleplayback.h"

#include "musiccommands.h"
#include "musicplayer.h"
#include "sinkoutput.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace music
{
namespace
{

std::atomic<bool> interrupted = false;

extern "C" void onInterrupt(int)
{
    interrupted = true;
}

// Ctrl+C ends the music, not the program: the device is closed before the program exits.
class InterruptGuard
{
public:
    InterruptGuard() : m_previous(std::signal(SIGINT, onInterrupt)) { interrupted = false; }
    ~InterruptGuard() { std::signal(SIGINT, m_previous); }
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

private:
    void (*m_previous)(int);
};

} // namespace

Outcome playToEnd(const QString &tunePath, std::optional<int> subtune, const MusicSources &sources,
                  QTextStream &out)
{
    MusicPlayer player(std::make_unique<SinkOutput>());
    if (const Outcome loaded = player.load(tunePath, sources); !loaded)
        return loaded;
    const TuneInfo &info = player.info();
    const int chosen = subtune.value_or(info.startSubtune);
    if (const Outcome exists = checkSubtune(info, tunePath, chosen); !exists)
        return exists;
    const InterruptGuard guard;
    QEventLoop loop;
    QString failure;
    QObject::connect(&player, &MusicPlayer::failed, &loop,
                     [&failure](const QString &message) { failure = message; });
    QObject::connect(&player, &MusicPlayer::stateChanged, &loop, [&] {
        if (player.state() == MusicPlayer::State::Stopped)
            loop.quit();
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &player, [&player] {
        if (interrupted)
            player.stop();
    });
    watch.start(100);
    if (const Outcome started = player.play(chosen); !started)
        return started;
    const auto length = info.lengthMs(chosen);
    out << QCoreApplication::translate("Music", "Playing %1, subtune %2 of %3 (%4); Ctrl+C stops.")
               .arg(info.title.isEmpty() ? tunePath : info.title)
               .arg(chosen)
               .arg(info.subtunes)
               .arg(length ? formatLength(*length)
                           : QCoreApplication::translate("Music", "length unknown"))
        << Qt::endl;
    loop.exec();
    if (!failure.isEmpty())
        return Failure{failure};
    return {};
}

} // namespace music
