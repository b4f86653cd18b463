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

Outcome ProcessLauncher::start(const Command &command)
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
    if (!process.startDetached())
        return Failure{process.errorString()};
    return {};
}

Outcome Launcher::startAttached(const Command &command, QProcess &process)
{
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.start();
    if (process.waitForStarted())
        return {};
    return Failure{process.errorString()};
}

Outcome ProcessLauncher::openDocument(const QString &path)
{
    if (!QFileInfo::exists(path))
        return Failure{QStringLiteral("%1 does not exist").arg(path)};
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return {};
    const QString editor = qEnvironmentVariable("EDITOR");
    if (!editor.isEmpty() && QProcess::startDetached(editor, {path}))
        return {};
    return Failure{QStringLiteral("no program can open %1").arg(path)};
}
