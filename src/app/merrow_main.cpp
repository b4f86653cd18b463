// merrow: export the collector's own records and merge export files from others.
#include "appcontext.h"
#include "dialogs.h"
#include "launcher.h"
#include "menuwindow.h"
#include "paths.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Merrow"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Exports and merges catalogue records."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption catalogueOption(QStringLiteral("catalogue"),
                                             QStringLiteral("Use the catalogue at <path>."),
                                             QStringLiteral("path"));
    parser.addOption(catalogueOption);
    parser.process(app);

    QString seedError;
    const Paths paths =
        resolvePaths(defaultLocationRequest(parser.value(catalogueOption)), &seedError);
    if (!seedError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(seedError));

    WidgetDialogs dialogs;
    ProcessLauncher launcher;
    AppContext ctx(paths, dialogs, launcher);

    auto *menu = new merrow::Form3(ctx);
    ctx.windows.adopt(QStringLiteral("Form3"), menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->show();
    return app.exec();
}
