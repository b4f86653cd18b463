// vantrel: browse, edit and launch the games of the catalogue.
#include "amigaregistry.h"
#include "appcontext.h"
#include "c64dirlisting.h"
#include "c64registry.h"
#include "configregistry.h"
#include "dialogs.h"
#include "editingregistry.h"
#include "launcher.h"
#include "musicregistry.h"
#include "paths.h"
#include "splash.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The image directory listing is headless: it runs before any window system is used.
    if (const std::optional<QString> image = dirListingArgument(argc, argv))
        return runDirListing(*image);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Catalogue and launcher for C64 and Amiga games."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption catalogueOption(QStringLiteral("catalogue"),
                                             QStringLiteral("Use the catalogue at <path>."),
                                             QStringLiteral("path"));
    parser.addOption(catalogueOption);
    parser.addOption(QCommandLineOption(QStringLiteral("dir"),
                                        QStringLiteral("Print the directory of a D64 or T64 "
                                                       "image and exit."),
                                        QStringLiteral("image")));
    parser.process(app);

    QString seedError;
    const Paths paths =
        resolvePaths(defaultLocationRequest(parser.value(catalogueOption)), &seedError);
    if (!seedError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(seedError));

    WidgetDialogs dialogs;
    ProcessLauncher launcher;
    AppContext ctx(paths, dialogs, launcher);
    registerAmigaWindows(ctx);
    registerC64Windows(ctx);
    registerConfigWindows(ctx);
    registerEditingWindows(ctx);
    registerMusicWindows(ctx);

    Splash splash(ctx);
    splash.show();
    return app.exec();
}
