#include "fileops.h"

#include "regularfile.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace merrow
{
namespace
{

// Qt says "Unknown error" where the system knows better.
QString reasonOf(const QFileDevice &file, int savedErrno)
{
    const QString text = file.errorString();
    if (savedErrno != 0 && (text.isEmpty() || text == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return text;
}

} // namespace

// The names go through QFile::encodeName: any character works whatever the locale.
bool replaceFile(const QString &from, const QString &to, QString *error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    const int code = errno;
    if (error)
        *error = QStringLiteral("cannot rename %1 to %2: %3")
                     .arg(from, to, QString::fromLocal8Bit(std::strerror(code)));
    return false;
}

bool copyIntoPlace(const QString &source, const QString &destination, QString *error,
                   const std::function<QString(const QString &)> &verify)
{
    if (QString why = checkRegularFile(source); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    sweepParts(destination);
    const QString part = partPath(destination);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
        return false;
    }
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(part, out.errorString());
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        errno = 0;
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0 || (n > 0 && out.write(buffer, n) != n)) {
            const QString why = n < 0 ? reasonOf(in, errno) : reasonOf(out, errno);
            out.close();
            QFile::remove(part);
            if (error)
                *error = QStringLiteral("cannot copy %1 to %2: %3").arg(source, part, why);
            return false;
        }
        if (n == 0)
            break;
    }
    // A full floppy shows up on flush and close, not on write.
    errno = 0;
    if (!out.flush() || (out.close(), out.error() != QFileDevice::NoError)) {
        const QString why = reasonOf(out, errno);
        QFile::remove(part);
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(part, why);
        return false;
    }
    if (verify) {
        if (const QString why = verify(part); !why.isEmpty()) {
            QFile::remove(part);
            if (error)
                *error = QStringLiteral("the copy at %1 is unfit: %2").arg(part, why);
            return false;
        }
    }
    if (!replaceFile(part, destination, error)) {
        QFile::remove(part);
        return false;
    }
    return true;
}

QString exportFilePath(const QString &folder)
{
    const QString name = QStringLiteral("export.mdb");
    if (QDir(folder).isRoot() &&
        (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        return folder + name;
    return folder + QDir::separator() + name;
}

} // namespace merrow
