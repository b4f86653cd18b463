#pragma once

#include "gamebaseimport.h"
#include "legacyreader.h"

class QTextStream;

// merrow --import-gamebase: what the command line asks for.
struct GameBaseCommand {
    QString file;
    GameBaseFolders folders;
    bool dryRun = false;
};

// The machines a set may be imported for, as the catalogue names them.
QStringList gameBaseMachines();

// Reads command.file and imports it (with a dry run: what it would do) into the catalogue at
// catalogue, on a connection of its own, so it may run on a worker. A cancel stops the
// reader or the write, and nothing is written.
Result<GameBaseReport> runGameBaseImport(const GameBaseCommand &command, const QString &catalogue,
                                         const QString &tempDir, Progress &progress,
                                         legacy::ReaderRun run = {});

// Imports the set into the catalogue at catalogue, printing the summary to out and failures
// to err. Returns 0 when it worked, 1 for a file that is no readable GameBase database
// (nothing changed), 2 for bad arguments or a catalogue that cannot be used.
int importGameBase(const GameBaseCommand &command, const QString &catalogue, const QString &tempDir,
                   QTextStream &out, QTextStream &err, const legacy::ReaderRun &run = {});
