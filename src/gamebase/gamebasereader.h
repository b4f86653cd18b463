#pragma once

#include "gamebaserecord.h"
#include "legacyreader.h"
#include "result.h"

#include <QSqlDatabase>

// Reads a GameBase-format Jet database through the isolated Jet reader, by table and column
// name. Tables and columns that a version lacks (Artists and Developers before 2.6) read as
// empty; a file without Games and Config is refused as no GameBase database.
class GameBaseReader
{
public:
    // The tables and columns asked of the Jet reader.
    static QString tableList();
    // Reads jetFile, with the reader's output in a work folder under workBase.
    static Result<GameBaseSet> read(const QString &jetFile, const QString &workBase,
                                    const legacy::ReaderRun &run = {});
    // Reads the reader's output, already open.
    static Result<GameBaseSet> readTables(const QSqlDatabase &db, const QString &fileName);
};
