// merrow: export the collector's own records and merge export files from others.
#include "appcontext.h"
#include "batch.h"
#include "commandlinecheck.h"
#include "escaping.h"
#include "gamebasecommand.h"
#include "gamebaseregistry.h"
#include "launcher.h"
#include "layoutmemory.h"
#include "merrowcommandline.h"
#include "merrowregistry.h"
#include "paths.h"
#include "translators.h"
#include "widgetdialogs.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <memory>
#include <variant>

namespace
{

using Options = MerrowCommandLine::Options;
using Run = MerrowCommandLine::Run;

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

// --import-gamebase GBFILE --games DIR [--music DIR] [--screens DIR] [--machine NAME]
int runGameBaseImport(const QCommandLineParser &parser, const Options &o, const Paths &paths,
                      QTextStream &out, QTextStream &err)
{
    for (const QCommandLineOption &other : {o.exportTo, o.import, o.addNew, o.all, o.diff})
        if (parser.isSet(other)) {
            err << "merrow: --import-gamebase goes with no other import or export" << Qt::endl;
            return 2;
        }
    GameBaseCommand command;
    command.file = parser.value(o.importGameBase);
    command.folders.games = parser.value(o.games);
    command.folders.music = parser.value(o.music);
    command.folders.screens = parser.value(o.screens);
    if (parser.isSet(o.machine))
        command.folders.machine = parser.value(o.machine);
    command.dryRun = parser.isSet(o.dryRun);
    return importGameBase(command, paths.catalogue, paths.tempDir, out, err);
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
    registerGameBaseWindows(ctx);
    windows.show(WindowKey::UtilityMenu);
    const int code = app.exec();
    windows.closeAll();
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool windows = MerrowCommandLine::needsWindows(commandline::argumentsOf(argc, argv));
    std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    if (windows) {
        QApplication::setApplicationDisplayName(QStringLiteral("Merrow"));
        LayoutMemory::setFile(LayoutMemory::defaultFile());
    }
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    installTranslators(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Parsed here rather than by process(): every message of this program starts "merrow:".
    MerrowCommandLine line;
    const Run run = line.parse(QCoreApplication::arguments());
    const QCommandLineParser &parser = line.parser();
    const Options &o = line.options();
    if (run == Run::Help)
        line.showHelp();
    if (run == Run::Version)
        line.showVersion();
    // QCoreApplication takes a few options of its own (-qmljsdebugger and its value), and
    // what is left may ask for windows that a program without a window system cannot show.
    if (run == Run::Refused || (run == Run::Windows && !windows)) {
        err << "merrow: "
            << (run == Run::Refused ? line.error()
                                    : QStringLiteral("Qt took the arguments of the command for "
                                                     "options of its own."))
            << Qt::endl;
        return 2;
    }
    if (run == Run::Convert)
        return runConversion(parser, o, out, err);
    const auto request = batchRequest(parser, o);
    if (const QString *message = std::get_if<QString>(&request)) {
        err << *message << Qt::endl;
        return 2;
    }
    const ResolvedPaths resolved = resolvePaths(defaultLocationRequest(parser.value(o.catalogue)));
    const Paths &paths = resolved.paths;
    if (!resolved.seeding)
        err << "merrow: " << escapeControls(resolved.seeding.error()) << Qt::endl;
    if (run == Run::ImportGameBase)
        return runGameBaseImport(parser, o, paths, out, err);
    if (run == Run::Batch)
        return merrow::runBatch(std::get<merrow::BatchRequest>(request), paths, out, err);
    return runWindows(paths, *app);
}
