#pragma once

#include "result.h"

#include <QString>
#include <QStringList>

class QProcess;

enum class WindowStyle { NormalFocus, MinimizedFocus };

// A program with its arguments, started without a shell: blanks in paths need no quoting.
struct Command {
    QString program;
    QStringList arguments;
    WindowStyle windowStyle = WindowStyle::NormalFocus;

    // The one-line form: program and arguments joined by one blank.
    QString text() const;
    bool operator==(const Command &) const = default;
};

// Starts programs detached and opens documents with the desktop's handler.
class Launcher
{
public:
    virtual ~Launcher() = default;
    [[nodiscard]] virtual Outcome start(const Command &command) = 0;
    [[nodiscard]] virtual Outcome openDocument(const QString &path) = 0;
    // Starts a program the caller watches and ends (a music player), not detached, so its
    // exit and error output reach the caller through process.
    [[nodiscard]] virtual Outcome startAttached(const Command &command, QProcess &process);
};

class ProcessLauncher : public Launcher
{
public:
    Outcome start(const Command &command) override;
    Outcome openDocument(const QString &path) override;
};
