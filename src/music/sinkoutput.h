#pragma once

#include "audiooutput.h"

#include <memory>

class QAudioSink;

// The default sound device, through Qt Multimedia.
class SinkOutput : public AudioOutput
{
public:
    SinkOutput();
    ~SinkOutput() override;

    Outcome start(QIODevice &source) override;
    void suspend() override;
    void resume() override;
    void stop() override;
    void setVolume(float volume) override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    float m_volume = 1.0f;
};
