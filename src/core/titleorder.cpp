#include "titleorder.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace
{

// The folding of the catalogue's NOCASE collation for one code point.
char32_t folded(char32_t c)
{
    return c < 0x80 ? ((c >= 'A' && c <= 'Z') ? c + 32 : c) : QChar::toCaseFolded(c);
}

// Appends the folded code points of a title, a broken surrogate reading as U+FFFD as in
// QString::toUcs4().
void appendKey(std::u32string &keys, const QString &title)
{
    const qsizetype size = title.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = title.at(i).unicode();
        if (QChar::isSurrogate(c)) {
            const bool paired =
                QChar::isHighSurrogate(c) && i + 1 < size && title.at(i + 1).isLowSurrogate();
            c = paired ? QChar::surrogateToUcs4(char16_t(c), title.at(++i).unicode())
                       : char32_t(QChar::ReplacementCharacter);
        }
        keys.push_back(folded(c));
    }
}

} // namespace

void sortByTitle(QList<GameSummary> &rows)
{
    // Each title is folded once, into one buffer shared by all keys, instead of once per
    // comparison or into a string of its own.
    struct Keyed {
        bool null;
        size_t from;
        size_t length;
        qsizetype row;
    };
    std::u32string keys;
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &title = rows.at(i).title;
        const size_t from = keys.size();
        appendKey(keys, title);
        keyed.push_back({title.isNull(), from, keys.size() - from, i});
    }
    const std::u32string_view all(keys);
    std::stable_sort(keyed.begin(), keyed.end(), [all](const Keyed &a, const Keyed &b) {
        return a.null != b.null ? a.null
                                : all.substr(a.from, a.length) < all.substr(b.from, b.length);
    });
    QList<GameSummary> sorted;
    sorted.reserve(rows.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(rows[k.row]));
    rows = std::move(sorted);
}
