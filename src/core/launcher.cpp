#include "launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString Command::text() const
{
    QStringList parts{program};
    parts += arguments;
    return parts.join(QLatin1Char(' '));
}

bool ProcessLauncher::start(const Command &command, QString *error)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
#ifdef Q_OS_WIN
    if (command.windowStyle == WindowStyle::MinimizedFocus)
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
        });
#endif
    if (!process.startDetached()) {
        if (error)
            *error = process.errorString();
        return false;
    }
    return true;
}

bool Launcher::startAttached(const Command &command, QProcess &process, QString *error)
{
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.start();
    if (process.waitForStarted())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

bool ProcessLauncher::openDocument(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1 does not exist").arg(path);
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    const QString editor = qEnvironmentVariable("EDITOR");
    if (!editor.isEmpty() && QProcess::startDetached(editor, {path}))
        return true;
    if (error)
        *error = QStringLiteral("no program can open %1").arg(path);
    return false;
}
