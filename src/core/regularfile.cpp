#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#endif

namespace
{

QString notAFile(const QString &path, const char *kind)
{
    return QStringLiteral("%1 is %2, not a file").arg(path, QLatin1String(kind));
}

#ifndef Q_OS_WIN
const char *kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a special file";
}
#endif

QString regularFileProblem(const QString &path, qint64 largest)
{
    qint64 size = 0;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1 does not exist").arg(path);
    if (!info.isFile())
        return notAFile(path, info.isDir() ? "a folder" : "a special file");
    size = info.size();
#else
    // stat, not lstat: a linked catalogue is the user's choice, and a link to a FIFO or a
    // device is refused for what it names.
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            return QStringLiteral("%1 does not exist").arg(path);
        return QStringLiteral("%1 cannot be read: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(code)));
    }
    if (!S_ISREG(st.st_mode))
        return notAFile(path, kindOf(st.st_mode));
    size = st.st_size;
#endif
    if (size > largest)
        return QStringLiteral("%1 is larger than %2 bytes, more than any catalogue holds")
            .arg(path)
            .arg(largest);
    return {};
}

} // namespace

Outcome checkRegularFile(const QString &path, qint64 largest)
{
    return failureIf(regularFileProblem(path, largest));
}

Outcome checkReadableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir() && info.isReadable() && info.isExecutable())
        return {};
    return Failure{
        QCoreApplication::translate("Relinker", "%1 is not a readable folder.").arg(folder)};
}
