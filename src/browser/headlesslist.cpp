#include "headlesslist.h"

#include "database.h"
#include "escaping.h"
#include "listquery.h"

#include <QIODevice>

namespace browser
{

int listGames(const QString &cataloguePath, const ListingRequest &request, QIODevice &out,
              QIODevice &err)
{
    const auto connection =
        catalogue::Connection::open(cataloguePath, catalogue::Connection::Mode::ReadOnly);
    if (!connection) {
        err.write(
            QStringLiteral("Cannot open the catalogue: %1\n").arg(connection.error()).toUtf8());
        return 2;
    }
    ListFilter filter;
    filter.c64 = request.c64 || !request.amiga;
    filter.amiga = request.amiga || !request.c64;
    filter.playable = request.playable;
    filter.sound = request.sound;
    // Both machines list every game, whatever its code, as the window does with both boxes.
    filter.anyCode = filter.c64 && filter.amiga;
    const SqlClause search = request.find.isEmpty() ? SqlClause{} : searchClause(request.find);
    const ListResult result = fetchList((*connection)->db(), filterClause(filter), search);
    if (!result.ok()) {
        err.write(QStringLiteral("Cannot read the game list: %1\n").arg(result.error).toUtf8());
        return 2;
    }
    if (result.rows.isEmpty()) {
        err.write((QStringLiteral("No record found for ") +
                   escapeControls(listCaption(filter, request.find)) + QLatin1Char('\n'))
                      .toUtf8());
        return 1;
    }
    QByteArray block;
    for (const ListRow &row : result.rows) {
        block += QByteArray::number(row.id) + '\t' + escapeControls(row.title).toUtf8() + '\n';
        if (block.size() > 65536) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
    return 0;
}

} // namespace browser
