#include "listcaption.h"

#include <QStringList>

namespace browser
{

QString listCaption(const GameFilter &filter, const QString &search)
{
    QStringList boxes;
    if (filter.c64 != filter.amiga)
        boxes << (filter.c64 ? QStringLiteral("C64") : QStringLiteral("Amiga"));
    if (filter.playable)
        boxes << QStringLiteral("Playable");
    if (filter.sound)
        boxes << QStringLiteral("Sound");
    if (filter.favourites)
        boxes << QStringLiteral("Favourites");
    if (filter.recent)
        boxes << QStringLiteral("Recently played");
    const QString named = boxes.join(QStringLiteral(", "));
    if (search.isEmpty())
        return boxes.isEmpty() ? QStringLiteral("C64, Amiga") : named;
    return boxes.isEmpty() ? search : search + QStringLiteral(" (") + named + QLatin1Char(')');
}

} // namespace browser
