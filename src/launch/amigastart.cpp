#include "amigastart.h"

#include "amigaconfigwriter.h"
#include "escaping.h"
#include "launchcheck.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <QDir>

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
    for (const QString &disk : request.drives)
        if (Outcome present = checkDisk(disk); !present)
            return present;
    return {};
}

Result<Command> writeAmigaStart(const AmigaStartRequest &request)
{
    const AmigaFormat format = amigaFormat(amigaProgram(request.emulator, request.executable));
    const RuntimeFolder folder = RuntimeFolder::forUser(request.tempDir);
    const Outcome written = writeAmigaConfig(
        {format, request.templatePath, request.drives, request.hideGui, amigaOutputName(format)},
        folder);
    if (!written)
        return written.failure();
    return amigaCommand(format, request.executable, folder.filePath(amigaOutputName(format)));
}
