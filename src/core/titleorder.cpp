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

// Writes c in UTF-8, whose byte order is the order of the code points.
char *putUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
        return out;
    }
    if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
    }
    *out++ = char(0x80 | (c & 0x3F));
    return out;
}

// Appends the folded code points of a title, a broken surrogate reading as U+FFFD as in
// QString::toUcs4().
void appendKey(std::string &keys, QStringView title)
{
    const size_t from = keys.size();
    keys.resize(from + 4 * size_t(title.size())); // the most a folded UTF-16 unit takes
    char *out = keys.data() + from;
    const char16_t *at = title.utf16();
    const char16_t *const end = at + title.size();
    while (at < end) {
        char32_t c = *at++;
        if (QChar::isSurrogate(c)) {
            const bool paired = QChar::isHighSurrogate(c) && at < end && QChar::isLowSurrogate(*at);
            c = paired ? QChar::surrogateToUcs4(char16_t(c), *at++)
                       : char32_t(QChar::ReplacementCharacter);
        }
        out = putUtf8(out, folded(c));
    }
    keys.resize(size_t(out - keys.data()));
}

} // namespace

void sortByTitle(QList<GameSummary> &rows)
{
    // Each title is folded once, into one buffer shared by all keys, instead of once per
    // comparison or into a string of its own; as UTF-8, keys compare a block at a time.
    struct Keyed {
        bool null;
        size_t from;
        size_t length;
        qsizetype row;
    };
    std::string keys;
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &title = rows.at(i).title;
        const size_t from = keys.size();
        appendKey(keys, title);
        keyed.push_back({title.isNull(), from, keys.size() - from, i});
    }
    const char *const all = keys.data();
    std::stable_sort(keyed.begin(), keyed.end(), [all](const Keyed &a, const Keyed &b) {
        return a.null != b.null ? a.null
                                : std::string_view(all + a.from, a.length) <
                                      std::string_view(all + b.from, b.length);
    });
    QList<GameSummary> sorted;
    sorted.reserve(rows.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(rows[k.row]));
    rows = std::move(sorted);
}
