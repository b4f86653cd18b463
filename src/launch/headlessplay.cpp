#include "headlessplay.h"

#include "amigarecords.h"
#include "amigastart.h"
#include "amigatemplates.h"
#include "c64start.h"
#include "cataloguestore.h"
#include "database.h"
#include "imagereader.h"
#include "launchcheck.h"
#include "launcher.h"

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

// The emulator asked for, or the first configured (programs, in the order of the window's
// buttons). Nothing when the name is none of these (a bad argument) or none is configured.
std::optional<QString> chooseEmulator(const QStringList &order, const QStringList &programs,
                                      const QString &with)
{
    if (!with.isEmpty())
        return order.contains(with) ? std::optional(with) : std::nullopt;
    for (qsizetype i = 0; i < order.size(); ++i)
        if (!programs.value(i).isEmpty())
            return order.at(i);
    return QString();
}

struct PickedEmulator {
    int exitCode = kPlayStarted; // anything else: there is none, and the user was told why
    QString field;
    QString program;
};

// The emulator the options pick among order, with its configured program.
PickedEmulator pickEmulator(const QStringList &programs, const QString &readError,
                            const QStringList &order, const QString &with, const QString &noneText,
                            QTextStream &err)
{
    PickedEmulator picked;
    if (!readError.isEmpty()) {
        picked.exitCode =
            fail(err, kPlayBadArguments, QStringLiteral("Cannot read the catalogue: ") + readError);
        return picked;
    }
    const std::optional<QString> field = chooseEmulator(order, programs, with);
    if (!field)
        picked.exitCode =
            fail(err, kPlayBadArguments,
                 QStringLiteral("--with takes one of: ") + order.join(QStringLiteral(", ")));
    else if (field->isEmpty())
        picked.exitCode = fail(err, kPlayNothing, noneText);
    else
        picked = {kPlayStarted, *field, programs.value(order.indexOf(*field))};
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
    QString error;
    if (!launcher.start(command, &error))
        return fail(err, kPlayNothing,
                    QStringLiteral("Cannot start %1: %2").arg(command.program, error));
    return kPlayStarted;
}

int playC64Game(const QSqlDatabase &db, const HeadlessPlayRequest &request, Launcher &launcher,
                QTextStream &out, QTextStream &err)
{
    const auto config = CatalogueStore(db).configuration();
    QStringList order, programs;
    for (const C64Emulator e : kC64Emulators) {
        order << c64EmulatorInfo(e).field;
        programs << (config ? config->value(c64EmulatorInfo(e).path) : QString());
    }
    const auto game = catalogue::fetchOne(
        db, QStringLiteral("select emul1 from tabella1 where id = ?"), {request.gameId});
    const QString error = game ? config.error() : game.error();
    const PickedEmulator picked =
        pickEmulator(programs, error, order, request.with,
                     QStringLiteral("No C64 emulator is configured."), err);
    if (picked.exitCode != kPlayStarted)
        return picked.exitCode;
    const C64Emulator emulator = kC64Emulators[order.indexOf(picked.field)];
    C64StartRequest start{emulator, picked.program,
                          game->has_value() ? (*game)->value(0).toString() : QString(), -1,
                          QString()};
    if (request.entry >= 0) {
        const QStringList lines = readC64Image(start.gameFile).lines;
        if (request.entry >= lines.size())
            return fail(err, kPlayBadArguments,
                        QStringLiteral("--entry %1: the image lists %2 entries")
                            .arg(request.entry)
                            .arg(lines.size()));
        start.entryIndex = request.entry;
        start.entryText = lines[request.entry];
    }
    const C64StartPlan plan = prepareC64Start(start);
    using Status = C64StartPlan::Status;
    switch (plan.status) {
    case Status::Ready:
        return startOrPrint(plan.command, request.dryRun, launcher, out, err);
    case Status::NotConfigured:
        return fail(
            err, kPlayNothing,
            QStringLiteral("Bad Configuration for %1").arg(c64EmulatorInfo(emulator).caption));
    case Status::Unsupported:
        return fail(err, kPlayNothing, QStringLiteral("File type not supported by emulator"));
    case Status::BadProgram:
    case Status::MissingFile:
        break;
    }
    return fail(err, kPlayNothing, plan.error);
}

namespace
{

// The template asked for: a path, or a name in the list of the program's template folder.
// Empty, with *code set, when there is none.
QString chooseTemplate(AmigaProgram program, const QString &executable,
                       const HeadlessPlayRequest &request, QTextStream &err, int *code)
{
    const QString &asked = request.templateName;
    if (QDir::fromNativeSeparators(asked).contains(QLatin1Char('/'))) {
        if (QFileInfo(asked).isFile())
            return asked;
        *code = fail(err, kPlayBadArguments, QStringLiteral("No template file %1").arg(asked));
        return {};
    }
    const QString folder =
        findAmigaTemplateFolder(program, executable, defaultTemplatePlaces(request.programDir));
    const QStringList names = amigaTemplateNames(folder, amigaFormat(program));
    if (folder.isEmpty() || names.isEmpty()) {
        *code = fail(err, kPlayNothing,
                     QStringLiteral("Bad configuration for %1").arg(amigaProgramName(program)));
        return {};
    }
    if (asked.isEmpty())
        return QDir(folder).filePath(names.first());
    if (names.contains(asked))
        return QDir(folder).filePath(asked);
    *code =
        fail(err, kPlayBadArguments,
             QStringLiteral("No template %1 in %2").arg(asked, QDir::toNativeSeparators(folder)));
    return {};
}

} // namespace

int playAmigaGame(const QSqlDatabase &db, const HeadlessPlayRequest &request, Launcher &launcher,
                  QTextStream &out, QTextStream &err)
{
    const QStringList order{QStringLiteral("uae"), QStringLiteral("fellow")};
    const auto config = CatalogueStore(db).configuration();
    QString error = config.error();
    const QStringList programs =
        config ? QStringList{config->uae, config->fellow} : QStringList{QString(), QString()};
    const std::optional<AmigaDrives> disks = readAmigaDisks(db, request.gameId, &error);
    const PickedEmulator picked =
        pickEmulator(programs, error, order, request.with,
                     QStringLiteral("No Amiga emulator is configured."), err);
    if (picked.exitCode != kPlayStarted)
        return picked.exitCode;

    AmigaStartRequest start;
    start.emulator = picked.field == order[0] ? AmigaEmulator::WinUAE : AmigaEmulator::WinFellow;
    start.executable = picked.program;
    start.drives = disks.value_or(AmigaDrives{});
    start.hideGui =
        start.emulator == AmigaEmulator::WinUAE ? request.hideUaeGui : request.hideFellowGui;
    start.tempDir = request.tempDir;
    const AmigaProgram program = amigaProgram(start.emulator, start.executable);
    // A missing program is named before any template is looked for.
    if (start.executable.isEmpty() || !programProblem(start.executable).isEmpty())
        return fail(err, kPlayNothing, prepareAmigaStart(start).error);
    int code = kPlayStarted;
    start.templatePath = chooseTemplate(program, start.executable, request, err, &code);
    if (code != kPlayStarted)
        return code;
    const AmigaStartPlan plan = prepareAmigaStart(start);
    if (plan.status == AmigaStartPlan::Status::ConfigFailed)
        return fail(err, kPlayNothing,
                    QStringLiteral("Select Emulator and Configuration: ") + plan.error);
    if (!plan.ok())
        return fail(err, kPlayNothing, plan.error);
    return startOrPrint(plan.command, request.dryRun, launcher, out, err);
}
