#include "pathcheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace configfields
{
namespace
{

// The texts' context: lupdate files a free function's tr() under its namespace, which the
// program never asks for.
class PathCheck
{
    Q_DECLARE_TR_FUNCTIONS(PathCheck)
};

} // namespace

QString pathProblem(const QString &path, bool directory)
{
    if (path.trimmed().isEmpty())
        return {};
    const QFileInfo info(path);
    if (directory) {
        if (!info.exists())
            return PathCheck::tr("The folder does not exist: %1").arg(path);
        return info.isDir() ? QString() : PathCheck::tr("This is not a folder: %1").arg(path);
    }
    if (!info.exists()) {
        // A bare program name is looked up as the desktop would run it.
        if (!path.contains(QLatin1Char('/')) && !QStandardPaths::findExecutable(path).isEmpty())
            return {};
        return PathCheck::tr("The program does not exist: %1").arg(path);
    }
    if (info.isDir() || !info.isExecutable())
        return PathCheck::tr("This file cannot be run as a program: %1").arg(path);
    return {};
}

} // namespace configfields
