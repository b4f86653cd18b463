#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <ostream>

// Readable test failure output for texts.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// Disk and tape images built byte by byte for the reader and window tests.
namespace fixtures
{

constexpr int kD64Size = 174848;
constexpr int kDirTrackOffset = 0x16500; // track 18, sector 0

// raw padded to length with pad bytes.
QByteArray padded(const QByteArray &raw, int length, char pad);

struct D64Entry {
    quint8 type = 0x82;
    QByteArray name; // unpadded; padded with 0xA0
    quint8 track = 17;
    quint8 sector = 0;
    quint16 blocks = 1;
};

// A freshly formatted disk: standard BAM (664 blocks free), empty directory ending in
// sector 1 (link 0/255).
QByteArray emptyD64(const QByteArray &name = "TEST DISK", const QByteArray &id = "01");
// Entry slot (0-7) of the directory sector on track 18.
void putEntry(QByteArray &image, int dirSector, int slot, const D64Entry &entry);
void putLink(QByteArray &image, int dirSector, quint8 track, quint8 sector);
// Fills all eight entries of a directory sector ("<prefix>0" ... "<prefix>7"), so that
// the walk goes on to its link.
void fillSector(QByteArray &image, int dirSector, const QByteArray &prefix);
// count entries "FILE000", "FILE001", ... over sectors 1, 2, 3, ..., the last linking
// to track 0.
QByteArray d64WithEntries(int count);

struct T64Entry {
    quint8 type = 0x82;
    QByteArray name; // unpadded
    quint16 start = 0x0801;
    quint16 end = 0x0901;
    char pad = 0x20;
};

// A tape container holding the entries; maxEntries < 0 gives room for max(8, entries).
QByteArray t64(const QList<T64Entry> &entries, int maxEntries = -1,
               const QByteArray &tapeName = "TEST TAPE");

// Writes bytes to dir/name and returns the path.
QString writeImage(const QString &dir, const QString &name, const QByteArray &bytes);

} // namespace fixtures
