#include "amigaplaysteps.h"

#include "appcontext.h"
#include "browselists.h"
#include "database.h"
#include "dialogs.h"
#include "launcher.h"

#include <QRadioButton>

namespace amigasteps
{

bool showTemplates(AppContext &ctx, AmigaEmulator emulator, const QVariant &executable,
                   FileListBox *list)
{
    const QString folder = catalogue::isEmptyValue(executable)
                               ? QString()
                               : amigaTemplateFolder(emulator, executable.toString());
    // setPath before setPattern: the list never shows another emulator's templates.
    if (!folder.isEmpty() && list->setPath(folder)) {
        list->setPattern(amigaTemplatePattern(emulator));
        if (list->count() > 0) {
            list->setListIndex(0);
            return true;
        }
    }
    list->clear();
    ctx.dialogs.beep();
    ctx.dialogs.message(QStringLiteral("Bad configuration for ") + amigaEmulatorName(emulator),
                        Dialogs::Icon::Critical, QStringLiteral("Error"));
    return false;
}

void chooseEmulator(AppContext &ctx, AmigaEmulator emulator, QRadioButton *option,
                    const QVariant &executable, FileListBox *list)
{
    if (!option->isEnabled())
        return;
    {
        const QSignalBlocker blocker(option);
        option->setChecked(true);
    }
    list->setVisible(showTemplates(ctx, emulator, executable, list));
}

bool writeAndStart(AppContext &ctx, AmigaEmulator emulator, const QVariant &executable,
                   const FileListBox *list, const AmigaDrives &drives)
{
    AmigaConfigRequest request;
    request.emulator = emulator;
    request.templatePath = list->selectedFilePath();
    request.drives = drives;
    request.guiFlag = emulator == AmigaEmulator::WinUAE ? ctx.uaegui : ctx.fellowgui;
    request.outputPath = ctx.paths.temp(amigaOutputName(emulator));

    bool started = false;
    QString error =
        QStringLiteral("no %1 executable is configured").arg(amigaEmulatorName(emulator));
    if (!catalogue::isEmptyValue(executable)) {
        const AmigaConfigResult written = writeAmigaConfig(request);
        error = written.error;
        if (written.ok())
            started =
                ctx.launcher.start(amigaCommand(executable.toString(), request.outputPath), &error);
    }
    if (!started)
        reportStartFailure(ctx, error);
    return started;
}

void reportStartFailure(AppContext &ctx, const QString &reason)
{
    // The fixed message cannot say why; the reason goes to the diagnostic output.
    qWarning("%s", qPrintable(reason));
    ctx.dialogs.beep();
    ctx.dialogs.message(QStringLiteral("Select Emulator and Configuration"),
                        Dialogs::Icon::Exclamation, QStringLiteral("Attention"));
}

} // namespace amigasteps
