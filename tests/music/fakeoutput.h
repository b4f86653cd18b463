#pragma once

#include "audiooutput.h"

#include <QIODevice>

// What the player did to its sound device.
struct DeviceLog {
    QIODevice *source = nullptr; // while started
    bool suspended = false;
    float volume = 1;
    QString refusal; // when set, start fails with it
};

class FakeOutput : public AudioOutput
{
public:
    explicit FakeOutput(DeviceLog &log) : m_log(log) {}
    Outcome start(QIODevice &source) override
    {
        if (!m_log.refusal.isEmpty())
            return Failure{m_log.refusal};
        m_log.source = &source;
        m_log.suspended = false;
        return {};
    }
    void suspend() override { m_log.suspended = true; }
    void resume() override { m_log.suspended = false; }
    void stop() override { m_log.source = nullptr; }
    void setVolume(float volume) override { m_log.volume = volume; }

private:
    DeviceLog &m_log;
};
