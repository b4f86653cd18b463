// vantrel: browse, edit and launch the games of the catalogue.
#include "amigaregistry.h"
#include "appcontext.h"
#include "browserregistry.h"
#include "c64dirlisting.h"
#include "c64registry.h"
#include "configregistry.h"
#include "editingregistry.h"
#include "headlesslist.h"
#include "launcher.h"
#include "musicregistry.h"
#include "paths.h"
#include "screenshotregistry.h"
#include "splash.h"
#include "widgetdialogs.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{

struct Options {
    QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                 QStringLiteral("Use the catalogue at <path>."),
                                 QStringLiteral("path")};
    QCommandLineOption list{QStringLiteral("list"),
                            QStringLiteral("Print the games of the list (id, tab, title) "
                                           "and exit, without a window.")};
    QCommandLineOption c64{QStringLiteral("c64"),
                           QStringLiteral("With --list: C64 and C128 games.")};
    QCommandLineOption amiga{QStringLiteral("amiga"), QStringLiteral("With --list: Amiga games.")};
    QCommandLineOption playable{QStringLiteral("playable"),
                                QStringLiteral("With --list: only games with a game file.")};
    QCommandLineOption sound{QStringLiteral("sound"),
                             QStringLiteral("With --list: only games with a music file.")};
    QCommandLineOption find{QStringLiteral("find"),
                            QStringLiteral("With --list: only games holding <text> (a+b: both)."),
                            QStringLiteral("text")};
    // Handled before the parser (see main); listed here for --help.
    QCommandLineOption dir{QStringLiteral("dir"),
                           QStringLiteral("Print the directory of a D64 or T64 image and exit."),
                           QStringLiteral("image")};
};

// The listing, the help and the version need no display, so they must not create a
// QApplication.
bool headless(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"--list", "--help", "--help-all", "-h", "-?", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int runListing(const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    browser::ListingRequest request;
    request.c64 = parser.isSet(o.c64);
    request.amiga = parser.isSet(o.amiga);
    request.playable = parser.isSet(o.playable);
    request.sound = parser.isSet(o.sound);
    request.find = parser.value(o.find);
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return browser::listGames(paths.catalogue, request, out, err);
}

int runWindows(const Paths &paths, QCoreApplication &app)
{
    WidgetDialogs dialogs;
    ProcessLauncher launcher;
    WindowRegistry windows;
    AppContext ctx(paths, dialogs, launcher, windows);
    registerAmigaWindows(ctx);
    registerBrowserWindows(ctx);
    registerC64Windows(ctx);
    registerConfigWindows(ctx);
    registerEditingWindows(ctx);
    registerMusicWindows(ctx);
    registerScreenshotViewer(ctx);

    Splash splash(ctx);
    splash.show();
    const int code = app.exec();
    // The windows refer to the context: they go first.
    windows.closeAll();
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // The image directory listing is headless: it runs before any window system is used.
    if (const std::optional<QString> image = dirListingArgument(argc, argv))
        return runDirListing(*image);

    const bool noWindow = headless(argc, argv);
    std::unique_ptr<QCoreApplication> app(noWindow ? new QCoreApplication(argc, argv)
                                                   : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    if (!noWindow) {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
        // Wayland matches the windows to the desktop entry and its icon by this name.
        QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Catalogue and launcher for C64 and Amiga games."));
    parser.addHelpOption();
    parser.addVersionOption();
    const Options o;
    parser.addOptions({o.catalogue, o.list, o.c64, o.amiga, o.playable, o.sound, o.find, o.dir});
    parser.process(*app);

    QString seedError;
    const Paths paths = resolvePaths(defaultLocationRequest(parser.value(o.catalogue)), &seedError);
    if (!seedError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(seedError));
    if (parser.isSet(o.list))
        return runListing(parser, o, paths);

    return runWindows(paths, *app);
}
