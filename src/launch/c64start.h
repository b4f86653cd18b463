#pragma once

#include "c64commandline.h"
#include "result.h"

#include <QStringList>

// What starts a C64 game: the emulator, its configured executable, the game file as stored
// and the chosen directory entry (its row in the listing, -1 and empty for none).
struct C64StartRequest {
    C64Emulator emulator = C64Emulator::Vice;
    QString executable;
    QString gameFile;
    int entryIndex = -1;
    QString entryText;
    int archiveEntry = -1; // a game file kept in an archive: the image's entry; -1 the first
    QStringList moreDisks; // the set's further disks: VICE gets the whole set in a fliplist
    QString tempDir;       // the temporary folder, where the private folder is made if needed
};

// Checks the executable and the game file, then builds the command line. The C64 players
// and "--play" start the command this returns, and show its failure as it is worded: a
// missing program or game file named, "Bad Configuration for <emulator>" with no emulator
// or no game file, "File type not supported by emulator".
Result<Command> prepareC64Start(const C64StartRequest &request);

// "Bad Configuration for VICE": also what a player says when the emulator does not start.
QString c64BadConfigurationText(C64Emulator emulator);
