#include "gameorder.h"

#include "dialectfold.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <numeric>
#include <string>

namespace
{

using Key = qint64;
constexpr Key kEmpty = std::numeric_limits<Key>::max();

const QString &textOf(const GameSummary &row, GameSort sort)
{
    switch (sort) {
    case GameSort::Year:
        return row.year;
    case GameSort::Publisher:
        return row.publisher;
    case GameSort::Machine:
        return row.machine;
    default:
        return row.genre;
    }
}

std::u32string folded(const QString &text)
{
    std::u32string key;
    key.reserve(size_t(text.size()));
    for (const char32_t c : text.toUcs4())
        key.push_back(catalogue::dialect::caseFold(c));
    return key;
}

// Each row's rank among the distinct texts of the column: few distinct values (machines,
// publishers, years) are folded and sorted once, not once per row.
std::vector<Key> textRanks(const QList<GameSummary> &rows, GameSort sort)
{
    QHash<QString, quint32> distinct;
    std::vector<quint32> valueOf(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &text = textOf(rows.at(i), sort);
        auto it = distinct.constFind(text);
        if (it == distinct.cend())
            it = distinct.insert(text, quint32(distinct.size()));
        valueOf[size_t(i)] = it.value();
    }
    std::vector<std::pair<std::u32string, quint32>> keys;
    keys.reserve(size_t(distinct.size()));
    for (auto it = distinct.cbegin(); it != distinct.cend(); ++it)
        keys.emplace_back(folded(it.key()), it.value());
    std::sort(keys.begin(), keys.end());
    std::vector<Key> rankOfValue(keys.size());
    Key rank = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (i > 0 && keys[i].first != keys[i - 1].first)
            ++rank;
        rankOfValue[keys[i].second] = keys[i].first.empty() ? kEmpty : rank;
    }
    std::vector<Key> ranks(valueOf.size());
    for (size_t i = 0; i < valueOf.size(); ++i)
        ranks[i] = rankOfValue[valueOf[i]];
    return ranks;
}

std::vector<Key> keysOf(const QList<GameSummary> &rows, GameSort sort)
{
    std::vector<Key> keys(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const GameSummary &row = rows.at(i);
        switch (sort) {
        case GameSort::Title: // already in order
            keys[size_t(i)] = row.title.isEmpty() ? kEmpty : Key(i);
            break;
        case GameSort::Played: // newest first
            keys[size_t(i)] = row.lastPlayed == 0 ? kEmpty : -row.lastPlayed;
            break;
        case GameSort::Plays:
            keys[size_t(i)] = row.plays == 0 ? kEmpty : -Key(row.plays);
            break;
        case GameSort::Favourite:
            keys[size_t(i)] = row.favourite ? 0 : kEmpty;
            break;
        default:
            return textRanks(rows, sort);
        }
    }
    return keys;
}

} // namespace

std::optional<GameSort> GameOrder::fromKey(QStringView key)
{
    static const std::pair<const char *, GameSort> kKeys[] = {
        {"title", GameSort::Title},         {"year", GameSort::Year},
        {"publisher", GameSort::Publisher}, {"machine", GameSort::Machine},
        {"genre", GameSort::Genre},         {"played", GameSort::Played},
        {"plays", GameSort::Plays}};
    for (const auto &[name, sort] : kKeys)
        if (key == QLatin1StringView(name))
            return sort;
    return std::nullopt;
}

std::vector<quint32> GameOrder::positions(const QList<GameSummary> &rows, GameSort sort,
                                          bool descending)
{
    const std::vector<Key> keys = keysOf(rows, sort);
    std::vector<quint32> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    // Stable, so that equal keys keep the title order the rows came in.
    std::stable_sort(order.begin(), order.end(), [&keys, descending](quint32 a, quint32 b) {
        const Key ka = keys[a], kb = keys[b];
        if ((ka == kEmpty) != (kb == kEmpty))
            return kb == kEmpty;
        return descending ? ka > kb : ka < kb;
    });
    return order;
}

void GameOrder::sort(QList<GameSummary> &rows, GameSort sort, bool descending)
{
    if (sort == GameSort::Title && !descending)
        return;
    QList<GameSummary> sorted;
    sorted.reserve(rows.size());
    for (const quint32 position : positions(rows, sort, descending))
        sorted.append(std::move(rows[position]));
    rows = std::move(sorted);
}
