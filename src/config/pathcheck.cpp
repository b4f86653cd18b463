#include "pathcheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace configfields
{

QString pathProblem(const QString &path, bool directory)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("PathCheck", text); };
    if (path.trimmed().isEmpty())
        return {};
    const QFileInfo info(path);
    if (directory) {
        if (!info.exists())
            return tr("The folder does not exist: %1").arg(path);
        return info.isDir() ? QString() : tr("This is not a folder: %1").arg(path);
    }
    if (!info.exists()) {
        // A bare program name is looked up as the desktop would run it.
        if (!path.contains(QLatin1Char('/')) && !QStandardPaths::findExecutable(path).isEmpty())
            return {};
        return tr("The program does not exist: %1").arg(path);
    }
    if (info.isDir() || !info.isExecutable())
        return tr("This file cannot be run as a program: %1").arg(path);
    return {};
}

} // namespace configfields
