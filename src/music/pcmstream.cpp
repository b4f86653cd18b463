#include "pcmstream.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>

PcmStream::PcmStream(qint64 capacity, QObject *parent) : QIODevice(parent), m_capacity(capacity)
{
    m_buffer.reserve(capacity);
    // Unbuffered: a read-ahead would count as played and hold padding.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 PcmStream::freeBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_capacity - m_buffer.size();
}

void PcmStream::append(const char *data, qint64 bytes)
{
    QMutexLocker lock(&m_mutex);
    Q_ASSERT(m_buffer.size() + bytes <= m_capacity);
    m_buffer.append(data, bytes);
}

void PcmStream::finish()
{
    QMutexLocker lock(&m_mutex);
    m_finished = true;
}

void PcmStream::clear()
{
    QMutexLocker lock(&m_mutex);
    m_buffer.clear();
    m_played = 0;
    m_finished = false;
}

qint64 PcmStream::playedBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_played;
}

bool PcmStream::drained() const
{
    QMutexLocker lock(&m_mutex);
    return m_finished && m_buffer.isEmpty();
}

qint64 PcmStream::bytesAvailable() const
{
    QMutexLocker lock(&m_mutex);
    return QIODevice::bytesAvailable() + m_buffer.size();
}

qint64 PcmStream::readData(char *data, qint64 maxSize)
{
    {
        QMutexLocker lock(&m_mutex);
        const qint64 real = std::min<qint64>(maxSize, m_buffer.size());
        // An empty buffer has no data pointer to copy from; what is missing plays as silence.
        if (real > 0)
            std::memcpy(data, m_buffer.constData(), size_t(real));
        if (maxSize > real)
            std::memset(data + real, 0, size_t(maxSize - real));
        m_buffer.remove(0, real);
        m_played += real;
    }
    Q_EMIT consumed();
    return maxSize;
}

qint64 PcmStream::writeData(const char *, qint64)
{
    return -1;
}
