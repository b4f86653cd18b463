#pragma once

#include "result.h"

#include <QObject>
#include <QProcess>

class Launcher;
struct Command;

// The one external music player the program has started: a new start replaces it, stop()
// and the end of the program end it by its pid. A player that cannot start, or that ends
// at once with an error, is reported with what it said.
class ExternalPlayer : public QObject
{
    Q_OBJECT
public:
    explicit ExternalPlayer(Launcher &launcher, QObject *parent = nullptr);
    ~ExternalPlayer() override;

    Outcome start(const Command &command);
    void stop();
    // The running player's process id; 0 when none runs.
    qint64 pid() const;

Q_SIGNALS:
    void started();
    // A player started, ended or was stopped.
    void runningChanged();
    // The player ended with an error soon after its start.
    void failed(const QString &message);

private:
    void onFinished(int code, QProcess::ExitStatus status);

    Launcher &m_launcher;
    QProcess *m_process = nullptr;
    QString m_program;
    QByteArray m_errors;
    qint64 m_startedAt = 0;
};
