#pragma once

#include "result.h"
#include "tuneinfo.h"

#include <QtGlobal>

// A loaded tune that renders 16-bit stereo PCM at kSampleRate. Not thread-safe: one thread
// at a time.
class Tune
{
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = kChannels * int(sizeof(qint16));

    virtual ~Tune() = default;
    const TuneInfo &info() const { return m_info; }

    // Starts a subtune (1 .. subtunes) from its beginning.
    virtual Outcome selectSubtune(int subtune) = 0;
    // Renders up to frames stereo frames into stereo; fewer once the subtune has ended.
    virtual int render(qint16 *stereo, int frames) = 0;

protected:
    TuneInfo m_info;
};
