#pragma once

// Independent readers of the written images: the bytes as a drive or another program reads them.

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <gtest/gtest.h>

namespace imagereading
{

inline auto byteAt = [](const QByteArray &image, int offset) {
    return int(quint8(image.at(offset)));
};
inline auto sectorsOnTrack = [](int t) { return t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17; };
inline int offsetOf(int track, int sector)
{
    for (int t = 1; t < track; ++t)
        sector += sectorsOnTrack(t);
    return sector * 256;
}

constexpr int kBam = 0x16500;

inline auto bamSaysFree = [](const QByteArray &d64, int t, int s) {
    return (byteAt(d64, kBam + 4 * t + 1 + s / 8) & (1 << (s % 8))) != 0;
};

struct D64Entry {
    int type = 0, track = 0, sector = 0, blocks = 0;
    QByteArray name; // trailing 0xA0 removed
};

// Walks the directory chain from track 18 sector 1; `sectors` gets the chain.
inline QList<D64Entry> d64Directory(const QByteArray &image, QList<int> *sectors = nullptr)
{
    QList<D64Entry> entries;
    for (int track = 18, sector = 1, guard = 0; track != 0 && guard < 19; ++guard) {
        const int off = offsetOf(track, sector);
        if (sectors)
            sectors->append(sector);
        for (int at = off; at < off + 256; at += 32) {
            if (byteAt(image, at + 2) == 0)
                continue;
            D64Entry e{byteAt(image, at + 2), byteAt(image, at + 3), byteAt(image, at + 4),
                       byteAt(image, at + 30) | byteAt(image, at + 31) << 8, image.mid(at + 5, 16)};
            while (e.name.endsWith(char(0xA0)))
                e.name.chop(1);
            entries.append(e);
        }
        track = byteAt(image, off);
        sector = byteAt(image, off + 1);
    }
    return entries;
}

// Follows a file's sector links; `chain` gets (track, sector) of every block.
inline QByteArray d64FileData(const QByteArray &image, const D64Entry &e,
                              QList<std::pair<int, int>> *chain = nullptr)
{
    QByteArray data;
    for (int track = e.track, sector = e.sector, guard = 0; guard < 683 && track != 0; ++guard) {
        const int off = offsetOf(track, sector);
        if (chain)
            chain->append({track, sector});
        track = byteAt(image, off);
        sector = byteAt(image, off + 1);
        data += image.mid(off + 2, track == 0 ? sector - 1 : 254);
    }
    return data;
}

inline auto long32 = [](const QByteArray &image, int block, int offset) {
    return qFromBigEndian<quint32>(image.constData() + block * 512 + offset);
};

// Sum of the 128 longs of a block: zero when its checksum is right.
inline quint32 blockSum(const QByteArray &image, int block)
{
    quint32 sum = 0;
    for (int i = 0; i < 512; i += 4)
        sum += long32(image, block, i);
    return sum;
}

inline auto adfBitmapSaysFree = [](const QByteArray &adf, int block) {
    return (long32(adf, 881, 4 + 4 * ((block - 2) / 32)) & (1u << ((block - 2) % 32))) != 0;
};

inline int adfFree(const QByteArray &adf)
{
    int free = 0;
    for (int b = 2; b < 1760; ++b)
        free += adfBitmapSaysFree(adf, b) ? 1 : 0;
    return free;
}

// Finds a file as the file system does: hash slot of the root, then the hash chain.
inline int adfFind(const QByteArray &adf, int hash, const QByteArray &name)
{
    int block = int(long32(adf, 880, 24 + 4 * hash));
    for (int guard = 0; block != 0 && guard < 1760; ++guard, block = int(long32(adf, block, 496)))
        if (adf.mid(block * 512 + 433, byteAt(adf, block * 512 + 432)).toUpper() == name.toUpper())
            return block;
    return 0;
}

struct AdfFile { // blocks by data links, tables: header+extensions, listed: by pointer tables
    QByteArray data;
    QList<int> blocks, tables, listed;
};

// Reads a file through both its data links and its pointer tables, checking each block.
inline AdfFile adfRead(const QByteArray &adf, int header)
{
    AdfFile f;
    for (int block = int(long32(adf, header, 16)), seq = 1; block != 0 && seq < 1760; ++seq) {
        EXPECT_EQ(QList<quint32>({long32(adf, block, 0), long32(adf, block, 4),
                                  long32(adf, block, 8), blockSum(adf, block)}),
                  QList<quint32>({8u, quint32(header), quint32(seq), 0u}))
            << "data block type, owner, sequence number, checksum";
        f.data += adf.mid(block * 512 + 24, qMin(488, int(long32(adf, block, 12))));
        f.blocks.append(block);
        block = int(long32(adf, block, 16));
    }
    for (int table = header; table != 0 && f.tables.size() < 100;
         table = int(long32(adf, table, 504))) {
        f.tables.append(table);
        EXPECT_EQ(blockSum(adf, table), 0u) << "header or extension checksum";
        for (int k = 0; k < int(long32(adf, table, 8)); ++k)
            f.listed.append(int(long32(adf, table, 24 + 4 * (71 - k))));
    }
    return f;
}

} // namespace imagereading
