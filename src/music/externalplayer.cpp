#include "externalplayer.h"

#include "launcher.h"
#include "logging.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace
{

// A player that gives up within this time has refused the tune: the user hears why.
constexpr qint64 kEarlyExitMs = 3000;
constexpr int kTermWaitMs = 1000;
// What is kept of a player's error output: its last words are the reason.
constexpr qsizetype kErrorBytes = 4096;

} // namespace

ExternalPlayer::ExternalPlayer(Launcher &launcher, QObject *parent)
    : QObject(parent), m_launcher(launcher)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ExternalPlayer::stop);
}

ExternalPlayer::~ExternalPlayer()
{
    stop();
}

Outcome ExternalPlayer::start(const Command &command)
{
    stop();
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &ExternalPlayer::onFinished);
    connect(m_process, &QProcess::readyReadStandardError, this, [this] {
        m_errors.append(m_process->readAllStandardError());
        m_errors = m_errors.right(kErrorBytes);
    });
    m_errors.clear();
    if (const Outcome attached = m_launcher.startAttached(command, *m_process); !attached) {
        const QString error = attached.error();
        qCWarning(lcLaunch) << "cannot start" << command.program << error;
        delete m_process;
        m_process = nullptr;
        return Failure{QCoreApplication::translate("Music", "The sound player could not be "
                                                            "started:\n%1\n%2")
                           .arg(command.program, error)};
    }
    m_program = command.program;
    m_startedAt = QDateTime::currentMSecsSinceEpoch();
    Q_EMIT started();
    Q_EMIT runningChanged();
    return {};
}

void ExternalPlayer::stop()
{
    if (!m_process)
        return;
    QProcess *process = std::exchange(m_process, nullptr);
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        qCInfo(lcLaunch) << "music: ending the player" << process->processId();
        process->terminate();
        if (!process->waitForFinished(kTermWaitMs)) {
            process->kill();
            process->waitForFinished(kTermWaitMs);
        }
    }
    delete process;
    Q_EMIT runningChanged();
}

qint64 ExternalPlayer::pid() const
{
    return m_process ? m_process->processId() : 0;
}

void ExternalPlayer::onFinished(int code, QProcess::ExitStatus status)
{
    QProcess *process = std::exchange(m_process, nullptr);
    const bool early = QDateTime::currentMSecsSinceEpoch() - m_startedAt < kEarlyExitMs;
    m_errors.append(process->readAllStandardError());
    const QString said = QString::fromLocal8Bit(m_errors.right(kErrorBytes)).trimmed();
    process->deleteLater();
    Q_EMIT runningChanged();
    if (!early || (status == QProcess::NormalExit && code == 0))
        return;
    const QString why = !said.isEmpty() ? said
                        : status == QProcess::CrashExit
                            ? QCoreApplication::translate("Music", "it crashed")
                            : QCoreApplication::translate("Music", "exit code %1").arg(code);
    Q_EMIT failed(QCoreApplication::translate("Music", "The sound player %1 stopped at once:\n%2")
                      .arg(QFileInfo(m_program).fileName(), why));
}
