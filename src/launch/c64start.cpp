#include "c64start.h"

#include "imagereader.h"
#include "launchcheck.h"
#include "shortpath.h"

#include <QCoreApplication>
#include <QFileInfo>

QString c64BadConfigurationText(C64Emulator emulator)
{
    return QCoreApplication::translate("C64Start", "Bad Configuration for %1")
        .arg(c64EmulatorInfo(emulator).caption);
}

Result<Command> prepareC64Start(const C64StartRequest &request)
{
    if (request.executable.isEmpty())
        return Failure{c64BadConfigurationText(request.emulator)};
    if (const QString problem = programProblem(request.executable); !problem.isEmpty())
        return Failure{problem};
    const QString file = unquotePath(request.gameFile);
    if (!file.isEmpty() && !QFileInfo(file).isFile())
        return Failure{missingFileProblem(file)};
    const C64CommandResult built =
        buildC64Command(request.emulator, request.executable, shortPath(file), request.entryIndex,
                        request.entryText);
    switch (built.status) {
    case C64CommandResult::Status::Ok:
        break;
    case C64CommandResult::Status::Unsupported:
        return Failure{
            QCoreApplication::translate("C64Start", "File type not supported by emulator")};
    case C64CommandResult::Status::NotConfigured:
    case C64CommandResult::Status::NoImage:
        return Failure{c64BadConfigurationText(request.emulator)};
    }
    return built.command;
}
