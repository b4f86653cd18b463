#include "headlessplay.h"

#include "amigarecords.h"
#include "amigastart.h"
#include "amigatemplates.h"
#include "archiveimages.h"
#include "archivelisting.h"
#include "c64start.h"
#include "cataloguestore.h"
#include "escaping.h"
#include "imagereader.h"
#include "launcher.h"
#include "playcountinglauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace
{

int fail(QTextStream &err, int code, const QString &text)
{
    err << text << '\n';
    err.flush();
    return code;
}

// An emulator as "--with" names it, and where the configuration keeps its program.
struct Slot {
    QString name;
    Configuration::Path path;
};

// What a start reads from the catalogue. A game deleted meanwhile reads as an empty one.
struct Stored {
    Configuration configuration;
    Game game;
    QStringList moreDisks;
    GameStart start;
};

Result<Stored> readStored(const CatalogueStore &store, GameId id)
{
    Result<Configuration> configuration = store.configuration();
    if (!configuration)
        return configuration.failure();
    Result<std::optional<Game>> game = store.findGame(id);
    if (!game)
        return game.failure();
    Result<QStringList> more = store.moreDisks(id);
    if (!more)
        return more.failure();
    Result<GameStart> start = store.gameStart(id);
    if (!start)
        return start.failure();
    return Stored{std::move(*configuration), game->value_or(Game()), std::move(*more),
                  std::move(*start)};
}

struct PickedEmulator {
    int exitCode = kPlayStarted; // anything else: there is none, and the user was told why
    qsizetype slot = -1;
    QString program;
};

// The slot "--with" names, or the first configured in the order of the window's buttons.
qsizetype chooseSlot(const QList<Slot> &choices, const Configuration &configuration,
                     const QString &with)
{
    for (qsizetype i = 0; i < choices.size(); ++i)
        if (with.isEmpty() ? Game::isSet(configuration.value(choices[i].path))
                           : choices[i].name == with)
            return i;
    return -1;
}

// The emulator the options pick among the choices, with its configured program.
PickedEmulator pickEmulator(const Result<Stored> &stored, const QList<Slot> &choices,
                            const QString &with, const QString &noneText, QTextStream &err)
{
    PickedEmulator picked;
    if (!stored) {
        picked.exitCode = fail(err, kPlayBadArguments,
                               QStringLiteral("Cannot read the catalogue: ") + stored.error());
        return picked;
    }
    picked.slot = chooseSlot(choices, stored->configuration, with);
    if (picked.slot >= 0) {
        picked.program = stored->configuration.value(choices[picked.slot].path);
    } else if (with.isEmpty()) {
        picked.exitCode = fail(err, kPlayNothing, noneText);
    } else {
        QStringList names;
        for (const Slot &slot : choices)
            names << slot.name;
        picked.exitCode = fail(err, kPlayBadArguments,
                               QStringLiteral("--with takes one of: ") + names.join(u", "));
    }
    return picked;
}

} // namespace

int startOrPrint(const Command &command, bool dryRun, Launcher &launcher, QTextStream &out,
                 QTextStream &err)
{
    if (dryRun) {
        out << command.program << '\n';
        for (const QString &argument : command.arguments)
            out << argument << '\n';
        out.flush();
        return kPlayStarted;
    }
    if (const Outcome started = launcher.start(command); !started)
        return fail(err, kPlayNothing,
                    QStringLiteral("Cannot start %1: %2").arg(command.program, started.error()));
    return kPlayStarted;
}

namespace
{

// The entry of the image of an archived game file that starts (-1 for a plain file): the
// set's start image when the archive has it, else the first. With a choice, err says which
// and how many. An archive that cannot be listed is left to the start, which names the fault
// as for any launch.
int chooseArchiveImage(const QString &gameFile, const GameStart &start, QTextStream &err)
{
    const QString file = unquotePath(gameFile);
    if (!isArchiveFile(file))
        return -1;
    const Result<QList<ArchiveImage>> images = archiveImages(file);
    if (!images)
        return -1;
    const qsizetype at = std::max<qsizetype>(findArchiveImage(*images, start.image), 0);
    if (images->size() > 1) {
        err << QStringLiteral("%1 holds %2 disk images; starting %3 (image %4)")
                   .arg(QDir::toNativeSeparators(file))
                   .arg(images->size())
                   .arg(escapeControls(images->at(at).name)) // a name from elsewhere
                   .arg(at + 1)
            << '\n';
        err.flush();
    }
    return images->at(at).index;
}

} // namespace

int playC64Game(const CatalogueStore &store, const HeadlessPlayRequest &request, Launcher &launcher,
                QTextStream &out, QTextStream &err)
{
    QList<Slot> choices;
    for (const C64Emulator e : kC64Emulators)
        choices << Slot{c64EmulatorInfo(e).name, c64EmulatorInfo(e).path};
    const Result<Stored> stored = readStored(store, request.gameId);
    const PickedEmulator picked = pickEmulator(
        stored, choices, request.with, QStringLiteral("No C64 emulator is configured."), err);
    if (picked.exitCode != kPlayStarted)
        return picked.exitCode;
    const int image = chooseArchiveImage(stored->game.gameFile, stored->start, err);
    C64StartRequest start{
        kC64Emulators[picked.slot], picked.program, stored->game.gameFile, -1, QString(), image,
        stored->moreDisks,          request.tempDir};
    // The set's program, unless the user chose another row; skipped when the image lacks it.
    if (const int entry = request.entry >= 0 ? request.entry : stored->start.program; entry >= 0) {
        const QStringList lines =
            readC64GameFile(start.gameFile, image).valueOr(ImageListing()).lines;
        if (entry < lines.size()) {
            start.entryIndex = entry;
            start.entryText = lines[entry];
        } else if (request.entry >= 0) {
            return fail(err, kPlayBadArguments,
                        QStringLiteral("--entry %1: the image lists %2 entries")
                            .arg(request.entry)
                            .arg(lines.size()));
        }
    }
    const Result<Command> command = prepareC64Start(start);
    if (!command)
        return fail(err, kPlayNothing, command.error());
    PlayCountingLauncher counting(launcher, store.database(), request.gameId);
    return startOrPrint(*command, request.dryRun, counting, out, err);
}

namespace
{

// The template asked for: a path, or a name in the list of the program's template folder.
struct ChosenTemplate {
    QString path;
    int exitCode = kPlayStarted; // anything else: there is none, and the user was told why
};

ChosenTemplate chooseTemplate(AmigaProgram program, const QString &executable,
                              const HeadlessPlayRequest &request, QTextStream &err)
{
    const QString &asked = request.templateName;
    if (QDir::fromNativeSeparators(asked).contains(QLatin1Char('/'))) {
        if (QFileInfo(asked).isFile())
            return {asked};
        return {{}, fail(err, kPlayBadArguments, QStringLiteral("No template file %1").arg(asked))};
    }
    const QString folder =
        findAmigaTemplateFolder(program, executable, defaultTemplatePlaces(request.programDir));
    const QStringList names = amigaTemplateNames(folder, amigaFormat(program));
    if (folder.isEmpty() || names.isEmpty())
        return {{},
                fail(err, kPlayNothing,
                     QStringLiteral("Bad configuration for %1").arg(amigaProgramName(program)))};
    if (asked.isEmpty())
        return {QDir(folder).filePath(names.first())};
    if (names.contains(asked))
        return {QDir(folder).filePath(asked)};
    return {
        {},
        fail(err, kPlayBadArguments,
             QStringLiteral("No template %1 in %2").arg(asked, QDir::toNativeSeparators(folder)))};
}

} // namespace

int playAmigaGame(const CatalogueStore &store, const HeadlessPlayRequest &request,
                  Launcher &launcher, QTextStream &out, QTextStream &err)
{
    const QList<Slot> choices{{QStringLiteral("uae"), Configuration::Path::Uae},
                              {QStringLiteral("fellow"), Configuration::Path::Fellow}};
    const Result<Stored> stored = readStored(store, request.gameId);
    const PickedEmulator picked = pickEmulator(
        stored, choices, request.with, QStringLiteral("No Amiga emulator is configured."), err);
    if (picked.exitCode != kPlayStarted)
        return picked.exitCode;

    AmigaStartRequest start;
    start.emulator = picked.slot == 0 ? AmigaEmulator::WinUAE : AmigaEmulator::WinFellow;
    start.executable = picked.program;
    start.drives = amigaDrives(stored->game);
    start.moreDisks = stored->moreDisks;
    start.hideGui =
        start.emulator == AmigaEmulator::WinUAE ? request.hideUaeGui : request.hideFellowGui;
    start.tempDir = request.tempDir;
    // A missing program is named before any template is looked for.
    if (const Outcome program = checkAmigaProgram(start.emulator, start.executable); !program)
        return fail(err, kPlayNothing, program.error());
    const ChosenTemplate chosen = chooseTemplate(amigaProgram(start.emulator, start.executable),
                                                 start.executable, request, err);
    if (chosen.exitCode != kPlayStarted)
        return chosen.exitCode;
    start.templatePath = chosen.path;
    if (const Outcome checked = checkAmigaStart(start); !checked)
        return fail(err, kPlayNothing, checked.error());
    const Result<Command> command = writeAmigaStart(start);
    if (!command)
        return fail(err, kPlayNothing,
                    QStringLiteral("Select Emulator and Configuration: ") + command.error());
    const AmigaFormat format = amigaFormat(amigaProgram(start.emulator, start.executable));
    if (planAmigaDisks(format, start.drives, start.moreDisks).unreachable > 0)
        err << unreachableDisksText(format) << '\n';
    PlayCountingLauncher counting(launcher, store.database(), request.gameId);
    return startOrPrint(*command, request.dryRun, counting, out, err);
}
