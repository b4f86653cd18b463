#include "c64start.h"

#include "imagereader.h"
#include "launchcheck.h"
#include "shortpath.h"

#include <QFileInfo>

C64StartPlan prepareC64Start(const C64StartRequest &request)
{
    using Status = C64StartPlan::Status;
    C64StartPlan plan;
    if (request.executable.isEmpty()) {
        plan.status = Status::NotConfigured;
        return plan;
    }
    plan.error = programProblem(request.executable);
    if (!plan.error.isEmpty()) {
        plan.status = Status::BadProgram;
        return plan;
    }
    const QString file = unquotePath(request.gameFile);
    if (!file.isEmpty() && !QFileInfo(file).isFile()) {
        plan.status = Status::MissingFile;
        plan.error = missingFileProblem(file);
        return plan;
    }
    const C64CommandResult built =
        buildC64Command(request.emulator, request.executable, shortPath(file), request.entryIndex,
                        request.entryText);
    switch (built.status) {
    case C64CommandResult::Status::Ok:
        plan.command = built.command;
        break;
    case C64CommandResult::Status::Unsupported:
        plan.status = Status::Unsupported;
        break;
    case C64CommandResult::Status::NotConfigured:
    case C64CommandResult::Status::NoImage:
        plan.status = Status::NotConfigured;
        break;
    }
    return plan;
}
