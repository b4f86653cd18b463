#pragma once

#include <QObject>

#include <memory>
#include <vector>

class PcmStream;
class Tune;

// Renders a subtune into the stream whenever it has room; lives on the player's render
// thread, so every call reaches it queued and in order.
class RenderWorker : public QObject
{
    Q_OBJECT
public:
    explicit RenderWorker(PcmStream &stream);

    // Starts the subtune afresh; frames > 0 ends it after that many frames. Announces the
    // run's serial number once the stream holds nothing of an earlier run.
    void start(std::shared_ptr<Tune> tune, int subtune, qint64 frames, int serial);
    // Stops rendering and empties the stream.
    void halt();
    void fill();

Q_SIGNALS:
    void started(int serial);
    void failed(const QString &message);

private:
    PcmStream &m_stream;
    std::shared_ptr<Tune> m_tune;
    qint64 m_left = 0; // frames still to render; negative: no end
    std::vector<qint16> m_buffer;
};
