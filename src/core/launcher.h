#pragma once

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
    virtual bool start(const Command &command, QString *error) = 0;
    virtual bool openDocument(const QString &path, QString *error) = 0;
    // Starts a program the caller watches and ends (a music player), not detached, so its
    // exit and error output reach the caller through process.
    virtual bool startAttached(const Command &command, QProcess &process, QString *error);
};

class ProcessLauncher : public Launcher
{
public:
    bool start(const Command &command, QString *error) override;
    bool openDocument(const QString &path, QString *error) override;
};
