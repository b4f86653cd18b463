#include "workfolder.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace
{

const QString kLockName = QStringLiteral(".lock");
constexpr qint64 kLeftoverAgeSeconds = 3600;

bool isOwn(const QFileInfo &entry)
{
#ifdef Q_OS_UNIX
    return entry.ownerId() == ::geteuid();
#else
    return entry.isWritable();
#endif
}

// The lock of a killed run is taken over (its process is gone); a living run keeps its own.
void removeAbandonedFolder(const QString &path)
{
    QLockFile lock(QDir(path).filePath(kLockName));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return;
    lock.unlock();
    QDir(path).removeRecursively();
}

} // namespace

WorkFolder::WorkFolder(const QString &base) : m_base(base)
{
    if (QDir::isRelativePath(base))
        return;
    QDir().mkpath(base);
    sweepLeftovers(base, QStringLiteral("vantrel-[A-Za-z0-9]{6}"));
    m_dir = std::make_unique<QTemporaryDir>(QDir(base).filePath(QStringLiteral("vantrel-XXXXXX")));
    if (m_dir->isValid()) {
        m_lock = std::make_unique<QLockFile>(m_dir->filePath(kLockName));
        m_lock->tryLock(0);
    }
}

WorkFolder::~WorkFolder() = default;

bool WorkFolder::isValid() const
{
    return m_dir && m_dir->isValid();
}

QString WorkFolder::error() const
{
    if (!m_dir)
        return QStringLiteral("the temporary folder \"%1\" is no absolute path").arg(m_base);
    return m_dir->isValid() ? QString()
                            : QStringLiteral("cannot make a work folder in %1: %2")
                                  .arg(m_base, m_dir->errorString());
}

QString WorkFolder::path() const
{
    return m_dir ? m_dir->path() : QString();
}

QString WorkFolder::filePath(const QString &name) const
{
    return m_dir ? m_dir->filePath(name) : QString();
}

QString partPath(const QString &destination)
{
    return destination + QStringLiteral(".part-") +
           QString::number(QRandomGenerator::global()->generate(), 16);
}

void sweepLeftovers(const QString &folder, const QString &namePattern)
{
    const QRegularExpression name(QRegularExpression::anchoredPattern(namePattern));
    const QDateTime cutoff = QDateTime::currentDateTime().addSecs(-kLeftoverAgeSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (!name.match(entry.fileName()).hasMatch() || entry.lastModified() > cutoff ||
            !isOwn(entry))
            continue;
        if (entry.isDir())
            removeAbandonedFolder(entry.filePath());
        else
            QFile::remove(entry.filePath());
    }
}

void sweepParts(const QString &destination)
{
    const QFileInfo target(destination);
    sweepLeftovers(target.absolutePath(), QRegularExpression::escape(target.fileName()) +
                                              QStringLiteral("\\.part-[0-9a-f]{1,8}"));
}
