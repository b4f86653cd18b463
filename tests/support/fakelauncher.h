#pragma once

#include "launcher.h"

#include <QList>
#include <QSet>

// Records the commands and documents instead of starting anything. Programs named in
// failing (and documents in failingDocuments) report a start failure.
class FakeLauncher : public Launcher
{
public:
    bool start(const Command &command, QString *error) override;
    bool openDocument(const QString &path, QString *error) override;
    // Records the command like start; the process is left unstarted.
    bool startAttached(const Command &command, QProcess &process, QString *error) override;

    QList<Command> started;
    QStringList opened;
    QSet<QString> failing;
    QSet<QString> failingDocuments;
};
