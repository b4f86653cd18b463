#include "amigastart.h"

#include "amigaconfigwriter.h"
#include "amigarecords.h"
#include "archiveimages.h"
#include "escaping.h"
#include "launchcheck.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>

namespace
{

// Why a disk cannot go into a drive as it is. A line break would end the drive's line in
// the configuration, and cutting it out would name another file than the one checked.
Outcome checkDisk(const QString &path)
{
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return Failure{QCoreApplication::translate(
                           "AmigaStart",
                           "The disk path %1 holds a line break, which an emulator configuration "
                           "cannot carry.")
                           .arg(escapeControls(QDir::toNativeSeparators(path)))};
    return path.isEmpty() ? Outcome() : checkGameFile(path);
}

// Every disk kept in an archive becomes its image in the folder, each archive read once.
Outcome takeOutArchives(AmigaDiskPlan &plan, const RuntimeFolder &folder)
{
    QHash<QString, QString> taken;
    const auto replace = [&](QString &disk) -> Outcome {
        if (!isArchiveFile(disk))
            return {};
        if (!taken.contains(disk)) {
            const Result<QString> path = playablePath(disk, -1, folder);
            if (!path)
                return path.failure();
            taken.insert(disk, *path);
        }
        disk = taken.value(disk);
        return {};
    };
    for (QString &disk : plan.drives)
        if (Outcome done = replace(disk); !done)
            return done;
    for (QString &disk : plan.swapList)
        if (Outcome done = replace(disk); !done)
            return done;
    return {};
}

} // namespace

Outcome checkAmigaProgram(AmigaEmulator emulator, const QString &executable)
{
    if (executable.isEmpty())
        return Failure{QCoreApplication::translate("AmigaStart", "No %1 executable is configured.")
                           .arg(amigaProgramName(amigaProgram(emulator, executable)))};
    return checkProgram(executable);
}

Outcome checkAmigaStart(const AmigaStartRequest &request)
{
    if (Outcome program = checkAmigaProgram(request.emulator, request.executable); !program)
        return program;
    for (const QStringList &disks :
         {QStringList(request.drives.begin(), request.drives.end()), request.moreDisks})
        for (const QString &disk : disks)
            if (Outcome present = checkDisk(disk); !present)
                return present;
    return {};
}

Result<Command> writeAmigaStart(const AmigaStartRequest &request)
{
    const AmigaFormat format = amigaFormat(amigaProgram(request.emulator, request.executable));
    const RuntimeFolder folder = RuntimeFolder::forUser(request.tempDir);
    AmigaDiskPlan plan = planAmigaDisks(format, request.drives, request.moreDisks);
    if (const Outcome taken = takeOutArchives(plan, folder); !taken)
        return taken.failure();
    const Outcome written =
        writeAmigaConfig({format, request.templatePath, plan.drives, request.hideGui,
                          amigaOutputName(format), plan.swapList},
                         folder);
    if (!written)
        return written.failure();
    return amigaCommand(format, request.executable, folder.filePath(amigaOutputName(format)));
}
