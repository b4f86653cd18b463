#include "dialectfold.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

namespace catalogue::dialect
{
namespace
{

// Latin, Greek and Cyrillic letters with accents lie below this; their search folding is
// looked up, everything above is only case folded (and the few ligatures there spelt out).
constexpr char32_t kTableSize = 0x2000;
// A table entry from here on names a ligature: kSpelt + its index in kLigatures.
constexpr char32_t kSpelt = 0x110000;

struct Ligature {
    char32_t letter; // case folded
    const char *letters;
};

// The Latin ligatures and the letters a reader sees in them, by code point. Those with a
// compatibility decomposition (ĳ, ǆ, ﬁ) are listed too: a search does not decompose
// compatibility forms in general ("²" is no "2").
constexpr Ligature kLigatures[] = {
    {0x00DF, "ss"},  {0x00E6, "ae"},  {0x0133, "ij"}, {0x0153, "oe"}, {0x01C6, "dz"},
    {0x01C9, "lj"},  {0x01CC, "nj"},  {0x01F3, "dz"}, {0x1D6B, "ue"}, {0xA733, "aa"},
    {0xA735, "ao"},  {0xA737, "au"},  {0xA739, "av"}, {0xA73B, "av"}, {0xA73D, "ay"},
    {0xA74F, "oo"},  {0xAB63, "uo"},  {0xFB00, "ff"}, {0xFB01, "fi"}, {0xFB02, "fl"},
    {0xFB03, "ffi"}, {0xFB04, "ffl"}, {0xFB05, "st"}, {0xFB06, "st"},
};

// Above the table only this span holds ligatures, so other letters need no look-up.
constexpr char32_t kFirstHighLigature = 0xA733;
constexpr char32_t kLastLigature = 0xFB06;

// The index of c in kLigatures, or -1.
int ligatureIndex(char32_t c)
{
    const auto *end = std::end(kLigatures);
    const auto *it = std::lower_bound(std::begin(kLigatures), end, c,
                                      [](const Ligature &l, char32_t v) { return l.letter < v; });
    return it != end && it->letter == c ? int(it - std::begin(kLigatures)) : -1;
}

char32_t baseLetter(char32_t c)
{
    while (c >= 0x80 && c < kTableSize && QChar::decompositionTag(c) == QChar::Canonical) {
        const QString d = QChar(char16_t(c)).decomposition();
        if (d.isEmpty() || d.at(0).unicode() == c)
            break;
        c = d.at(0).unicode();
    }
    return c;
}

using SearchTable = std::array<char32_t, kTableSize>;

const SearchTable &searchTable()
{
    static const auto table = [] {
        auto t = std::make_unique<SearchTable>();
        for (char32_t c = 0; c < kTableSize; ++c) {
            const char32_t letter = caseFold(baseLetter(caseFold(c)));
            const int ligature = ligatureIndex(letter);
            (*t)[c] = ligature < 0 ? letter : kSpelt + char32_t(ligature);
        }
        return t;
    }();
    return *table;
}

void appendFolded(const SearchTable &table, char32_t c, std::u32string &out)
{
    char32_t folded = c < kTableSize ? table[c] : caseFold(c);
    if (folded >= kFirstHighLigature && folded <= kLastLigature) {
        const int ligature = ligatureIndex(folded);
        folded = ligature < 0 ? folded : kSpelt + char32_t(ligature);
    }
    if (folded < kSpelt) {
        out.push_back(folded);
        return;
    }
    for (const char *l = kLigatures[folded - kSpelt].letters; *l; ++l)
        out.push_back(char32_t(*l));
}

} // namespace

char32_t nextCodePoint(const unsigned char *&p, const unsigned char *end)
{
    const unsigned char lead = *p++;
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return lead;
    }
    if (end - p < extra)
        return lead;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return lead;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

std::u32string decodeUtf8(const unsigned char *text, std::size_t length)
{
    std::u32string out;
    out.reserve(length);
    for (const unsigned char *end = text + length; text < end;)
        out.push_back(nextCodePoint(text, end));
    return out;
}

char32_t caseFold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

void appendSearchLetters(char32_t c, std::u32string &out)
{
    appendFolded(searchTable(), c, out);
}

char32_t searchFoldOne(char32_t c)
{
    if (c >= kTableSize)
        return caseFold(c);
    const char32_t folded = searchTable()[c];
    return folded < kSpelt ? folded : kLigatures[folded - kSpelt].letter;
}

void foldForSearch(const unsigned char *text, std::size_t length, std::u32string &out)
{
    out.clear();
    out.reserve(length);
    const SearchTable &table = searchTable();
    const unsigned char *end = text + length;
    while (text < end) {
        if (*text < 0x80)
            out.push_back(caseFold(*text++));
        else
            appendFolded(table, nextCodePoint(text, end), out);
    }
}

} // namespace catalogue::dialect
