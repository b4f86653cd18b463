#include "batch.h"

#include "cataloguestore.h"
#include "database.h"
#include "escaping.h"
#include "exportpipeline.h"
#include "fileops.h"
#include "gamediff.h"
#include "importfile.h"
#include "legacyconversion.h"
#include "missingfiles.h"
#include "paths.h"
#include "progress.h"
#include "transfer.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace merrow
{
namespace
{

// Prints each note on its own line as it comes: a line on screen is work done.
class TerminalProgress final : public Progress
{
public:
    explicit TerminalProgress(QTextStream &out) : m_out(out) {}
    void setTotal(qint64) override {}
    void setDone(qint64) override {}
    void note(const QString &line) override { m_out << escapeControls(line) << Qt::endl; }
    bool isCancelled() const override { return false; }

private:
    QTextStream &m_out;
};

int runExport(const QString &folder, const Paths &paths, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(folder).isDir()) {
        err << "merrow: the folder " << escapeControls(folder) << " does not exist" << Qt::endl;
        return 2;
    }
    const QString destination = exportFilePath(QFileInfo(folder).absoluteFilePath());
    ExportPipeline pipeline(paths.catalogue, paths.tempDir, destination);
    TerminalProgress progress(out);
    const Result<int> exported = pipeline.run(progress);
    if (!exported) {
        err << "merrow: " << escapeControls(exported.error()) << Qt::endl;
        return 1;
    }
    out << "Exported " << *exported << " games to " << escapeControls(destination) << Qt::endl;
    out << ExportPipeline::completionMessage() << Qt::endl;
    return 0;
}

// Lists each export game with what differs from the catalogue; writes nothing.
int printDifferences(const QSqlDatabase &local, const ImportFile &file, QTextStream &out,
                     QTextStream &err)
{
    const Result<QList<ListEntry>> entries = file.entries();
    if (!entries) {
        err << "merrow: cannot read the export file: " << escapeControls(entries.error())
            << Qt::endl;
        return 1;
    }
    for (const ListEntry &e : *entries) {
        out << escapeControls(e.line) << '\n';
        const Result<GameDiff> d = compareGame(local, file.db(), e.id);
        if (!d) {
            err << "merrow: cannot compare " << escapeControls(e.line) << ": "
                << escapeControls(d.error()) << Qt::endl;
            return 1;
        }
        if (d->isNew)
            out << "  NEW GAME\n";
        for (const QString &line : d->lines)
            out << "  " << escapeControls(line) << '\n';
    }
    out.flush();
    return 0;
}

int transferGames(const QSqlDatabase &local, const ImportFile &file, TransferMode mode,
                  QTextStream &out, QTextStream &err)
{
    Transfer transfer(local, file.db());
    // Printed as each batch is committed: a line on screen is a game in the catalogue.
    TerminalProgress progress(out);
    const Outcome done = transfer.run(progress, mode);
    out << "Games Added: " << transfer.counts().added << '\n'
        << "Games Modified: " << transfer.counts().modified << Qt::endl;
    if (!done) {
        err << "merrow: the transfer stopped: " << escapeControls(done.error()) << Qt::endl;
        return 1;
    }
    return 0;
}

int runImport(const BatchRequest &request, const Paths &paths, QTextStream &out, QTextStream &err)
{
    const bool diff = request.import == BatchRequest::Import::Diff;
    // The differences only read the catalogue: a read-only one will do.
    const Outcome usable = diff ? catalogue::checkReadableCatalogue(paths.catalogue)
                                : catalogue::checkCatalogue(paths.catalogue);
    if (!usable) {
        err << "merrow: cannot open the catalogue: " << escapeControls(usable.error()) << Qt::endl;
        return 1;
    }
    const ImportFile::Opened file = ImportFile::open(request.target, paths.tempDir);
    if (!file) {
        err << "merrow: Unable to read from Floppy! " << escapeControls(file.error()) << Qt::endl;
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
        return printDifferences((*local)->db(), **file, out, err);
    return transferGames((*local)->db(), **file,
                         request.import == BatchRequest::Import::All ? TransferMode::All
                                                                     : TransferMode::New,
                         out, err);
}

// The number of games of the catalogue at path.
Result<qint64> gameCount(const QString &path)
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return c.failure();
    return CatalogueStore((*c)->db()).gameCount();
}

// A path as a POSIX shell takes it: quoted unless every character is plain.
QString shellWord(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return u'\'' + QString(path).replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

// A converted catalogue still names the files where the Windows computer had them.
void printRelinkHint(const QString &target, QTextStream &out)
{
    const Result<QList<MissingFile>> missing = MissingFiles::find(target);
    if (!missing || missing->isEmpty())
        return;
    out << missing->size()
        << " stored paths do not exist on this computer. Relink them with:" << Qt::endl
        << "  vantrel --catalogue " << escapeControls(shellWord(target))
        << " --relink --search FOLDER" << Qt::endl;
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
    const Outcome converted = legacy::convertCatalogue(jetFile, target, tempDir, run);
    const Result<qint64> count = converted ? gameCount(target) : converted.failure();
    if (!count) {
        err << "merrow: " << escapeControls(count.error()) << Qt::endl;
        return 1;
    }
    out << "Converted " << *count << " games into " << escapeControls(target) << Qt::endl;
    printRelinkHint(target, out);
    return 0;
}

int runBatch(const BatchRequest &request, const Paths &paths, QTextStream &out, QTextStream &err)
{
    return request.kind == BatchRequest::Kind::Export ? runExport(request.target, paths, out, err)
                                                      : runImport(request, paths, out, err);
}

} // namespace merrow
