#pragma once

#include "result.h"
#include "tuneinfo.h"

#include <QByteArray>

namespace music
{

// The C64's ROM images for tunes that run on the real KERNAL; an empty image was not given.
struct C64Roms {
    QByteArray kernal;
    QByteArray basic;
    QByteArray character;
};

// Reads the ROM files the sources name, each checked for its size (8 KB, 8 KB, 4 KB).
Result<C64Roms> readC64Roms(const MusicSources &sources);

} // namespace music
