#include "fakelauncher.h"

Outcome FakeLauncher::start(const Command &command)
{
    if (failing.contains(command.program))
        return Failure{QStringLiteral("cannot start %1").arg(command.program)};
    started.append(command);
    return {};
}

Outcome FakeLauncher::openDocument(const QString &path)
{
    if (failingDocuments.contains(path))
        return Failure{QStringLiteral("cannot open %1").arg(path)};
    opened.append(path);
    return {};
}

Outcome FakeLauncher::startAttached(const Command &command, QProcess &)
{
    return start(command);
}
