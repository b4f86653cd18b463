#include "fileops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace merrow
{

bool replaceFile(const QString &from, const QString &to, QString *error)
{
    std::error_code ec;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), ec);
    if (ec && error)
        *error = QStringLiteral("cannot rename %1 to %2: %3")
                     .arg(from, to, QString::fromLocal8Bit(ec.message().c_str()));
    return !ec;
}

bool copyIntoPlace(const QString &source, const QString &destination, QString *error,
                   const std::function<QString(const QString &)> &verify)
{
    const QString part = destination + QStringLiteral(".part");
    QFile::remove(part);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
        return false;
    }
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(part, out.errorString());
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0 || (n > 0 && out.write(buffer, n) != n)) {
            const QString why = n < 0 ? in.errorString() : out.errorString();
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
    if (!out.flush() || (out.close(), out.error() != QFileDevice::NoError)) {
        const QString why = out.errorString();
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

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
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
