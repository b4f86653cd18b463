#include "c64start.h"

#include "imagereader.h"
#include "launchcheck.h"
#include "shortpath.h"

#include <QCoreApplication>

QString c64BadConfigurationText(C64Emulator emulator)
{
    return QCoreApplication::translate("C64Start", "Bad Configuration for %1")
        .arg(c64EmulatorInfo(emulator).caption);
}

Result<Command> prepareC64Start(const C64StartRequest &request)
{
    if (request.executable.isEmpty())
        return Failure{c64BadConfigurationText(request.emulator)};
    if (Outcome program = checkProgram(request.executable); !program)
        return program.failure();
    const QString file = unquotePath(request.gameFile);
    if (Outcome present = file.isEmpty() ? Outcome() : checkGameFile(file); !present)
        return present.failure();
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
