#pragma once

#include "result.h"

#include <QString>

#include <functional>

// Legacy Jet catalogues and export files are read by a separate reader program: the Jet
// library has known crash and hang bugs, so it never runs inside the programs. The reader
// runs under limits and writes a fresh SQLite file; anything but a clean finish is a refusal.
namespace legacy
{

// What the reader may use. A run that breaks a limit is stopped and reported as such.
struct ReaderLimits {
    qint64 memoryBytes = 0; // address space
    int cpuSeconds = 0;
    int wallSeconds = 0;
    qint64 outputBytes = 0; // the largest file it may write
};

// The limits for a Jet file of fileSize bytes: generous for any real catalogue.
ReaderLimits limitsFor(qint64 fileSize);

// Rows of the games table read so far, and the rows the file says it holds.
using ReadProgress = std::function<void(qint64 done, qint64 total)>;

struct ReaderRun {
    QString program;     // the reader; readerProgram() when empty
    ReaderLimits limits; // each limit left at zero is taken from limitsFor(the file's size)
    ReadProgress progress;
    // Asked while the reader works (from the thread that called): true stops it, and the
    // read fails as cancelled.
    std::function<bool()> cancelled;
};

// The reason a read ends with when it was cancelled (after "FILE cannot be read: ").
QString cancelledReason();

// The reader installed with the programs: <bin>/../libexec/vantrel/, else beside the running
// executable (a build folder). Empty when there is none.
QString readerProgram();

// Copies the two catalogue tables of jetFile (every known column; ids kept; text as UTF-8;
// empty text as Null) into a new SQLite file at output, which must not exist. A failure
// names jetFile; on failure output does not exist.
// output is no catalogue yet: read it as a file from elsewhere (checkForeignCatalogue).
[[nodiscard]] Outcome readJetFile(const QString &jetFile, const QString &output,
                                  const ReaderRun &run = {});
// The same for the given columns of the given tables ("Table:Column,Column;Table:Column",
// names of letters, digits and underscores), each copied into a table of its name (whole
// number columns as numbers, the rest as text);
// the tables and columns jetFile lacks are left out. progress follows the first table.
[[nodiscard]] Outcome readJetTables(const QString &jetFile, const QString &tables,
                                    const QString &output, const ReaderRun &run = {});

} // namespace legacy
