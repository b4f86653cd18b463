#pragma once

#include "imagefile.h"

namespace sampledata
{

constexpr int kT64HeaderSize = 0x40;
constexpr int kT64EntrySize = 32;

// A tape image: the 64-byte header, `slots` directory entries (at least as many as there
// are files; 0 picks max(8, files)) and then the files' data. Every file is a program:
// its first two bytes are the load address, which goes into the entry as the start
// address; the rest is stored as the data. Tape and file names are padded with blanks
// (24 and 16 bytes).
ImageResult writeT64(const QByteArray &tapeName, const QList<ImageFile> &files, int slots = 0);

} // namespace sampledata
