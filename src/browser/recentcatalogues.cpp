#include "recentcatalogues.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace browser
{
namespace
{

QString &settingsFile()
{
    static QString path;
    return path;
}

const QString kKey = QStringLiteral("recentCatalogues");

} // namespace

void RecentCatalogues::setFile(const QString &path)
{
    settingsFile() = path;
}

QString RecentCatalogues::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/recent.ini");
}

RecentCatalogues::RecentCatalogues()
{
    if (!settingsFile().isEmpty())
        m_paths = QSettings(settingsFile(), QSettings::IniFormat).value(kKey).toStringList();
    m_paths = m_paths.mid(0, kMost);
}

void RecentCatalogues::add(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    m_paths.removeAll(clean);
    m_paths.prepend(clean);
    m_paths = m_paths.mid(0, kMost);
    save();
}

void RecentCatalogues::remove(const QString &path)
{
    m_paths.removeAll(QDir::cleanPath(path));
    save();
}

void RecentCatalogues::save() const
{
    if (!settingsFile().isEmpty())
        QSettings(settingsFile(), QSettings::IniFormat).setValue(kKey, m_paths);
}

} // namespace browser
