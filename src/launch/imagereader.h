#pragma once

#include "result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Directory reader for C64 disk (D64) and tape (T64) images: what the 1541 would list.
// Every byte is read with a bounds check; an image too short for an offset the walk needs
// ends the reading as a corrupted directory with the lines read so far.

enum class C64ImageKind { None, D64, T64 };

struct ImageListing {
    QString path;     // the image path as shown (surrounding quotation marks removed)
    QString name;     // disk or tape name, trimmed
    QString id;       // disk ID and DOS type; empty for a tape
    QString freeText; // "664 BLOCKS FREE."; empty for a tape
    QStringList lines;
    bool corrupted = false;
};

// The reach of each reader: no offset at or beyond this is ever needed, so a larger file
// is read only this far.
constexpr qsizetype kD64Reach = 0x16500 + 256 * 256;
constexpr qsizetype kT64Reach = 0x40 + 8 * 32;

ImageListing readD64(QByteArrayView image);
ImageListing readT64(QByteArrayView image);

// Read the file into memory (no copy on disk) and list it. A path wrapped in quotation
// marks is unwrapped first. A file that cannot be read is a failure naming it.
Result<ImageListing> readD64File(const QString &path);
Result<ImageListing> readT64File(const QString &path);

// The extension is everything from the last "." of the whole path, dot included; only
// ".D64"/".d64" and ".T64"/".t64" name an image (exact case). c64ImageKind looks through
// surrounding quotation marks, as the readers do.
QString c64Extension(const QString &path);
C64ImageKind c64ImageKind(const QString &path);
// readD64File or readT64File by extension; None gives an empty listing.
Result<ImageListing> readC64Image(const QString &path);

// Helpers of the readers, public for their tests.
// Lock, splat and type name; "SCR" for a type byte of 0.
QString typeText(quint8 typeByte);
// Windows-1252: 0xA0 becomes the no-break space.
QString decode1252(QByteArrayView bytes);
// Cuts a trailing run of 0xA0 (and of 0x20 too when blanksPad) that reaches the end.
QString trimName(QByteArrayView raw, bool blanksPad);
QString unquotePath(const QString &path);

constexpr char kCorruptedText[] = "Directory appears to be corrupted.";
constexpr char kCorruptedAdvice[] = "It is recommended to NOT use this program with this file.";
