#pragma once

// Independent readers of the written images, so the tests check the bytes the way a
// drive or another program would read them, not by reusing the writers' code.

#include <QByteArray>
#include <QList>
#include <QtEndian>

namespace imagereading
{

inline int sectorsOnTrack(int track)
{
    return track <= 17 ? 21 : track <= 24 ? 19 : track <= 30 ? 18 : 17;
}

inline int offsetOf(int track, int sector)
{
    int offset = 0;
    for (int t = 1; t < track; ++t)
        offset += sectorsOnTrack(t) * 256;
    return offset + sector * 256;
}

inline quint8 byteAt(const QByteArray &image, int offset)
{
    return quint8(image.at(offset));
}

struct D64Entry {
    quint8 type = 0;
    int track = 0;
    int sector = 0;
    QByteArray name; // trailing 0xA0 removed
    int blocks = 0;
};

// Walks the directory chain from track 18 sector 1; `sectors` gets the chain.
inline QList<D64Entry> d64Directory(const QByteArray &image, QList<int> *sectors = nullptr)
{
    QList<D64Entry> entries;
    int track = 18;
    int sector = 1;
    for (int guard = 0; track != 0 && guard < 19; ++guard) {
        const int off = offsetOf(track, sector);
        if (sectors)
            sectors->append(sector);
        for (int e = 0; e < 8; ++e) {
            const int at = off + 32 * e;
            if (byteAt(image, at + 2) == 0)
                continue;
            D64Entry entry;
            entry.type = byteAt(image, at + 2);
            entry.track = byteAt(image, at + 3);
            entry.sector = byteAt(image, at + 4);
            entry.name = image.mid(at + 5, 16);
            while (entry.name.endsWith(char(0xA0)))
                entry.name.chop(1);
            entry.blocks = byteAt(image, at + 30) | byteAt(image, at + 31) << 8;
            entries.append(entry);
        }
        track = byteAt(image, off);
        sector = byteAt(image, off + 1);
    }
    return entries;
}

// Follows a file's sector links; `chain` gets (track, sector) of every block.
inline QByteArray d64FileData(const QByteArray &image, int track, int sector,
                              QList<std::pair<int, int>> *chain = nullptr)
{
    QByteArray data;
    for (int guard = 0; guard < 683; ++guard) {
        const int off = offsetOf(track, sector);
        if (chain)
            chain->append({track, sector});
        const int nextTrack = byteAt(image, off);
        const int nextSector = byteAt(image, off + 1);
        if (nextTrack == 0) {
            data += image.mid(off + 2, nextSector - 1);
            break;
        }
        data += image.mid(off + 2, 254);
        track = nextTrack;
        sector = nextSector;
    }
    return data;
}

inline quint32 long32(const QByteArray &image, int block, int offset)
{
    return qFromBigEndian<quint32>(image.constData() + block * 512 + offset);
}

// Sum of the 128 longs of a block: zero when its checksum is right.
inline quint32 blockSum(const QByteArray &image, int block)
{
    quint32 sum = 0;
    for (int i = 0; i < 512; i += 4)
        sum += long32(image, block, i);
    return sum;
}

inline QByteArray adfName(const QByteArray &image, int block)
{
    return image.mid(block * 512 + 433, quint8(image.at(block * 512 + 432)));
}

} // namespace imagereading
