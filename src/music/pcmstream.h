#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QMutex>

// The PCM between the render thread, which appends, and the audio output, which reads. A
// read never waits: what the renderer has not made yet is silence, and is not counted as
// played.
class PcmStream : public QIODevice
{
    Q_OBJECT
public:
    explicit PcmStream(qint64 capacity, QObject *parent = nullptr);

    // The render thread's side.
    qint64 freeBytes() const;
    void append(const char *data, qint64 bytes);
    // The subtune has no more sound: once read out, the stream is drained.
    void finish();
    // Drops what is buffered and the count of what was played, for a new start.
    void clear();

    // The output's side.
    qint64 playedBytes() const;
    bool drained() const;

    bool isSequential() const override { return true; }
    // What the renderer has made; a read may ask for more and get silence.
    qint64 bytesAvailable() const override;
    // Never: a device would stop pulling when the renderer falls behind.
    bool atEnd() const override { return false; }

Q_SIGNALS:
    // Emitted on the reading thread after a read made room.
    void consumed();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    const qint64 m_capacity;
    mutable QMutex m_mutex;
    QByteArray m_buffer;
    qint64 m_played = 0;
    bool m_finished = false;
};
