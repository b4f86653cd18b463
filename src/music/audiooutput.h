#pragma once

#include "result.h"

class QIODevice;

// Where the player's sound goes: 16-bit stereo PCM at Tune::kSampleRate, pulled from a
// stream. The sound device in the programs, a fake in the tests.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;
    // Fails when there is no sound device or it refuses the format.
    virtual Outcome start(QIODevice &source) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    // 0 (silent) to 1 (full).
    virtual void setVolume(float volume) = 0;
};
