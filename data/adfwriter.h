#pragma once

#include "imagefile.h"

#include <QtGlobal>

namespace sampledata
{

constexpr int kAdfSize = 901120;
constexpr int kAdfBlockSize = 512;
constexpr int kAdfBlocks = 1760;
constexpr int kAdfRootBlock = 880;
constexpr int kAdfBitmapBlock = 881;
constexpr int kAdfHashSize = 72;
constexpr int kAdfDataBytes = 488; // payload of an old file system data block

// A double-density disk in the old file system: boot block "DOS\0", root block with the
// volume name and a hash table, a bitmap block, and for every file a header block, its
// data blocks (and extension blocks past 72 of them), all with valid checksums. Names are
// 1 to 30 bytes without ':' or '/', unique regardless of letter case; the volume name
// likewise. The type byte of ImageFile is not used.
ImageResult writeAdf(const QByteArray &volumeName, const QList<ImageFile> &files);

// The checksum a header, data or list block must carry at byte 20 (the bitmap block's
// sits at byte 0): the value that makes the sum of all 128 longs zero.
quint32 adfBlockChecksum(const QByteArray &image, int block, int checksumOffset = 20);

// The directory hash of a name (table slot in the root block).
int adfHash(const QByteArray &name);

} // namespace sampledata
