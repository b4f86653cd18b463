#include "c64roms.h"

#include <QCoreApplication>
#include <QFile>

namespace music
{
namespace
{

Result<QByteArray> readRom(const QString &path, qint64 size, const char *what)
{
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("Music", "The %1 ROM file %2 cannot be read: %3")
                           .arg(QLatin1String(what), path, file.errorString())};
    const QByteArray image = file.read(size + 1);
    if (image.size() != size)
        return Failure{QCoreApplication::translate("Music", "%1 is not a C64 %2 ROM: it must be "
                                                            "%3 bytes long.")
                           .arg(path, QLatin1String(what))
                           .arg(size)};
    return image;
}

} // namespace

Result<C64Roms> readC64Roms(const MusicSources &sources)
{
    auto kernal = readRom(sources.kernalRom, 8192, "KERNAL");
    if (!kernal)
        return kernal.failure();
    auto basic = readRom(sources.basicRom, 8192, "BASIC");
    if (!basic)
        return basic.failure();
    auto character = readRom(sources.characterRom, 4096, "character");
    if (!character)
        return character.failure();
    return C64Roms{*kernal, *basic, *character};
}

} // namespace music
