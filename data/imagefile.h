#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace sampledata
{

// One file to put into a disk or tape image. Names are raw bytes as the image stores
// them (PETSCII for the C64 images, Latin-1 for the Amiga one).
struct ImageFile {
    QByteArray name;
    QByteArray data;
    // Directory type byte of the C64 images: 0x82 is a closed program file.
    quint8 type = 0x82;
};

// The image bytes, or the reason why none could be written.
struct ImageResult {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

} // namespace sampledata
