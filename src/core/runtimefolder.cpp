#include "runtimefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace
{

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// Why path is no private folder of user's; empty when it is one.
QString folderProblem(const QString &path, uint user)
{
#ifdef Q_OS_UNIX
    struct stat st {
    };
    // lstat: a link planted under the name is judged itself, never its target.
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("it is not a folder");
    if (st.st_uid != user)
        return QStringLiteral("it belongs to user %1").arg(st.st_uid);
    if ((st.st_mode & 07777) != 0700)
        return QStringLiteral("its mode is %1, not 700")
            .arg(st.st_mode & 07777, 3, 8, QLatin1Char('0'));
    return {};
#else
    // The user's own temporary folder is closed to others by its access list.
    Q_UNUSED(user);
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction())
        return QStringLiteral("it is a link");
    return info.isDir() ? QString() : QStringLiteral("it is not a folder");
#endif
}

QStringList candidateFolders(const QString &runtimeBase, const QString &tempBase, uint user)
{
#ifdef Q_OS_UNIX
    QStringList folders;
    if (QDir::isAbsolutePath(runtimeBase))
        folders << QDir(runtimeBase).filePath(QStringLiteral("vantrel"));
    folders << QDir(tempBase).filePath(QStringLiteral("vantrel-%1").arg(user));
    return folders;
#else
    Q_UNUSED(runtimeBase);
    Q_UNUSED(user);
    return {QDir(tempBase).filePath(QStringLiteral("vantrel"))};
#endif
}

std::filesystem::path nativePath(const QString &path)
{
    return QFileInfo(path).filesystemFilePath();
}

} // namespace

RuntimeFolder RuntimeFolder::forUser(const QString &tempBase)
{
#ifdef Q_OS_UNIX
    return RuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), tempBase, ::geteuid());
#else
    return RuntimeFolder(QString(), tempBase, 0);
#endif
}

RuntimeFolder::RuntimeFolder(const QString &runtimeBase, const QString &tempBase, uint user)
{
    // Never a folder relative to wherever the program was started.
    const QString temp = tempBase.isEmpty() ? QDir::tempPath() : tempBase;
    QDir().mkpath(temp);
    QStringList problems;
    for (const QString &folder : candidateFolders(runtimeBase, temp, user)) {
        QDir().mkdir(folder, kOwnerOnly); // whatever was there already is judged next
        const QString why = folderProblem(folder, user);
        if (why.isEmpty()) {
            m_path = folder;
            return;
        }
        problems << QDir::toNativeSeparators(folder) + QStringLiteral(": ") + why;
    }
    // Someone else holds the names: a folder no one can have guessed, made 0700.
    QTemporaryDir fresh(QDir(temp).filePath(QStringLiteral("vantrel-XXXXXX")));
    if (fresh.isValid()) {
        fresh.setAutoRemove(false);
        m_path = fresh.path();
        qWarning("Not using %s; using %s instead", qPrintable(problems.join(QStringLiteral("; "))),
                 qPrintable(QDir::toNativeSeparators(m_path)));
        return;
    }
    problems << QDir::toNativeSeparators(temp) + QStringLiteral(": ") + fresh.errorString();
    m_error = QStringLiteral("No private folder for the files of the started programs: ") +
              problems.join(QStringLiteral("; "));
}

QString RuntimeFolder::filePath(const QString &name) const
{
    return isValid() ? QDir(m_path).filePath(name) : QString();
}

Result<std::unique_ptr<QTemporaryFile>> RuntimeFolder::newFile() const
{
    if (!isValid())
        return Failure{m_error};
    // QTemporaryFile creates with O_EXCL and mode 0600.
    auto file = std::make_unique<QTemporaryFile>(filePath(QStringLiteral(".part-XXXXXX")));
    if (file->open())
        return file;
    return Failure{QStringLiteral("Cannot write in %1: %2")
                       .arg(QDir::toNativeSeparators(m_path), file->errorString())};
}

Outcome RuntimeFolder::place(QTemporaryFile &file, const QString &name) const
{
    const QString part = file.fileName();
    file.close();
    if (file.error() != QFile::NoError)
        return Failure{file.errorString()}; // the part file goes with the object
    std::error_code failure;
    // rename() replaces the name itself, whatever it is, and never follows a link there.
    std::filesystem::rename(nativePath(part), nativePath(filePath(name)), failure);
    if (failure)
        return Failure{QString::fromLocal8Bit(failure.message())};
    file.setAutoRemove(false);
    return {};
}
