#include "headlesslist.h"

#include "cataloguestore.h"
#include "database.h"
#include "escaping.h"
#include "gameorder.h"
#include "listcaption.h"

#include <QIODevice>

#include <charconv>

namespace browser
{

int listGames(const QString &cataloguePath, const ListingRequest &request, QIODevice &out,
              QIODevice &err)
{
    const std::optional<GameSort> sort =
        request.sort.isEmpty() ? GameSort::Title : GameOrder::fromKey(request.sort);
    if (!sort) {
        err.write(QStringLiteral("Unknown sort key: %1 (title, year, publisher, machine, genre, "
                                 "played, plays)\n")
                      .arg(escapeControls(request.sort))
                      .toUtf8());
        return 2;
    }
    const auto connection =
        catalogue::Connection::open(cataloguePath, catalogue::Connection::Mode::ReadOnly);
    if (!connection) {
        err.write(
            QStringLiteral("Cannot open the catalogue: %1\n").arg(connection.error()).toUtf8());
        return 2;
    }
    GameQuery query;
    query.filter.c64 = request.c64 || !request.amiga;
    query.filter.amiga = request.amiga || !request.c64;
    query.filter.playable = request.playable;
    query.filter.sound = request.sound;
    query.filter.favourites = request.favourites;
    query.filter.recent = request.recent;
    // Both machines list every game, whatever its code, as the window does with both boxes.
    query.filter.anyCode = query.filter.c64 && query.filter.amiga;
    query.search = request.find;
    // Any order but the title's needs the columns it sorts by.
    const CatalogueStore store((*connection)->db());
    auto games = request.sort.isEmpty() ? store.gameTitles(query) : store.games(query);
    if (!games) {
        err.write(QStringLiteral("Cannot read the game list: %1\n").arg(games.error()).toUtf8());
        return 2;
    }
    if (games->isEmpty()) {
        err.write((QStringLiteral("No record found for ") +
                   escapeControls(listCaption(query.filter, request.find)) + QLatin1Char('\n'))
                      .toUtf8());
        return 1;
    }
    if (!request.sort.isEmpty())
        GameOrder::sort(*games, *sort);
    // Lines gather as text and are encoded a block at a time, not one small array per line.
    QString block;
    block.reserve(70000);
    char id[24];
    for (const GameSummary &row : *games) {
        // The id as Latin-1 straight from the stack: no string of its own per line.
        block += QLatin1StringView(id, std::to_chars(id, id + sizeof id, row.id).ptr) + u'\t' +
                 escapeControls(row.title) + u'\n';
        if (block.size() > 65536) {
            out.write(block.toUtf8());
            block.clear();
        }
    }
    out.write(block.toUtf8());
    return 0;
}

} // namespace browser
