#include "musiccommand.h"

#include "database.h"
#include "shortpath.h"

#include <algorithm>

namespace music
{

SoundPlayers loadPlayers(const QSqlDatabase &db, QString *error)
{
    SoundPlayers players;
    if (const auto row = catalogue::configRecord(
            db, {QStringLiteral("player1"), QStringLiteral("player2")}, error)) {
        players.player1 = row->value(0).toString();
        players.player2 = row->value(1).toString();
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
                 db, QStringLiteral("select song from tabella1 where id = ?"), {id}, &why))
        song = row->value(0).toString();
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
