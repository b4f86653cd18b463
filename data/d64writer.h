#pragma once

#include "imagefile.h"

namespace sampledata
{

constexpr int kD64Size = 174848;
constexpr int kD64Tracks = 35;
constexpr int kD64DirectoryTrack = 18;
constexpr int kD64BamOffset = 0x16500;
constexpr int kD64MaxFiles = 144;

// Sectors on a track of a 35-track disk (1-based track number).
int d64SectorsOnTrack(int track);
// Byte offset of a block in the image, or -1 for a block that does not exist.
int d64Offset(int track, int sector);

// A freshly formatted 35-track disk holding the files: BAM, directory chain on track 18
// and the files' data in linked sectors, laid out as the 1541 drive does (directory
// interleave 3, data interleave 10, tracks nearest the directory first). Names and the
// disk name are at most 16 bytes, the ID exactly 2.
ImageResult writeD64(const QByteArray &diskName, const QByteArray &id,
                     const QList<ImageFile> &files);

} // namespace sampledata
