#pragma once

#include "imagereader.h"

// The directory of a D64 or T64 image kept in an archive, shown as the archive's: the image
// at entry index, else the first D64 or T64 inside. Another image at the index lists empty.
Result<ImageListing> readArchiveListing(const QString &archive, int index = -1);

// What the players and "--play --entry" list: readArchiveListing for an archive, else
// readC64Image.
Result<ImageListing> readC64GameFile(const QString &path, int index = -1);
