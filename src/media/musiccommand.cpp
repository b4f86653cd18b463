#include "musiccommand.h"

#include "cataloguestore.h"
#include "database.h"
#include "shortpath.h"

#include <algorithm>

namespace music
{

SoundPlayers loadPlayers(const QSqlDatabase &db, QString *error)
{
    SoundPlayers players;
    if (!db.isOpen()) {
        if (error)
            *error = QStringLiteral("The catalogue is not open.");
        return players;
    }
    const auto configuration = CatalogueStore(db).configuration();
    if (error)
        *error = configuration.error();
    if (configuration) {
        players.player1 = configuration->player1;
        players.player2 = configuration->player2;
    }
    return players;
}

QString loadSong(const QSqlDatabase &db, int id, QString *error)
{
    QString why;
    QString song;
    if (!db.isOpen())
        why = QStringLiteral("The catalogue is not open.");
    else if (const auto row = catalogue::fetchOne(
                 db, QStringLiteral("select song from tabella1 where id = ?"), {id});
             !row)
        why = row.error();
    else if (row->has_value())
        song = (*row)->value(0).toString();
    if (error)
        *error = why;
    return song;
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
