#include "musicservice.h"

#include "audiooutput.h"

MusicService::MusicService(std::unique_ptr<AudioOutput> output, Launcher &launcher, QObject *parent)
    : QObject(parent), m_player(std::move(output)), m_external(launcher)
{
    connect(&m_player, &MusicPlayer::stateChanged, this, [this] {
        if (m_player.state() == MusicPlayer::State::Playing)
            m_external.stop();
    });
    connect(&m_external, &ExternalPlayer::started, &m_player, &MusicPlayer::stop);
}

void MusicService::stopAll()
{
    m_player.stop();
    m_external.stop();
}
