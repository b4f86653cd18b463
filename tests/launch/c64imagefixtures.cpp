#include "c64imagefixtures.h"

#include <QDir>
#include <QFile>

namespace fixtures
{

QByteArray padded(const QByteArray &raw, int length, char pad)
{
    QByteArray out = raw.left(length);
    out.append(length - out.size(), pad);
    return out;
}

static int sectorsOf(int track)
{
    return track <= 17 ? 21 : track <= 24 ? 19 : track <= 30 ? 18 : 17;
}

QByteArray emptyD64(const QByteArray &name, const QByteArray &id)
{
    QByteArray image(kD64Size, '\0');
    char *bam = image.data() + kDirTrackOffset;
    bam[0] = 18;
    bam[1] = 1;
    bam[2] = 0x41;
    for (int t = 1; t <= 35; ++t) {
        // Track 18 has the BAM and the first directory sector in use.
        const int free = t == 18 ? sectorsOf(t) - 2 : sectorsOf(t);
        bam[4 * t] = char(free);
        bam[4 * t + 1] = bam[4 * t + 2] = char(0xFF);
        bam[4 * t + 3] = char((1 << (sectorsOf(t) - 16)) - 1);
    }
    image.replace(0x16590, 16, padded(name, 16, char(0xA0)));
    image[0x165A0] = char(0xA0);
    image[0x165A1] = char(0xA0);
    image.replace(0x165A2, 5,
                  QByteArray(padded(id, 2, ' ') + QByteArray("\xA0"
                                                             "2A")));
    image[0x165A7] = image[0x165A8] = image[0x165A9] = image[0x165AA] = char(0xA0);
    putLink(image, 1, 0, 0xFF);
    return image;
}

void putEntry(QByteArray &image, int dirSector, int slot, const D64Entry &entry)
{
    const int at = kDirTrackOffset + dirSector * 256 + slot * 32;
    image[at + 2] = char(entry.type);
    image[at + 3] = char(entry.track);
    image[at + 4] = char(entry.sector);
    image.replace(at + 5, 16, padded(entry.name, 16, char(0xA0)));
    image[at + 30] = char(entry.blocks & 0xFF);
    image[at + 31] = char(entry.blocks >> 8);
}

void putLink(QByteArray &image, int dirSector, quint8 track, quint8 sector)
{
    const int at = kDirTrackOffset + dirSector * 256;
    image[at] = char(track);
    image[at + 1] = char(sector);
}

void fillSector(QByteArray &image, int dirSector, const QByteArray &prefix)
{
    for (int slot = 0; slot < 8; ++slot)
        putEntry(image, dirSector, slot, {0x82, prefix + QByteArray::number(slot), 17, 0, 1});
}

QByteArray d64WithEntries(int count)
{
    QByteArray image = emptyD64();
    const int sectors = qMax(1, (count + 7) / 8);
    for (int i = 0; i < count; ++i) {
        D64Entry e;
        e.name = QStringLiteral("FILE%1").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
        e.blocks = quint16(i + 1);
        putEntry(image, 1 + i / 8, i % 8, e);
    }
    for (int s = 1; s < sectors; ++s)
        putLink(image, s, 18, quint8(s + 1));
    putLink(image, sectors, 0, 0xFF);
    return image;
}

QByteArray t64(const QList<T64Entry> &entries, int maxEntries, const QByteArray &tapeName)
{
    const int slots = maxEntries < 0 ? qMax(8, int(entries.size())) : maxEntries;
    QByteArray image = padded("C64S tape image file", 32, '\0');
    image += QByteArray("\x01\x01", 2);
    image += char(slots & 0xFF);
    image += char(slots >> 8);
    image += char(entries.size() & 0xFF);
    image += char(entries.size() >> 8);
    image += QByteArray(2, '\0');
    image += padded(tapeName, 24, ' ');
    QByteArray data;
    const int dataStart = 0x40 + 32 * slots;
    for (int i = 0; i < slots; ++i) {
        QByteArray slot(32, '\0');
        if (i < entries.size()) {
            const T64Entry &e = entries[i];
            slot[0] = 1;
            slot[1] = char(e.type);
            slot[2] = char(e.start & 0xFF);
            slot[3] = char(e.start >> 8);
            slot[4] = char(e.end & 0xFF);
            slot[5] = char(e.end >> 8);
            const int offset = dataStart + data.size();
            for (int b = 0; b < 4; ++b)
                slot[8 + b] = char((offset >> (8 * b)) & 0xFF);
            slot.replace(16, 16, padded(e.name, 16, e.pad));
            data += QByteArray(qMax(0, (e.end - e.start) & 0xFFFF), char(0xEA));
        }
        image += slot;
    }
    return image + data;
}

QString writeImage(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return QDir::toNativeSeparators(path);
}

} // namespace fixtures
