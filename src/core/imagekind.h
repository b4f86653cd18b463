#pragma once

#include "result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The disk, tape, program and cartridge images the programs know, and the archives that
// may hold them.
enum class ImageKind { D64, G64, T64, Prg, P00, Tap, Crt, Adf, Dms, Ipf, Zip, Gzip };

// What a file's name, size and first bytes say it is. Only the first kHeadSize bytes are
// needed, so a scan never reads a whole collection.
struct ImageHead {
    Q_DECLARE_TR_FUNCTIONS(ImageHead)

public:
    static constexpr qsizetype kHeadSize = 64;

    QString name; // the file or entry name; only its extension is read
    qint64 size = 0;
    QByteArray head;

    // The image kind; an unknown extension, or content that is not of its extension's kind,
    // fails with the reason.
    Result<ImageKind> identify() const;
};

bool isC64Image(ImageKind kind);
bool isAmigaImage(ImageKind kind);
