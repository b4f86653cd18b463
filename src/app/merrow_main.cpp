// merrow: export the collector's own records and merge export files from others.
#include "appcontext.h"
#include "batch.h"
#include "dialogs.h"
#include "launcher.h"
#include "merrowregistry.h"
#include "paths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{

// Batch runs and --help must work without a display.
bool needsWindows(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option :
             {"--export", "--import", "--help", "--help-all", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0 ||
                (std::strncmp(argv[i], option, std::strlen(option)) == 0 &&
                 argv[i][std::strlen(option)] == '='))
                return false;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool windows = needsWindows(argc, argv);
    std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    if (windows)
        QApplication::setApplicationDisplayName(QStringLiteral("Merrow"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Exports and merges catalogue records."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption catalogueOption(QStringLiteral("catalogue"),
                                             QStringLiteral("Use the catalogue at <path>."),
                                             QStringLiteral("path"));
    const QCommandLineOption exportOption(
        QStringLiteral("export"), QStringLiteral("Write export.mdb into <folder> and exit."),
        QStringLiteral("folder"));
    const QCommandLineOption importOption(
        QStringLiteral("import"),
        QStringLiteral("Import the export file <file> (with --new, --all or --diff) and exit."),
        QStringLiteral("file"));
    const QCommandLineOption newOption(QStringLiteral("new"),
                                       QStringLiteral("Import: add the games not yet present."));
    const QCommandLineOption allOption(
        QStringLiteral("all"), QStringLiteral("Import: add new games, overwrite present ones."));
    const QCommandLineOption diffOption(
        QStringLiteral("diff"), QStringLiteral("Import: show the differences, change nothing."));
    parser.addOptions(
        {catalogueOption, exportOption, importOption, newOption, allOption, diffOption});
    parser.process(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    merrow::BatchRequest request;
    const bool batch = parser.isSet(exportOption) || parser.isSet(importOption);
    if (parser.isSet(exportOption) && parser.isSet(importOption)) {
        err << "merrow: give either --export or --import, not both" << Qt::endl;
        return 2;
    }
    if (parser.isSet(importOption)) {
        request.kind = merrow::BatchRequest::Kind::Import;
        request.target = parser.value(importOption);
        const int modes = int(parser.isSet(newOption)) + int(parser.isSet(allOption)) +
                          int(parser.isSet(diffOption));
        if (modes != 1) {
            err << "merrow: --import needs exactly one of --new, --all, --diff" << Qt::endl;
            return 2;
        }
        request.import = parser.isSet(newOption)   ? merrow::BatchRequest::Import::New
                         : parser.isSet(allOption) ? merrow::BatchRequest::Import::All
                                                   : merrow::BatchRequest::Import::Diff;
    } else if (parser.isSet(exportOption)) {
        request.target = parser.value(exportOption);
    } else if (parser.isSet(newOption) || parser.isSet(allOption) || parser.isSet(diffOption)) {
        err << "merrow: --new, --all and --diff go with --import" << Qt::endl;
        return 2;
    }

    QString seedError;
    const Paths paths =
        resolvePaths(defaultLocationRequest(parser.value(catalogueOption)), &seedError);
    if (!seedError.isEmpty())
        err << seedError << Qt::endl;
    if (batch)
        return merrow::runBatch(request, paths, out, err);

    WidgetDialogs dialogs;
    ProcessLauncher launcher;
    AppContext ctx(paths, dialogs, launcher);
    registerMerrowWindows(ctx);
    ctx.windows.show(QStringLiteral("Form3"));
    const int code = app->exec();
    ctx.windows.closeAll();
    return code;
}
