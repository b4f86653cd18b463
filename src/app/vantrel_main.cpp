// vantrel: browse, edit and launch the games of the catalogue.
#include "amigaregistry.h"
#include "appcontext.h"
#include "browserregistry.h"
#include "c64dirlisting.h"
#include "c64registry.h"
#include "configregistry.h"
#include "database.h"
#include "editingregistry.h"
#include "escaping.h"
#include "gamecommands.h"
#include "headlesslist.h"
#include "headlessplay.h"
#include "launchcheck.h"
#include "launcher.h"
#include "legacystartoffer.h"
#include "musiccommand.h"
#include "musicregistry.h"
#include "paths.h"
#include "programdetection.h"
#include "screenshotregistry.h"
#include "splash.h"
#include "statefile.h"
#include "widgetdialogs.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

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
    QCommandLineOption play{
        QStringLiteral("play"),
        QStringLiteral("Start the game <id> in its emulator, without a window."),
        QStringLiteral("id")};
    QCommandLineOption playMusic{
        QStringLiteral("play-music"),
        QStringLiteral("Play the music file of the game <id>, without a window."),
        QStringLiteral("id")};
    QCommandLineOption with{QStringLiteral("with"),
                            QStringLiteral("With --play: the emulator (ccs64, vice, c64s, pc64; "
                                           "uae, fellow). With --play-music: the player, 1 or 2."),
                            QStringLiteral("name")};
    QCommandLineOption entry{
        QStringLiteral("entry"),
        QStringLiteral("With --play: the entry <n> of the image's --dir list, from 0."),
        QStringLiteral("n")};
    QCommandLineOption amigaTemplate{
        QStringLiteral("template"),
        QStringLiteral("With --play: the Amiga template, by its file name or a path."),
        QStringLiteral("name")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              QStringLiteral("With --play or --play-music: print the program and "
                                             "each argument, one a line, and start nothing.")};
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
        for (const char *option : {"--list", "--help", "--help-all", "-h", "-?", "--version", "-v",
                                   "--play", "--play-music"})
            if (std::strcmp(argv[i], option) == 0 ||
                (std::strncmp(argv[i], option, std::strlen(option)) == 0 &&
                 argv[i][std::strlen(option)] == '='))
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

// A new per-user catalogue gets the emulators and players installed on PATH, once.
void detectProgramsOnce(const QString &catalogue)
{
    QString error;
    const auto connection = catalogue::Connection::open(catalogue, &error);
    if (connection)
        programdetection::detectInto(connection->db(), &error);
    if (!error.isEmpty())
        std::fprintf(stderr, "Cannot look for installed programs: %s\n", qPrintable(error));
}

// The game id of --play or --play-music; nothing when it is no positive number.
std::optional<int> gameIdOption(const QCommandLineParser &parser, const QCommandLineOption &o)
{
    bool ok = false;
    const int id = parser.value(o).toInt(&ok);
    return ok && id > 0 ? std::optional(id) : std::nullopt;
}

int runPlay(const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    QTextStream out(stdout), err(stderr);
    const std::optional<int> id = gameIdOption(parser, o.play);
    bool entryOk = !parser.isSet(o.entry);
    const int entry = entryOk ? -1 : parser.value(o.entry).toInt(&entryOk);
    if (!id || !entryOk || entry < -1) {
        err << "--play takes a game id, --entry a number\n";
        return kPlayBadArguments;
    }
    QString error;
    const auto connection =
        catalogue::Connection::open(paths.catalogue, &error, catalogue::Connection::Mode::ReadOnly);
    const auto game = connection ? catalogue::fetchOne(connection->db(),
                                                       QStringLiteral("select formato, emul1 "
                                                                      "from tabella1 where id = ?"),
                                                       {*id}, &error)
                                 : std::nullopt;
    if (!error.isEmpty()) {
        err << "Cannot open the catalogue: " << error << '\n';
        return kPlayBadArguments;
    }
    if (!game || catalogue::isEmptyValue(game->value(1))) {
        err << (game ? "No file selected for this game" : "No such game") << '\n';
        return kPlayNothing;
    }
    HeadlessPlayRequest request;
    request.gameId = *id;
    request.with = parser.value(o.with);
    request.entry = entry;
    request.templateName = parser.value(o.amigaTemplate);
    request.dryRun = parser.isSet(o.dryRun);
    request.tempDir = paths.tempDir;
    request.programDir = paths.programDir;
    ProcessLauncher launcher;
    switch (browser::playTarget(game->value(0).toString())) {
    case browser::PlayTarget::C64:
        return playC64Game(connection->db(), request, launcher, out, err);
    case browser::PlayTarget::Amiga: {
        const auto state = browser::readStateFile(paths.stateFile);
        request.hideUaeGui = !(state && state->uaeShowsGui);
        request.hideFellowGui = !(state && state->fellowShowsGui);
        return playAmigaGame(connection->db(), request, launcher, out, err);
    }
    case browser::PlayTarget::None:
        break;
    }
    err << "The game's format names no machine to play it on\n";
    return kPlayNothing;
}

// The player of --with (1 or 2), or the first configured; nothing for another --with.
std::optional<QString> chooseSoundPlayer(const music::SoundPlayers &players, const QString &with)
{
    if (with == QLatin1String("1"))
        return players.player1;
    if (with == QLatin1String("2"))
        return players.player2;
    if (!with.isEmpty())
        return std::nullopt;
    return players.player1.isEmpty() ? players.player2 : players.player1;
}

int runPlayMusic(const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    QTextStream out(stdout), err(stderr);
    const std::optional<int> id = gameIdOption(parser, o.playMusic);
    if (!id) {
        err << "--play-music takes a game id\n";
        return kPlayBadArguments;
    }
    QString error;
    const auto connection =
        catalogue::Connection::open(paths.catalogue, &error, catalogue::Connection::Mode::ReadOnly);
    const music::SoundPlayers players =
        connection ? music::loadPlayers(connection->db(), &error) : music::SoundPlayers{};
    const QString song =
        error.isEmpty() ? music::loadSong(connection->db(), *id, &error) : QString();
    const std::optional<QString> player = chooseSoundPlayer(players, parser.value(o.with));
    if (!error.isEmpty() || !player) {
        err << (player ? QStringLiteral("Cannot open the catalogue: ") + error
                       : QStringLiteral("--with takes 1 or 2"))
            << '\n';
        return kPlayBadArguments;
    }
    QString problem;
    if (song.isEmpty())
        problem = QStringLiteral("No song configured for this game");
    else if (player->isEmpty())
        problem = QStringLiteral("NO SOUND PLAYERS CONFIGURED");
    else if (problem = programProblem(*player); problem.isEmpty() && !QFileInfo(song).isFile())
        problem = QStringLiteral("The music file is missing:\n%1").arg(song);
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return kPlayNothing;
    }
    ProcessLauncher launcher;
    return startOrPrint(music::playCommand(*player, song), parser.isSet(o.dryRun), launcher, out,
                        err);
}

int runWindows(const Paths &resolved, const QString &dataDir, QCoreApplication &app)
{
    WidgetDialogs dialogs;
    // A catalogue of the older Windows program is offered for conversion before anything
    // opens it.
    const Paths paths = LegacyStartOffer(dialogs, dataDir).run(resolved);
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
    parser.addOptions({o.catalogue, o.list, o.c64, o.amiga, o.playable, o.sound, o.find, o.play,
                       o.playMusic, o.with, o.entry, o.amigaTemplate, o.dryRun, o.dir});
    parser.process(*app);

    QString seedError;
    const LocationRequest location = defaultLocationRequest(parser.value(o.catalogue));
    const QString userCatalogue = QDir(location.dataDir).filePath(QLatin1String(kCatalogueName));
    const bool seeding = !QFileInfo::exists(userCatalogue);
    const Paths paths = resolvePaths(location, &seedError);
    if (!seedError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(escapeControls(seedError)));
    else if (seeding && paths.catalogue == userCatalogue && QFileInfo::exists(userCatalogue))
        detectProgramsOnce(userCatalogue);
    if (parser.isSet(o.list))
        return runListing(parser, o, paths);
    if (parser.isSet(o.play))
        return runPlay(parser, o, paths);
    if (parser.isSet(o.playMusic))
        return runPlayMusic(parser, o, paths);

    return runWindows(paths, location.dataDir, *app);
}
