#include "launchcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programProblem(const QString &program)
{
    const QString shown = QDir::toNativeSeparators(program);
    if (!QDir::fromNativeSeparators(program).contains(QLatin1Char('/'))) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            return QCoreApplication::translate("LaunchCheck",
                                               "The program %1 is not found on PATH.")
                .arg(shown);
        return {};
    }
    const QFileInfo info(program);
    if (!info.exists())
        return QCoreApplication::translate("LaunchCheck", "The program %1 does not exist.")
            .arg(shown);
    if (!info.isFile() || !info.isExecutable())
        return QCoreApplication::translate("LaunchCheck",
                                           "The program %1 is not an executable file.")
            .arg(shown);
    return {};
}

QString missingFileProblem(const QString &path)
{
    if (QFileInfo(path).isFile())
        return {};
    return QCoreApplication::translate("LaunchCheck", "The game file %1 is missing.")
        .arg(QDir::toNativeSeparators(path));
}
