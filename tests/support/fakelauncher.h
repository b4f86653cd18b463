#pragma once

#include "launcher.h"

#include <QList>
#include <QSet>

// Records the commands and documents instead of starting anything. Programs named in
// failing (and documents in failingDocuments) report a start failure.
class FakeLauncher : public Launcher
{
public:
    Outcome start(const Command &command) override;
    Outcome openDocument(const QString &path) override;
    // Records the command like start; the process is left unstarted.
    Outcome startAttached(const Command &command, QProcess &process) override;

    QList<Command> started;
    QStringList opened;
    QSet<QString> failing;
    QSet<QString> failingDocuments;
};
