// merrow: export the collector's own records and merge export files from others.
#include "appcontext.h"
#include "batch.h"
#include "escaping.h"
#include "launcher.h"
#include "merrowregistry.h"
#include "paths.h"
#include "widgetdialogs.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstring>
#include <memory>
#include <variant>

namespace
{

// Batch runs, their option errors and --help must work without a display.
bool needsWindows(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option :
             {"--export", "--import", "--new", "--all", "--diff", "--convert-legacy", "--help",
              "--help-all", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0 ||
                (std::strncmp(argv[i], option, std::strlen(option)) == 0 &&
                 argv[i][std::strlen(option)] == '='))
                return false;
    return true;
}

struct Options {
    QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                 QStringLiteral("Use the catalogue at <path>."),
                                 QStringLiteral("path")};
    QCommandLineOption exportTo{QStringLiteral("export"),
                                QStringLiteral("Write export.mdb into <folder> and exit."),
                                QStringLiteral("folder")};
    QCommandLineOption import{
        QStringLiteral("import"),
        QStringLiteral("Import the export file <file> (with --new, --all or --diff) and exit."),
        QStringLiteral("file")};
    QCommandLineOption addNew{QStringLiteral("new"),
                              QStringLiteral("Import: add the games not yet present.")};
    QCommandLineOption all{QStringLiteral("all"),
                           QStringLiteral("Import: add new games, overwrite present ones.")};
    QCommandLineOption diff{QStringLiteral("diff"),
                            QStringLiteral("Import: show the differences, change nothing.")};
    // The new file is the first argument after it: an option takes one value only.
    QCommandLineOption convertLegacy{
        QStringLiteral("convert-legacy"),
        QStringLiteral("Convert the catalogue <jetfile> of the older Windows program into a new "
                       "catalogue <newfile> (the next argument) and exit; <jetfile> is only read "
                       "and an existing <newfile> is never replaced."),
        QStringLiteral("jetfile")};
};

// --convert-legacy JETFILE NEWFILE: needs no catalogue, so it runs before the data folder
// is looked at.
int runConversion(const QCommandLineParser &parser, const Options &o, QTextStream &out,
                  QTextStream &err)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        err << "merrow: --convert-legacy takes the old catalogue and the new file: "
               "merrow --convert-legacy JETFILE NEWFILE"
            << Qt::endl;
        return 2;
    }
    if (parser.optionNames().size() != 1) {
        err << "merrow: --convert-legacy goes with no other option" << Qt::endl;
        return 2;
    }
    return merrow::convertLegacy(parser.value(o.convertLegacy), files.first(), temporaryFolder(),
                                 out, err);
}

// The batch run the options ask for, or the message of a bad combination.
std::variant<merrow::BatchRequest, QString> batchRequest(const QCommandLineParser &parser,
                                                         const Options &o)
{
    merrow::BatchRequest request;
    const bool anyMode = parser.isSet(o.addNew) || parser.isSet(o.all) || parser.isSet(o.diff);
    if (parser.isSet(o.exportTo) && parser.isSet(o.import))
        return QStringLiteral("merrow: give either --export or --import, not both");
    if (parser.isSet(o.import)) {
        request.kind = merrow::BatchRequest::Kind::Import;
        request.target = parser.value(o.import);
        const int modes =
            int(parser.isSet(o.addNew)) + int(parser.isSet(o.all)) + int(parser.isSet(o.diff));
        if (modes != 1)
            return QStringLiteral("merrow: --import needs exactly one of --new, --all, --diff");
        request.import = parser.isSet(o.addNew) ? merrow::BatchRequest::Import::New
                         : parser.isSet(o.all)  ? merrow::BatchRequest::Import::All
                                                : merrow::BatchRequest::Import::Diff;
    } else if (parser.isSet(o.exportTo)) {
        request.target = parser.value(o.exportTo);
    } else if (anyMode) {
        return QStringLiteral("merrow: --new, --all and --diff go with --import");
    }
    return request;
}

int runWindows(const Paths &paths, QCoreApplication &app)
{
    WidgetDialogs dialogs;
    ProcessLauncher launcher;
    WindowRegistry windows;
    AppContext ctx(paths, dialogs, launcher, windows);
    registerMerrowWindows(ctx);
    windows.show(WindowKey::UtilityMenu);
    const int code = app.exec();
    windows.closeAll();
    return code;
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
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options o;
    parser.addOptions(
        {o.catalogue, o.exportTo, o.import, o.addNew, o.all, o.diff, o.convertLegacy});
    parser.addPositionalArgument(QStringLiteral("newfile"),
                                 QStringLiteral("With --convert-legacy: the new catalogue."),
                                 QStringLiteral("[newfile]"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Parsed here rather than by process(): every message of this program starts "merrow:".
    if (!parser.parse(QCoreApplication::arguments())) {
        err << "merrow: " << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(help) || parser.optionNames().contains(QStringLiteral("help-all")))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(o.convertLegacy))
        return runConversion(parser, o, out, err);
    const auto request = batchRequest(parser, o);
    if (const QString *message = std::get_if<QString>(&request)) {
        err << *message << Qt::endl;
        return 2;
    }
    QString seedError;
    const Paths paths = resolvePaths(defaultLocationRequest(parser.value(o.catalogue)), &seedError);
    if (!seedError.isEmpty())
        err << "merrow: " << escapeControls(seedError) << Qt::endl;
    if (parser.isSet(o.exportTo) || parser.isSet(o.import))
        return merrow::runBatch(std::get<merrow::BatchRequest>(request), paths, out, err);
    return runWindows(paths, *app);
}
