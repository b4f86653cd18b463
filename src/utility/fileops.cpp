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

Failure failure(const QString &why)
{
    return {why};
}

// Copies in into out; why not, naming part.
Outcome copyBytes(QFile &in, QFile &out, const QString &source, const QString &part)
{
    char buffer[1 << 16];
    for (;;) {
        errno = 0;
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0 || (n > 0 && out.write(buffer, n) != n)) {
            const QString why = n < 0 ? reasonOf(in, errno) : reasonOf(out, errno);
            return failure(QStringLiteral("cannot copy %1 to %2: %3").arg(source, part, why));
        }
        if (n == 0)
            break;
    }
    // A full floppy shows up on flush and close, not on write.
    errno = 0;
    if (!out.flush() || (out.close(), out.error() != QFileDevice::NoError))
        return failure(QStringLiteral("cannot write %1: %2").arg(part, reasonOf(out, errno)));
    return {};
}

} // namespace

// The names go through QFile::encodeName: any character works whatever the locale.
Outcome replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    const int code = errno;
    return failure(QStringLiteral("cannot rename %1 to %2: %3")
                       .arg(from, to, QString::fromLocal8Bit(std::strerror(code))));
}

Outcome copyIntoPlace(const QString &source, const QString &destination, const CopyCheck &verify)
{
    if (const Outcome file = checkRegularFile(source); !file)
        return failure(file.error());
    sweepParts(destination);
    const QString part = partPath(destination);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return failure(QStringLiteral("cannot write %1: %2").arg(part, out.errorString()));
    Outcome done = copyBytes(in, out, source, part);
    if (done && verify) {
        if (const Outcome fit = verify(part); !fit)
            done = failure(QStringLiteral("the copy at %1 is unfit: %2").arg(part, fit.error()));
    }
    if (done)
        done = replaceFile(part, destination);
    if (!done) {
        out.close();
        QFile::remove(part);
    }
    return done;
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
