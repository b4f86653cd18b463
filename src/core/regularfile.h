#pragma once

#include "result.h"

#include <QString>

// The largest file taken as a catalogue, an export file, a legacy Jet file or one of their
// sidecars: many times the largest collection (Jet itself stops at 2 GB).
inline constexpr qint64 kLargestDatabaseFile = qint64(4) << 30;

// Why path may not be opened: it is missing, it is no regular file (a FIFO blocks whoever
// opens it, a device is read without end) or it is larger than largest bytes. Empty when
// it may be opened. A symbolic link counts as the file it names. Checked before anything
// opens a file that a user named or that came from elsewhere.
[[nodiscard]] Outcome checkRegularFile(const QString &path, qint64 largest = kLargestDatabaseFile);

// Why folder cannot be searched: it is no folder, or its entries cannot be listed or
// entered.
[[nodiscard]] Outcome checkReadableFolder(const QString &folder);
