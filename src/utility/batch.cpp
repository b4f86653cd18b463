#include "batch.h"

#include "cataloguestore.h"
#include "database.h"
#include "escaping.h"
#include "exportpipeline.h"
#include "fileops.h"
#include "gamediff.h"
#include "importfile.h"
#include "legacyconversion.h"
#include "paths.h"
#include "transfer.h"

#include <QFileInfo>
#include <QTextStream>

namespace merrow
{
namespace
{

int runExport(const QString &folder, const Paths &paths, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(folder).isDir()) {
        err << "merrow: the folder " << escapeControls(folder) << " does not exist" << Qt::endl;
        return 2;
    }
    const QString destination = exportFilePath(QFileInfo(folder).absoluteFilePath());
    ExportPipeline pipeline(paths.catalogue, paths.tempDir, destination);
    pipeline.onStatus = [&out](int, const QString &status) { out << status << Qt::endl; };
    const ExportPipeline::Result result = pipeline.run();
    if (!result.ok) {
        err << "merrow: " << escapeControls(result.error) << Qt::endl;
        return 1;
    }
    out << "Exported " << result.exported << " games to " << escapeControls(destination)
        << Qt::endl;
    out << ExportPipeline::completionMessage() << Qt::endl;
    return 0;
}

// Lists each export game with what differs from the catalogue; writes nothing.
int printDifferences(const QSqlDatabase &local, const ImportFile &file, QTextStream &out,
                     QTextStream &err)
{
    QString why;
    const QList<ListEntry> entries = file.entries(&why);
    if (!why.isEmpty()) {
        err << "merrow: cannot read the export file: " << escapeControls(why) << Qt::endl;
        return 1;
    }
    for (const ListEntry &e : entries) {
        out << escapeControls(e.line) << '\n';
        const GameDiff d = compareGame(local, file.db(), e.id);
        if (!d.error.isEmpty()) {
            err << "merrow: cannot compare " << escapeControls(e.line) << ": "
                << escapeControls(d.error) << Qt::endl;
            return 1;
        }
        if (d.isNew)
            out << "  NEW GAME\n";
        for (const DiffLine &l : d.lines)
            out << "  " << escapeControls(l.text) << '\n';
    }
    out.flush();
    return 0;
}

int runImport(const BatchRequest &request, const Paths &paths, QTextStream &out, QTextStream &err)
{
    const bool diff = request.import == BatchRequest::Import::Diff;
    // The differences only read the catalogue: a read-only one will do.
    QString why = (diff ? catalogue::checkReadableCatalogue(paths.catalogue)
                        : catalogue::checkCatalogue(paths.catalogue))
                      .error();
    if (!why.isEmpty()) {
        err << "merrow: cannot open the catalogue: " << escapeControls(why) << Qt::endl;
        return 1;
    }
    auto file = ImportFile::open(request.target, paths.tempDir, &why);
    if (!file) {
        err << "merrow: Unable to read from Floppy! " << escapeControls(why) << Qt::endl;
        return 1;
    }
    const auto local =
        catalogue::Connection::open(paths.catalogue, diff ? catalogue::Connection::Mode::ReadOnly
                                                          : catalogue::Connection::Mode::ReadWrite);
    if (!local) {
        err << "merrow: cannot open the catalogue: " << escapeControls(local.error()) << Qt::endl;
        return 1;
    }
    if (diff)
        return printDifferences((*local)->db(), *file, out, err);
    Transfer transfer((*local)->db(), file->db());
    // Printed as each batch is committed: a line on screen is a game in the catalogue.
    transfer.onLog = [&out](const QString &line, const TransferResult &) {
        out << escapeControls(line) << Qt::endl;
    };
    const TransferResult result = transfer.run(
        request.import == BatchRequest::Import::All ? TransferMode::All : TransferMode::New);
    out << "Games Added: " << result.added << '\n'
        << "Games Modified: " << result.modified << Qt::endl;
    if (!result.ok) {
        err << "merrow: the transfer stopped: " << escapeControls(result.error) << Qt::endl;
        return 1;
    }
    return 0;
}

// The number of games of the catalogue at path, or nothing with *error set.
std::optional<int> gameCount(const QString &path, QString *error)
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    const auto count = c ? CatalogueStore((*c)->db()).gameCount() : Result<qint64>(c.failure());
    if (!count) {
        *error = count.error();
        return std::nullopt;
    }
    return int(*count);
}

} // namespace

int convertLegacy(const QString &jetFile, const QString &target, const QString &tempDir,
                  QTextStream &out, QTextStream &err)
{
    legacy::ReaderRun run;
    int printed = 0; // the tenths shown so far
    run.progress = [&](qint64 done, qint64 total) {
        const int tenths = total > 0 ? int(qMin<qint64>(done * 10 / total, 10)) : 0;
        if (tenths <= printed)
            return;
        printed = tenths;
        out << "Reading " << escapeControls(jetFile) << ": " << tenths * 10 << "%" << Qt::endl;
    };
    QString why = legacy::convertCatalogue(jetFile, target, tempDir, run);
    const std::optional<int> count = why.isEmpty() ? gameCount(target, &why) : std::nullopt;
    if (!count) {
        err << "merrow: " << escapeControls(why) << Qt::endl;
        return 1;
    }
    out << "Converted " << *count << " games into " << escapeControls(target) << Qt::endl;
    return 0;
}

int runBatch(const BatchRequest &request, const Paths &paths, QTextStream &out, QTextStream &err)
{
    return request.kind == BatchRequest::Kind::Export ? runExport(request.target, paths, out, err)
                                                      : runImport(request, paths, out, err);
}

} // namespace merrow
