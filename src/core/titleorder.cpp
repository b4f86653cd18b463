#include "titleorder.h"

#include <algorithm>
#include <string>
#include <vector>

void sortByTitle(QList<GameSummary> &rows)
{
    // The folding of the catalogue's NOCASE collation, code point by code point, computed
    // once per title instead of once per comparison.
    struct Keyed {
        bool null;
        std::u32string key;
        qsizetype row;
    };
    std::vector<Keyed> keyed(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &title = rows.at(i).title;
        std::u32string &key = keyed[size_t(i)].key;
        key.reserve(size_t(title.size()));
        for (const char32_t c : title.toUcs4())
            key.push_back(c < 0x80 ? ((c >= 'A' && c <= 'Z') ? c + 32 : c)
                                   : QChar::toCaseFolded(c));
        keyed[size_t(i)].null = title.isNull();
        keyed[size_t(i)].row = i;
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        return a.null != b.null ? a.null : a.key < b.key;
    });
    QList<GameSummary> sorted;
    sorted.reserve(rows.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(rows[k.row]));
    rows = std::move(sorted);
}
