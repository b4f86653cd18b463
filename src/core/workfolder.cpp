#include "workfolder.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

WorkFolder::WorkFolder(const QString &base) : m_base(base)
{
    QDir().mkpath(base);
    m_dir = std::make_unique<QTemporaryDir>(QDir(base).filePath(QStringLiteral("vantrel-XXXXXX")));
}

WorkFolder::~WorkFolder() = default;

bool WorkFolder::isValid() const
{
    return m_dir->isValid();
}

QString WorkFolder::error() const
{
    return m_dir->isValid() ? QString()
                            : QStringLiteral("cannot make a work folder in %1: %2")
                                  .arg(m_base, m_dir->errorString());
}

QString WorkFolder::path() const
{
    return m_dir->path();
}

QString WorkFolder::filePath(const QString &name) const
{
    return m_dir->filePath(name);
}

QString partPath(const QString &destination)
{
    return destination + QStringLiteral(".part-") +
           QString::number(QRandomGenerator::global()->generate(), 16);
}
