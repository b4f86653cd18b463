#include "fakelauncher.h"

bool FakeLauncher::start(const Command &command, QString *error)
{
    if (failing.contains(command.program)) {
        if (error)
            *error = QStringLiteral("cannot start %1").arg(command.program);
        return false;
    }
    started.append(command);
    return true;
}

bool FakeLauncher::openDocument(const QString &path, QString *error)
{
    if (failingDocuments.contains(path)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    opened.append(path);
    return true;
}

bool FakeLauncher::startAttached(const Command &command, QProcess &, QString *error)
{
    return start(command, error);
}
