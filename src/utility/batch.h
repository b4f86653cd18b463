#pragma once

#include <QString>

class QTextStream;
struct Paths;

namespace merrow
{

// The utility's work without windows: every question is answered Yes.
struct BatchRequest {
    enum class Kind { Export, Import } kind = Kind::Export;
    enum class Import { New, All, Diff } import = Import::New;
    QString target; // the folder to export to, or the export file to import
};

// Runs the request against the catalogue in paths, printing progress to out and failures
// to err. Returns the exit code: 0 on success.
int runBatch(const BatchRequest &request, const Paths &paths, QTextStream &out, QTextStream &err);

// Converts the legacy Jet catalogue jetFile into a new catalogue at target (never over an
// existing file), printing a line at each tenth of the games read and the count at the end.
// jetFile is only read. Returns the exit code: 0 on success.
int convertLegacy(const QString &jetFile, const QString &target, const QString &tempDir,
                  QTextStream &out, QTextStream &err);

} // namespace merrow
