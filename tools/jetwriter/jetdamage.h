#pragma once

#include "jetwriter.h"

// The ways a Jet file is found damaged in the wild, each aimed at one table.
enum class JetDamage {
    CutInHalf,
    CutBeforeLastPage, // the table's last data page and what follows
    PageMapZeroed,     // the table seems to own no page
    RowCountZeroed,    // of its first data page: its rows are lost
    RowFlagFlipped,    // its first row reads as deleted
    BytesFlipped,      // every 97th byte from the catalogue to its first data page
    MemoChainLooping,  // its first long memo value names its own first row as the next
};

// A copy of the image's bytes damaged in that way.
QByteArray damageJet(const JetImage &image, const QString &table, JetDamage how);
