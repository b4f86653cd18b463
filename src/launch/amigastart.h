#pragma once

#include "amigalinerules.h"

#include <QString>

// Everything needed to start an Amiga game: the slot, its configured executable, the
// template chosen and the disks.
struct AmigaStartRequest {
    AmigaEmulator emulator = AmigaEmulator::WinUAE;
    QString executable;
    QString templatePath;
    AmigaDrives drives;
    bool hideGui = false;
    QString tempDir; // the temporary folder, where the private folder is made when needed
};

struct AmigaStartPlan {
    // BadDisk: a disk that is missing, or whose path a configuration cannot carry.
    enum class Status { Ready, NotConfigured, BadProgram, BadDisk, ConfigFailed };
    Status status = Status::Ready;
    Command command;       // when ready: the program on the written configuration
    QString configuration; // the written configuration file
    QString error;         // why not, naming the path at fault

    bool ok() const { return status == Status::Ready; }
};

// Checks the executable and the disks, then writes the configuration from the template into
// the user's private folder (RuntimeFolder). The player windows and "--play" start the
// command this returns.
AmigaStartPlan prepareAmigaStart(const AmigaStartRequest &request);
