#include "tuneloader.h"

#include "c64tune.h"
#include "hvscdocuments.h"
#include "logging.h"
#include "moduletune.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace music
{
namespace
{

// The texts' context: lupdate files a free function's tr() under its namespace, which the
// program never asks for.
class Music
{
    Q_DECLARE_TR_FUNCTIONS(Music)
};

bool isSid(const QByteArray &data)
{
    return data.startsWith("PSID") || data.startsWith("RSID");
}

Result<std::unique_ptr<Tune>> loadSid(const QByteArray &data, const QString &path,
                                      const MusicSources &sources)
{
    const Result<C64Roms> roms = readC64Roms(sources);
    if (!roms)
        return roms.failure();
    return C64Tune::load(data, *roms, findHvscFolder(path, sources.hvscFolder), path);
}

} // namespace

Result<std::unique_ptr<Tune>> loadTune(const QByteArray &data, const QString &path,
                                       const MusicSources &sources)
{
    auto tune = isSid(data) ? loadSid(data, path, sources) : ModuleTune::load(data);
    if (!tune) {
        const QString name = path.isEmpty() ? Music::tr("The tune") : path;
        // The caller shows the refusal; the log keeps it for a debugging session only.
        qCDebug(lcLaunch) << "music:" << name << tune.error();
        return Failure{Music::tr("%1 cannot be played: %2").arg(name, tune.error())};
    }
    return tune;
}

Result<std::unique_ptr<Tune>> loadTune(const QString &path, const MusicSources &sources)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return Failure{
            Music::tr("%1 cannot be read: %2")
                .arg(path, file.exists() ? file.errorString() : Music::tr("no such file"))};
    if (file.size() > kMaxTuneSize)
        return Failure{Music::tr("%1 cannot be played: it is too large for a tune").arg(path)};
    return loadTune(file.readAll(), path, sources);
}

} // namespace music
