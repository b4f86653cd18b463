#include "launchcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Outcome checkProgram(const QString &program)
{
    const QString shown = QDir::toNativeSeparators(program);
    if (!QDir::fromNativeSeparators(program).contains(QLatin1Char('/'))) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            return Failure{
                QCoreApplication::translate("LaunchCheck", "The program %1 is not found on PATH.")
                    .arg(shown)};
        return {};
    }
    const QFileInfo info(program);
    if (!info.exists())
        return Failure{QCoreApplication::translate("LaunchCheck", "The program %1 does not exist.")
                           .arg(shown)};
    if (!info.isFile() || !info.isExecutable())
        return Failure{
            QCoreApplication::translate("LaunchCheck", "The program %1 is not an executable file.")
                .arg(shown)};
    return {};
}

Outcome checkGameFile(const QString &path)
{
    if (QFileInfo(path).isFile())
        return {};
    return Failure{QCoreApplication::translate("LaunchCheck", "The game file %1 is missing.")
                       .arg(QDir::toNativeSeparators(path))};
}
