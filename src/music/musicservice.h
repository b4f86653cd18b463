#pragma once

#include "externalplayer.h"
#include "musicplayer.h"

#include <QObject>

#include <memory>

class AudioOutput;
class Launcher;

// The program's music: the one built-in player and the one external player it tracks.
// Starting either stops the other, so one tune plays at a time. Built once, in main.
class MusicService : public QObject
{
    Q_OBJECT
public:
    MusicService(std::unique_ptr<AudioOutput> output, Launcher &launcher,
                 QObject *parent = nullptr);

    MusicPlayer &player() { return m_player; }
    ExternalPlayer &external() { return m_external; }
    // Stops whatever plays.
    void stopAll();

private:
    MusicPlayer m_player;
    ExternalPlayer m_external;
};
