// vantrel: browse, edit and launch the games of the catalogue.
#include "amigaregistry.h"
#include "appcontext.h"
#include "browserregistry.h"
#include "c64dirlisting.h"
#include "c64registry.h"
#include "cataloguestore.h"
#include "collectioncommands.h"
#include "collectionregistry.h"
#include "commandlinecheck.h"
#include "configregistry.h"
#include "consoleplayback.h"
#include "database.h"
#include "editingregistry.h"
#include "escaping.h"
#include "gamecommands.h"
#include "headlesslist.h"
#include "headlessplay.h"
#include "launchcheck.h"
#include "launcher.h"
#include "layoutmemory.h"
#include "legacystartfollowup.h"
#include "legacystartoffer.h"
#include "musiccommand.h"
#include "musiccommands.h"
#include "musicregistry.h"
#include "musicservice.h"
#include "musicsettings.h"
#include "paths.h"
#include "programdetection.h"
#include "recentcatalogues.h"
#include "screenshotregistry.h"
#include "sinkoutput.h"
#include "splash.h"
#include "statefile.h"
#include "translators.h"
#include "vantrelcommandline.h"
#include "widgetdialogs.h"
#include "windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace
{

using Options = VantrelCommandLine::Options;
using Run = VantrelCommandLine::Run;

int runListing(const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    browser::ListingRequest request;
    request.c64 = parser.isSet(o.c64);
    request.amiga = parser.isSet(o.amiga);
    request.playable = parser.isSet(o.playable);
    request.sound = parser.isSet(o.sound);
    request.find = parser.value(o.find);
    request.sort = parser.value(o.sort);
    request.favourites = parser.isSet(o.favourites);
    request.recent = parser.isSet(o.recent);
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return browser::listGames(paths.catalogue, request, out, err);
}

// --scan, --relink and --missing: the collection's headless commands.
int runCollection(Run run, const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    const bool dryRun = parser.isSet(o.dryRun);
    if (run == Run::Scan)
        return collection::scanFolder(paths.catalogue, parser.value(o.scan), dryRun, out, err);
    if (run == Run::Relink)
        return collection::relink(paths.catalogue, parser.value(o.from), parser.value(o.to),
                                  parser.value(o.search), dryRun, out, err);
    return collection::listMissing(paths.catalogue, out, err);
}

// A new per-user catalogue gets the emulators and players installed on PATH, once.
void detectProgramsOnce(const QString &catalogue)
{
    const auto connection = catalogue::Connection::open(catalogue);
    const QString error =
        connection ? programdetection::detectInto((*connection)->db()).error() : connection.error();
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
    // Writable where the file is: a start counts as a play. A read-only file still plays.
    const auto connection = catalogue::Connection::open(paths.catalogue);
    const auto game = connection ? CatalogueStore((*connection)->db()).game(*id)
                                 : Result<Game>(connection.failure());
    if (!game && game.error() != CatalogueStore::gameGoneText()) {
        err << "Cannot open the catalogue: " << game.error() << '\n';
        return kPlayBadArguments;
    }
    if (!game || !Game::isSet(game->gameFile)) {
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
    switch (browser::playTarget(game->machine)) {
    case browser::PlayTarget::C64:
        return playC64Game(CatalogueStore((*connection)->db()), request, launcher, out, err);
    case browser::PlayTarget::Amiga: {
        const auto state = browser::readStateFile(paths.stateFile);
        request.hideUaeGui = !(state && state->uaeShowsGui);
        request.hideFellowGui = !(state && state->fellowShowsGui);
        return playAmigaGame(CatalogueStore((*connection)->db()), request, launcher, out, err);
    }
    case browser::PlayTarget::None:
        break;
    }
    err << "The game's format names no machine to play it on\n";
    return kPlayNothing;
}

// --set-favourite ID yes|no: 1 when there is no such game, 2 when the catalogue fails.
int runSetFavourite(const VantrelCommandLine &line, const Paths &paths)
{
    QTextStream err(stderr);
    const std::optional<int> id = gameIdOption(line.parser(), line.options().setFavourite);
    if (!id) {
        err << "--set-favourite takes a game id\n";
        return 1;
    }
    const auto connection = catalogue::Connection::open(paths.catalogue);
    const Outcome set =
        connection ? CatalogueStore((*connection)->db()).setFavourite(*id, line.favouriteWanted())
                   : Outcome(connection.failure());
    if (set)
        return 0;
    if (set.error() == CatalogueStore::gameGoneText()) {
        err << "No such game\n";
        return 1;
    }
    err << "Cannot write the catalogue: " << escapeControls(set.error()) << '\n';
    return 2;
}

// The player of --with (1 or 2), or the first configured; nothing for another --with.
std::optional<QString> chooseSoundPlayer(const music::GameMusic &players, const QString &with)
{
    if (with == QLatin1String("1"))
        return players.player1;
    if (with == QLatin1String("2"))
        return players.player2;
    if (!with.isEmpty())
        return std::nullopt;
    return players.player1.isEmpty() ? players.player2 : players.player1;
}

// --music-info, --play-music --render, and --play-music without --with: the built-in engine.
int runBuiltInMusic(Run run, const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    QTextStream out(stdout), err(stderr);
    bool numbers = true;
    auto number = [&](const QCommandLineOption &option) -> std::optional<int> {
        bool ok = !parser.isSet(option);
        const int value = ok ? 0 : parser.value(option).toInt(&ok);
        numbers = numbers && ok;
        return parser.isSet(option) ? std::optional(value) : std::nullopt;
    };
    const std::optional<int> id =
        gameIdOption(parser, run == Run::MusicInfo ? o.musicInfo : o.playMusic);
    const std::optional<int> subtune = number(o.subtune);
    const std::optional<int> seconds = number(o.seconds);
    if (!id || !numbers) {
        err << "--music-info and --play-music take a game id, --subtune and --seconds a number\n";
        return kPlayBadArguments;
    }
    const auto connection =
        catalogue::Connection::open(paths.catalogue, catalogue::Connection::Mode::ReadOnly);
    const Result<music::GameMusic> game =
        connection ? music::readGameMusic(CatalogueStore((*connection)->db()), *id)
                   : Result<music::GameMusic>(connection.failure());
    if (!game) {
        err << "Cannot open the catalogue: " << game.error() << '\n';
        return kPlayBadArguments;
    }
    if (game->song.isEmpty()) {
        err << "No song configured for this game\n";
        return kPlayNothing;
    }
    const MusicSources sources = music::savedSources();
    Outcome done;
    if (run == Run::MusicInfo) {
        const Result<QStringList> lines = music::musicInfoLines(game->song, sources);
        for (const QString &line : lines.valueOr({}))
            out << escapeControls(line) << '\n';
        done = lines ? Outcome() : Outcome(lines.failure());
    } else if (parser.isSet(o.render)) {
        done = music::renderWav({game->song, parser.value(o.render), subtune, seconds}, sources);
    } else {
        done = music::playToEnd(game->song, subtune, sources, out);
    }
    if (!done)
        err << escapeControls(done.error()) << '\n';
    return done ? kPlayStarted : kPlayNothing;
}

int runPlayMusic(const QCommandLineParser &parser, const Options &o, const Paths &paths)
{
    if (parser.isSet(o.render) || (!parser.isSet(o.with) && !parser.isSet(o.dryRun)))
        return runBuiltInMusic(Run::PlayMusic, parser, o, paths);
    QTextStream out(stdout), err(stderr);
    const std::optional<int> id = gameIdOption(parser, o.playMusic);
    if (!id) {
        err << "--play-music takes a game id\n";
        return kPlayBadArguments;
    }
    const auto connection =
        catalogue::Connection::open(paths.catalogue, catalogue::Connection::Mode::ReadOnly);
    const Result<music::GameMusic> music =
        connection ? music::readGameMusic(CatalogueStore((*connection)->db()), *id)
                   : Result<music::GameMusic>(connection.failure());
    const QString error = music.error();
    const QString song = music.valueOr({}).song;
    const std::optional<QString> player =
        chooseSoundPlayer(music.valueOr({}), parser.value(o.with));
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
    else if (const Outcome program = checkProgram(*player); !program)
        problem = program.error();
    else if (!QFileInfo(song).isFile())
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
    LegacyStartOffer offer(dialogs, dataDir);
    const Paths paths = offer.run(resolved);
    ProcessLauncher launcher;
    WindowRegistry windows;
    AppContext ctx(paths, dialogs, launcher, windows);
    MusicService music(std::make_unique<SinkOutput>(), launcher);
    ctx.music = &music;
    registerAmigaWindows(ctx);
    registerBrowserWindows(ctx);
    registerC64Windows(ctx);
    registerCollectionWindows(ctx);
    registerConfigWindows(ctx);
    registerEditingWindows(ctx);
    registerMusicWindows(ctx);
    registerScreenshotViewer(ctx);

    Splash splash(ctx);
    splash.show();
    std::unique_ptr<LegacyStartFollowUp> followUp;
    if (offer.converted()) {
        followUp = std::make_unique<LegacyStartFollowUp>(
            ctx, [](const QSqlDatabase &db) { return programdetection::detectInto(db); });
        followUp->start();
    }
    const int code = app.exec();
    // It waits for windows that are about to close.
    followUp.reset();
    // The windows refer to the context and the music: they go first, also those closed just
    // before the end and still waiting to be deleted.
    windows.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool windows = VantrelCommandLine::needsWindows(commandline::argumentsOf(argc, argv));
    std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    if (windows) {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
        // Wayland matches the windows to the desktop entry and its icon by this name.
        QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
        LayoutMemory::setFile(LayoutMemory::defaultFile());
        browser::RecentCatalogues::setFile(browser::RecentCatalogues::defaultFile());
    }
    installTranslators(*app);

    VantrelCommandLine line;
    const Run run = line.process(*app);
    const QCommandLineParser &parser = line.parser();
    const Options &o = line.options();
    // QCoreApplication takes a few options of its own (-qmljsdebugger and its value), and
    // what is left may ask for windows that a program without a window system cannot show.
    if (run == Run::Refused || (run == Run::Windows && !windows)) {
        std::fprintf(stderr, "vantrel: %s\n",
                     qPrintable(run == Run::Refused
                                    ? line.error()
                                    : QStringLiteral("Qt took the arguments of the command for "
                                                     "options of its own.")));
        return 1;
    }
    // The image directory needs no catalogue.
    if (run == Run::Dir)
        return runDirListing(parser.value(o.dir));

    const LocationRequest location = defaultLocationRequest(parser.value(o.catalogue));
    const QString userCatalogue = QDir(location.dataDir).filePath(QLatin1String(kCatalogueName));
    const bool seeding = !QFileInfo::exists(userCatalogue);
    const ResolvedPaths resolved = resolvePaths(location);
    const Paths &paths = resolved.paths;
    if (!resolved.seeding)
        std::fprintf(stderr, "%s\n", qPrintable(escapeControls(resolved.seeding.error())));
    else if (seeding && paths.catalogue == userCatalogue && QFileInfo::exists(userCatalogue))
        detectProgramsOnce(userCatalogue);
    if (run == Run::List)
        return runListing(parser, o, paths);
    if (run == Run::Play)
        return runPlay(parser, o, paths);
    if (run == Run::PlayMusic)
        return runPlayMusic(parser, o, paths);
    if (run == Run::MusicInfo)
        return runBuiltInMusic(run, parser, o, paths);
    if (run == Run::SetFavourite)
        return runSetFavourite(line, paths);
    if (run == Run::Scan || run == Run::Relink || run == Run::Missing)
        return runCollection(run, parser, o, paths);
    return runWindows(paths, location.dataDir, *app);
}
