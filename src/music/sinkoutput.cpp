#include "sinkoutput.h"

#include "logging.h"
#include "tune.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

SinkOutput::SinkOutput() = default;

SinkOutput::~SinkOutput()
{
    stop();
}

Outcome SinkOutput::start(QIODevice &source)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(Tune::kSampleRate);
    format.setChannelCount(Tune::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull())
        return Failure{QCoreApplication::translate("Music", "There is no sound device: the music "
                                                            "cannot be played here.")};
    if (!device.isFormatSupported(format))
        return Failure{QCoreApplication::translate("Music", "The sound device %1 cannot play "
                                                            "16-bit stereo at 44100 Hz.")
                           .arg(device.description())};
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setVolume(m_volume);
    m_sink->start(&source);
    if (m_sink->error() != QAudio::NoError) {
        qCWarning(lcLaunch) << "music: the sound device refused to start" << m_sink->error();
        m_sink.reset();
        return Failure{QCoreApplication::translate("Music", "The sound device %1 cannot be "
                                                            "opened.")
                           .arg(device.description())};
    }
    return {};
}

void SinkOutput::suspend()
{
    if (m_sink)
        m_sink->suspend();
}

void SinkOutput::resume()
{
    if (m_sink)
        m_sink->resume();
}

void SinkOutput::stop()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
}

void SinkOutput::setVolume(float volume)
{
    m_volume = volume;
    if (m_sink)
        m_sink->setVolume(volume);
}
