#include "gamediff.h"

#include "cataloguestore.h"

namespace merrow
{

const QList<ComparedField> &comparedFields()
{
    using F = Game::Field;
    static const QList<ComparedField> fields = {{F::Publisher, "Publisher  "},
                                                {F::Team, "Team       "},
                                                {F::Year, "Year       "},
                                                {F::Genre, "Genre      "},
                                                {F::Design, "Design     "},
                                                {F::Programming, "Programming"},
                                                {F::Graphics, "Graphics   "},
                                                {F::Music, "Music/Sfx  "},
                                                {F::AdditionalDesign, "Add. Design"},
                                                {F::AdditionalProgramming, "Add. Progr."},
                                                {F::AdditionalGraphics, "Add. Grfx  "},
                                                {F::AdditionalMusic, "Add. Music "},
                                                {F::OtherCredits, "Others     "},
                                                {F::Note, "Note       "}};
    return fields;
}

std::optional<QString> diffLine(const QString &label, const QString &local, const QString &exported)
{
    const auto shown = [](const QString &v) {
        return Game::isSet(v) ? v : QStringLiteral("EMPTY");
    };
    const QString a = shown(local);
    const QString b = shown(exported);
    if (a == b)
        return std::nullopt;
    return label + QStringLiteral(": ") + a + QStringLiteral(" -> ") + b;
}

Result<GameDiff> compareGame(const QSqlDatabase &local, const QSqlDatabase &exportDb,
                             GameId exportId)
{
    const Result<Game> exported = CatalogueStore(exportDb).game(exportId);
    if (!exported)
        return exported.failure();
    const Result<std::optional<Game>> mine =
        CatalogueStore(local).matchingGame(exported->title, exported->machine);
    if (!mine)
        return mine.failure();
    GameDiff diff;
    if (!mine->has_value()) {
        diff.isNew = true;
        return diff;
    }
    for (const ComparedField &f : comparedFields()) {
        if (auto line =
                diffLine(QLatin1String(f.label), (*mine)->value(f.field), exported->value(f.field)))
            diff.lines.append(*line);
    }
    return diff;
}

} // namespace merrow
