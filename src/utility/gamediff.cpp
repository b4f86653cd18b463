#include "gamediff.h"

#include "database.h"

namespace merrow
{

const QList<ComparedField> &comparedFields()
{
    static const QList<ComparedField> fields = {
        {"sh", "Publisher  "},          {"team", "Team       "},
        {"year", "Year       "},        {"tipo", "Genre      "},
        {"design", "Design     "},      {"programming", "Programming"},
        {"graphics", "Graphics   "},    {"music", "Music/Sfx  "},
        {"adddesign", "Add. Design"},   {"addprogramming", "Add. Progr."},
        {"addgraphics", "Add. Grfx  "}, {"addmusic", "Add. Music "},
        {"others", "Others     "},      {"note", "Note       "}};
    return fields;
}

QString diffLine(const QString &label, const QVariant &local, const QVariant &exported,
                 bool *differs)
{
    const auto shown = [](const QVariant &v) {
        return catalogue::isEmptyValue(v) ? QStringLiteral("EMPTY") : v.toString();
    };
    const QString a = shown(local);
    const QString b = shown(exported);
    *differs = a != b;
    return label + QStringLiteral(": ") + a + QStringLiteral(" -> ") + b;
}

GameDiff compareGame(const QSqlDatabase &local, const QSqlDatabase &exportDb, qint64 exportId)
{
    GameDiff diff;
    const auto exportedRow = catalogue::fetchOne(
        exportDb, QStringLiteral("select * from tabella1 where id = ?"), {exportId});
    diff.error = exportedRow.error();
    if (!exportedRow || !exportedRow->has_value())
        return diff;
    const QSqlRecord &exported = **exportedRow;
    diff.found = true;
    // "is" rather than "=": a game without title still finds its own kind.
    const auto mineRow = catalogue::fetchOne(
        local,
        QStringLiteral("select * from tabella1 where titolo is ? and formato is ? order by id"),
        {exported.value(QStringLiteral("titolo")), exported.value(QStringLiteral("formato"))});
    diff.error = mineRow.error();
    if (!mineRow || !mineRow->has_value()) {
        diff.isNew = diff.error.isEmpty();
        return diff;
    }
    const QSqlRecord &mine = **mineRow;
    for (const ComparedField &f : comparedFields()) {
        const QString column = QLatin1String(f.column);
        bool differs = false;
        const QString text =
            diffLine(QLatin1String(f.label), mine.value(column), exported.value(column), &differs);
        if (differs)
            diff.lines.append({text, exportId});
    }
    return diff;
}

} // namespace merrow
