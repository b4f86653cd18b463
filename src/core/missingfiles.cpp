#include "missingfiles.h"

#include "cataloguestore.h"
#include "relinker.h"

#include <QFileInfo>

namespace
{

bool isMissing(const QString &path)
{
    return !path.isEmpty() && !QFileInfo::exists(path);
}

} // namespace

QString MissingFiles::furtherDisk(int position)
{
    return tr("further disk %1").arg(position + 1);
}

QString MissingFiles::folderName(Configuration::Path path)
{
    switch (path) {
    case Configuration::Path::C64Games:
        return tr("C64 games folder");
    case Configuration::Path::C64Music:
        return tr("C64 music folder");
    case Configuration::Path::C64Screenshots:
        return tr("C64 screenshots folder");
    case Configuration::Path::AmigaGames:
        return tr("Amiga games folder");
    case Configuration::Path::AmigaMusic:
        return tr("Amiga music folder");
    case Configuration::Path::AmigaScreenshots:
        return tr("Amiga screenshots folder");
    default:
        return {};
    }
}

QString MissingFiles::fieldName(Game::Field field)
{
    switch (field) {
    case Game::Field::GameFile:
        return tr("game file");
    case Game::Field::SecondDrive:
        return tr("drive 2");
    case Game::Field::ThirdDrive:
        return tr("drive 3");
    case Game::Field::FourthDrive:
        return tr("drive 4");
    case Game::Field::MusicFile:
        return tr("music file");
    case Game::Field::Screenshot1:
        return tr("screenshot 1");
    case Game::Field::Screenshot2:
        return tr("screenshot 2");
    default:
        return {};
    }
}

Result<QList<MissingFile>> MissingFiles::find(const CatalogueStore &store)
{
    QList<Game::Field> fields = Game::pathFields();
    fields << Game::Field::Title;
    const Result<QList<Game>> games = store.gameFields(fields);
    if (!games)
        return games.failure();
    const Result<Configuration> configuration = store.configuration();
    if (!configuration)
        return configuration.failure();
    const Result<QHash<GameId, QStringList>> disks = store.allMoreDisks();
    if (!disks)
        return disks.failure();
    QList<MissingFile> missing;
    for (const Game &game : *games) {
        for (const Game::Field field : Game::pathFields())
            if (isMissing(game.value(field)))
                missing.append({game.id, game.title, fieldName(field), game.value(field)});
        const QStringList more = disks->value(game.id);
        for (int i = 0; i < int(more.size()); ++i)
            if (isMissing(more.at(i)))
                missing.append({game.id, game.title, furtherDisk(i), more.at(i)});
    }
    for (const Configuration::Path path : Configuration::paths())
        if (Configuration::isFolder(path) && isMissing(configuration->value(path)))
            missing.append({0, QString(), folderName(path), configuration->value(path)});
    return missing;
}

QString MissingFiles::whatChanged(const PathChange &change)
{
    if (change.isConfiguration())
        return folderName(change.folder);
    if (change.disk >= 0)
        return furtherDisk(change.disk);
    return fieldName(change.field);
}
