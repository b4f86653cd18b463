#include "legacyreader.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

#ifndef VANTREL_READER_FROM_BIN
#define VANTREL_READER_FROM_BIN "../libexec/vantrel"
#endif

namespace legacy
{
namespace
{

constexpr qint64 kMiB = 1024 * 1024;

#ifdef Q_OS_WIN
const QString kReaderName = QStringLiteral("vantrel-jet-reader.exe");
#else
const QString kReaderName = QStringLiteral("vantrel-jet-reader");
#endif

// What the reader said on its channel, line by line.
struct ReaderReport {
    bool done = false;
    QString error;

    void take(const QByteArray &raw, const ReadProgress &progress)
    {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1String("progress "))) {
            const QStringList figures = line.split(u' ');
            if (progress && figures.size() == 3)
                progress(figures.at(1).toLongLong(), figures.at(2).toLongLong());
        } else if (line.startsWith(QLatin1String("done "))) {
            done = true;
        } else if (line.startsWith(QLatin1String("error "))) {
            error = line.mid(6);
        }
    }
};

void applyLimits([[maybe_unused]] QProcess &process, [[maybe_unused]] const ReaderLimits &limits)
{
#ifdef Q_OS_UNIX
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([limits] {
        auto set = [](int resource, rlim_t soft, rlim_t hard) {
            const rlimit value{soft, hard};
            setrlimit(resource, &value);
        };
        set(RLIMIT_AS, rlim_t(limits.memoryBytes), rlim_t(limits.memoryBytes));
        // SIGXCPU at the soft limit, SIGKILL a second later should it be ignored.
        set(RLIMIT_CPU, rlim_t(limits.cpuSeconds), rlim_t(limits.cpuSeconds) + 1);
        set(RLIMIT_FSIZE, rlim_t(limits.outputBytes), rlim_t(limits.outputBytes));
        set(RLIMIT_CORE, 0, 0);
    });
#endif
}

// Why a reader that did not finish cleanly stopped, for a user who knows nothing about it.
// ranMs tells a kill at the processor-time limit from one by someone else.
QString stopReason(const QProcess &process, const ReaderReport &report, const ReaderLimits &limits,
                   qint64 ranMs)
{
    if (process.exitStatus() == QProcess::NormalExit) {
        if (!report.error.isEmpty())
            return report.error;
        return QStringLiteral("the reader ended with code %1 without finishing")
            .arg(process.exitCode());
    }
    const int signal = process.exitCode();
#ifdef Q_OS_UNIX
    if (signal == SIGKILL && ranMs < qint64(limits.cpuSeconds) * 1000)
        return QStringLiteral("the reader was stopped from outside (signal %1)").arg(signal);
    if (signal == SIGXCPU || signal == SIGKILL)
        return QStringLiteral("the reader used up its %1 s of processor time and was stopped")
            .arg(limits.cpuSeconds);
    if (signal == SIGXFSZ)
        return QStringLiteral("the reader's output grew beyond the %1 MB allowed and it was "
                              "stopped")
            .arg(limits.outputBytes / kMiB);
#endif
    return QStringLiteral("the reader crashed (signal %1): the file is damaged, or reading it "
                          "needs more than the %2 MB of memory allowed")
        .arg(signal)
        .arg(limits.memoryBytes / kMiB);
}

// Stops the reader; the reason is given back for the caller to return.
QString stopReader(QProcess &process, const QString &reason)
{
    process.kill();
    process.waitForFinished();
    return reason;
}

// The reader sends short lines; a long run of text without a line end is none of its.
constexpr qint64 kLongestLine = 64 * 1024;

// Runs the reader to its end or its wall-clock limit; empty when it finished cleanly.
QString runReader(const QString &program, const QStringList &arguments, const ReaderRun &run,
                  const ReaderLimits &limits)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    applyLimits(process, limits);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return QStringLiteral("the reader %1 cannot be started: %2")
            .arg(program, process.errorString());
    QElapsedTimer clock;
    clock.start();
    ReaderReport report;
    while (process.state() != QProcess::NotRunning) {
        if (run.cancelled && run.cancelled())
            return stopReader(process, cancelledReason());
        if (clock.elapsed() > qint64(limits.wallSeconds) * 1000)
            return stopReader(
                process, QStringLiteral("the reader did not finish within %1 s and was stopped")
                             .arg(limits.wallSeconds));
        process.waitForReadyRead(100);
        while (process.canReadLine())
            report.take(process.readLine(), run.progress);
        if (process.bytesAvailable() > kLongestLine)
            return stopReader(process, QStringLiteral("the reader sent output it never sends"));
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
        report.take(line, run.progress);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && report.done)
        return {};
    return stopReason(process, report, limits, clock.elapsed());
}

} // namespace

QString cancelledReason()
{
    return QStringLiteral("the reading was cancelled");
}

ReaderLimits limitsFor(qint64 fileSize)
{
    ReaderLimits limits;
    limits.memoryBytes = 1024 * kMiB;
    // A second of processor time for every 256 KB is many times what a real catalogue needs.
    limits.cpuSeconds = int(30 + fileSize / (256 * 1024));
    limits.wallSeconds = limits.cpuSeconds + 30;
    // Rows may share long values in the file, so the copy may be larger than the original.
    limits.outputBytes = 64 * kMiB + 16 * fileSize;
    return limits;
}

QString readerProgram()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &folder :
         {QDir::cleanPath(programDir.filePath(QStringLiteral(VANTREL_READER_FROM_BIN))),
          programDir.path()}) {
        const QFileInfo reader(QDir(folder).filePath(kReaderName));
        if (reader.isFile() && reader.isExecutable())
            return reader.absoluteFilePath();
    }
    return {};
}

namespace
{

// The limits given, each one not given (zero) taken from limitsFor.
ReaderLimits completed(ReaderLimits limits, qint64 fileSize)
{
    const ReaderLimits defaults = limitsFor(fileSize);
    auto fill = [](auto &value, auto fallback) { value = value > 0 ? value : fallback; };
    fill(limits.memoryBytes, defaults.memoryBytes);
    fill(limits.cpuSeconds, defaults.cpuSeconds);
    fill(limits.wallSeconds, defaults.wallSeconds);
    fill(limits.outputBytes, defaults.outputBytes);
    return limits;
}

// Runs the reader with the leading arguments, then the file and the output.
QString readWith(const QStringList &leading, const QString &jetFile, const QString &output,
                 const ReaderRun &run)
{
    auto refuse = [&jetFile, &output](const QString &why) {
        QFile::remove(output);
        return QStringLiteral("%1 cannot be read: %2").arg(jetFile, why);
    };
    if (const Outcome file = checkRegularFile(jetFile); !file)
        return file.error();
    const QFileInfo info(jetFile);
    if (!info.isReadable())
        return QStringLiteral("%1 cannot be read").arg(jetFile);
    if (QFileInfo::exists(output))
        return QStringLiteral("%1 exists already").arg(output);
    const QString program = run.program.isEmpty() ? readerProgram() : run.program;
    if (program.isEmpty())
        return refuse(QStringLiteral("this installation has no reader for legacy Jet files (%1)")
                          .arg(kReaderName));
    const ReaderLimits limits = completed(run.limits, info.size());
    const QString why = runReader(
        program,
        leading + QStringList{info.absoluteFilePath(), QFileInfo(output).absoluteFilePath()}, run,
        limits);
    return why.isEmpty() ? QString() : refuse(why);
}

} // namespace

Outcome readJetFile(const QString &jetFile, const QString &output, const ReaderRun &run)
{
    return failureIf(readWith({}, jetFile, output, run));
}

Outcome readJetTables(const QString &jetFile, const QString &tables, const QString &output,
                      const ReaderRun &run)
{
    return failureIf(readWith({QStringLiteral("--tables"), tables}, jetFile, output, run));
}

} // namespace legacy
