#include "musicsettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace music
{
namespace
{

struct Key {
    const char *name;
    QString MusicSources::*value;
};
constexpr Key kKeys[] = {{"music/hvscFolder", &MusicSources::hvscFolder},
                         {"music/kernalRom", &MusicSources::kernalRom},
                         {"music/basicRom", &MusicSources::basicRom},
                         {"music/characterRom", &MusicSources::characterRom}};

} // namespace

QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/music.ini");
}

MusicSources savedSources(const QString &file)
{
    const QSettings settings(file, QSettings::IniFormat);
    MusicSources sources;
    for (const Key &key : kKeys)
        sources.*key.value = settings.value(QLatin1String(key.name)).toString();
    return sources;
}

void saveSources(const MusicSources &sources, const QString &file)
{
    QSettings settings(file, QSettings::IniFormat);
    for (const Key &key : kKeys)
        settings.setValue(QLatin1String(key.name), sources.*key.value);
}

} // namespace music
