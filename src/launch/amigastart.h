#pragma once

#include "amigalinerules.h"
#include "result.h"

#include <QString>
#include <QStringList>

// Everything needed to start an Amiga game: the slot, its configured executable, the
// template chosen and the disks.
struct AmigaStartRequest {
    AmigaEmulator emulator = AmigaEmulator::WinUAE;
    QString executable;
    QString templatePath;
    AmigaDrives drives;
    QStringList moreDisks; // the set's disks beyond the drives, for the swap list
    bool hideGui = false;
    QString tempDir; // the temporary folder, where the private folder is made when needed
};

// Whether the slot's program can start: one is configured, and it is an executable file.
// The failure names the path at fault.
Outcome checkAmigaProgram(AmigaEmulator emulator, const QString &executable);

// checkAmigaProgram, then every disk, the further ones included: present, and with no line break in
// its path, which no configuration can carry.
Outcome checkAmigaStart(const AmigaStartRequest &request);

// Writes the configuration from the template into the user's private folder (RuntimeFolder)
// and gives the command that starts the program on it. Disks kept in archives are taken out
// into the same folder first. checkAmigaStart comes first: the
// player windows and "--play" word its failures differently from this one's.
Result<Command> writeAmigaStart(const AmigaStartRequest &request);
