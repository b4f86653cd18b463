#pragma once

#include "amigalinerules.h"

#include <QString>

// Everything needed to start an Amiga game: the slot, its configured executable, the
// template chosen, the disks and where the configuration goes.
struct AmigaStartRequest {
    AmigaEmulator emulator = AmigaEmulator::WinUAE;
    QString executable;
    QString templatePath;
    AmigaDrives drives;
    bool hideGui = false;
    QString tempDir;
};

struct AmigaStartPlan {
    enum class Status { Ready, NotConfigured, BadProgram, MissingDisk, ConfigFailed };
    Status status = Status::Ready;
    Command command;       // when ready: the program on the written configuration
    QString configuration; // the written configuration file
    QString error;         // why not, naming the path at fault

    bool ok() const { return status == Status::Ready; }
};

// Checks the executable and the disks, then writes the configuration from the template.
// The player windows and "--play" start the command this returns.
AmigaStartPlan prepareAmigaStart(const AmigaStartRequest &request);
