#include "musiccommand.h"

#include "cataloguestore.h"
#include "shortpath.h"

#include <algorithm>

namespace music
{

Result<GameMusic> readGameMusic(const CatalogueStore &store, GameId id)
{
    const Result<Configuration> configuration = store.configuration();
    if (!configuration)
        return configuration.failure();
    const Result<std::optional<Game>> game = store.findGame(id);
    if (!game)
        return game.failure();
    const Game found = game->value_or(Game());
    return GameMusic{found.title, found.musicFile, configuration->player1, configuration->player2};
}

QString programName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    QString name = path.mid(cut + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return name;
    const QStringView ext = QStringView(name).mid(dot + 1);
    bool letter = false;
    bool plain = !ext.isEmpty() && ext.size() <= 4;
    for (const QChar c : ext) {
        plain = plain && c.isLetterOrNumber();
        letter = letter || c.isLetter();
    }
    if (plain && letter)
        name.truncate(dot);
    return name;
}

QString playerCaption(const QString &path)
{
    const QString name = programName(path);
    return name.isEmpty() ? path : name;
}

Command playCommand(const QString &player, const QString &file)
{
    return Command{player, {shortPath(file)}, WindowStyle::MinimizedFocus};
}

} // namespace music
