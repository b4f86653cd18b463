#pragma once

#include "c64commandline.h"

// What starts a C64 game: the emulator, its configured executable, the game file as stored
// and the chosen directory entry (its row in the listing, -1 and empty for none).
struct C64StartRequest {
    C64Emulator emulator = C64Emulator::Vice;
    QString executable;
    QString gameFile;
    int entryIndex = -1;
    QString entryText;
};

struct C64StartPlan {
    enum class Status { Ready, NotConfigured, BadProgram, MissingFile, Unsupported };
    Status status = Status::Ready;
    Command command;
    QString error; // for BadProgram and MissingFile: what is wrong, naming the path

    bool ok() const { return status == Status::Ready; }
};

// Checks the executable and the game file, then builds the command line. The C64 players
// and "--play" start the command this returns.
C64StartPlan prepareC64Start(const C64StartRequest &request);
