#include "amigastart.h"

#include "amigaconfigwriter.h"
#include "launchcheck.h"

#include <QCoreApplication>
#include <QDir>

AmigaStartPlan prepareAmigaStart(const AmigaStartRequest &request)
{
    using Status = AmigaStartPlan::Status;
    const AmigaProgram program = amigaProgram(request.emulator, request.executable);
    AmigaStartPlan plan;
    if (request.executable.isEmpty()) {
        plan.status = Status::NotConfigured;
        plan.error = QCoreApplication::translate("AmigaStart", "No %1 executable is configured.")
                         .arg(amigaProgramName(program));
        return plan;
    }
    plan.error = programProblem(request.executable);
    if (!plan.error.isEmpty()) {
        plan.status = Status::BadProgram;
        return plan;
    }
    for (const QVariant &disk : request.drives) {
        const QString path = disk.toString();
        plan.error = path.isEmpty() ? QString() : missingFileProblem(path);
        if (!plan.error.isEmpty()) {
            plan.status = Status::MissingDisk;
            return plan;
        }
    }
    const AmigaFormat format = amigaFormat(program);
    plan.configuration = QDir(request.tempDir).filePath(amigaOutputName(format));
    const AmigaConfigResult written = writeAmigaConfig(
        {format, request.templatePath, request.drives, request.hideGui, plan.configuration});
    if (!written.ok()) {
        plan.status = Status::ConfigFailed;
        plan.error = written.error;
        return plan;
    }
    plan.command = amigaCommand(format, request.executable, plan.configuration);
    return plan;
}
