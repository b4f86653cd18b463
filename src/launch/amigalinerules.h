#pragma once

#include "amigaformat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Drive values DF0..DF3: full paths of disk files. An empty value leaves the key bare.
using AmigaDrives = std::array<QString, 4>;

// What becomes of each template line, and what the template lacks, so that every disk of a
// game reaches the emulator. A drive line is one whose key (before "=", blanks trimmed) is
// exactly a drive key of the format: "floppy0".."floppy3", FS-UAE "floppy_drive_0".."3". It
// is replaced by the key and the drive's value. Drive keys the template lacks are added at
// the end for each drive holding a disk; a drive count below the highest drive used is
// raised; a drive holding a disk that the template switches off ("floppyNtype=-1") is
// switched on. With the GUI hidden, lines starting "use_gui" (WinUAE) or "usegui"
// (WinFellow) become "use_gui=false" / "usegui=no". With a swap list, the swap keys
// ("diskimage0".., FS-UAE "floppy_image_0"..) of the template are replaced by the list's
// disks (bare beyond its end) and the ones it lacks are added. Every other line is kept.
class AmigaLineRules
{
public:
    // The start of a line that decides it: a longer line is decided by this much.
    static constexpr qsizetype kHeadLength = 256;

    // The emulators keep at most this many disks in their swap lists.
    static constexpr int kMaxSwapDisks = 20;

    AmigaLineRules(AmigaFormat format, const AmigaDrives &drives, bool hideGui,
                   const QStringList &swapList = {});

    // The replacement of a line from its head; complete tells whether the head is the whole
    // line. Nothing when the line stays as it is.
    std::optional<QByteArray> replacement(QByteArrayView head, bool complete);
    // The lines the template lacked, each ending with lineEnd.
    QByteArray missingLines(QByteArrayView lineEnd) const;

private:
    std::optional<QByteArray> driveCountLine(QByteArrayView key, QByteArrayView value) const;
    std::optional<QByteArray> driveTypeLine(QByteArrayView key, QByteArrayView value);
    QByteArray driveKey(int drive) const;
    QByteArray countKey() const;
    QByteArray swapKey(int slot) const;
    std::optional<QByteArray> swapLine(QByteArrayView key);

    AmigaFormat m_format;
    bool m_hideGui;
    std::array<QByteArray, 4> m_values;
    int m_drivesUsed = 0; // the highest drive holding a disk, plus one
    std::array<bool, 4> m_driveSeen{};
    std::array<bool, 4> m_typeSeen{};
    bool m_countSeen = false;
    QList<QByteArray> m_swap;
    std::array<bool, kMaxSwapDisks> m_swapSeen{};
};
