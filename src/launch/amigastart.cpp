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
QString diskProblem(const QString &path)
{
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return QCoreApplication::translate(
                   "AmigaStart",
                   "The disk path %1 holds a line break, which an emulator configuration "
                   "cannot carry.")
            .arg(escapeControls(QDir::toNativeSeparators(path)));
    return path.isEmpty() ? QString() : missingFileProblem(path);
}

} // namespace

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
        plan.error = diskProblem(disk.toString());
        if (!plan.error.isEmpty()) {
            plan.status = Status::BadDisk;
            return plan;
        }
    }
    const AmigaFormat format = amigaFormat(program);
    const RuntimeFolder folder = RuntimeFolder::forUser(request.tempDir);
    const AmigaConfigResult written = writeAmigaConfig(
        {format, request.templatePath, request.drives, request.hideGui, amigaOutputName(format)},
        folder);
    if (!written.ok()) {
        plan.status = Status::ConfigFailed;
        plan.error = written.error;
        return plan;
    }
    plan.configuration = folder.filePath(amigaOutputName(format));
    plan.command = amigaCommand(format, request.executable, plan.configuration);
    return plan;
}
