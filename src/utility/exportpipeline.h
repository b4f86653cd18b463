#pragma once

#include "progress.h"
#include "result.h"

#include <QString>

#include <memory>

class WorkFolder;

namespace merrow
{

// Where exported files are to be sent.
inline constexpr char kMaintainerAddress[] = "catalogue.updates@example.org";

// The export: compacts and backs up the catalogue, then writes the records the user added
// ("Private" or untagged) to the export file. The live catalogue is only ever changed
// through SQLite, never renamed, replaced or copied as a file; new files are written under
// temporary names and renamed into place when complete. Work files live in a private
// folder of this run under tempDir, removed when the run ends.
class ExportPipeline
{
public:
    enum Step {
        Compact,     // "Compact Vantrel Database"
        Backup,      // "Create Vantrel Database Backup"
        WorkFile,    // "Create Work File"
        Select,      // "Select Data to Export"
        CompactWork, // "Compact Export Database"
        Copy,        // "Copy Export Database on Floppy"
        Cleanup,     // "Delete Work File"
        StepCount
    };

    ExportPipeline(QString cataloguePath, QString tempDir, QString destination);
    ~ExportPipeline();

    void setBusyTimeout(int ms) { m_busyTimeoutMs = ms; }

    // Notes each step's status text as it starts, and counts the steps done. Gives the games
    // in the export file; a failure names the step it stopped at.
    Result<int> run(Progress &progress = Progress::none());

    static QString statusText(int step);
    // The message for a finished export.
    static QString completionMessage();

    QString backupPath() const;

private:
    Outcome checkDestination() const;
    Outcome runStep(int step);
    Outcome compactCatalogue();
    Outcome backupCatalogue();
    Outcome createWorkFile();
    Outcome selectOwnGames();
    Outcome compactWorkFile();
    Outcome copyToDestination();
    QString workFile() const;
    QString compactedWorkFile() const;
    QString catalogueFile(const char *name) const;
    void removeWorkFiles();
    QString workPath(const char *name) const;

    QString m_catalogue;
    QString m_tempDir;
    QString m_destination;
    int m_busyTimeoutMs = 5000;
    int m_exported = 0;
    std::unique_ptr<WorkFolder> m_work;
    QString m_backupPart;
};

} // namespace merrow
