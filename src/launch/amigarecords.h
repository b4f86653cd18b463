#pragma once

#include "amigalinerules.h"

struct Configuration;
struct Game;

// The program configured for an Amiga slot; empty when none is.
QString amigaExecutable(const Configuration &configuration, AmigaEmulator emulator);

// A game's disks in the drives DF0 to DF3.
AmigaDrives amigaDrives(const Game &game);

// What one program gets of a set: its drives, its swap list (the whole set once each, in
// order, for a set of more than one disk; never for WinFellow, which has none) and how many
// disks it cannot reach.
struct AmigaDiskPlan {
    AmigaDrives drives;
    QStringList swapList;
    qsizetype unreachable = 0;
};

// drives as stored, moreDisks the set's further disks. WinFellow gets the set's first four
// disks in its drives.
AmigaDiskPlan planAmigaDisks(AmigaFormat format, const AmigaDrives &drives,
                             const QStringList &moreDisks);

// The sentence a start says when the program cannot reach every disk of the set.
QString unreachableDisksText(AmigaFormat format);
