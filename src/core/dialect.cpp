#include "dialect.h"

#include <QChar>
#include <QList>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace catalogue
{
namespace
{

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// Decodes one UTF-8 sequence; malformed bytes stand for themselves so that no input can
// push the reader past the end.
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

// Latin, Greek and Cyrillic letters with accents lie below this.
constexpr char32_t kAccentTableSize = 0x2000;

char32_t baseLetter(char32_t c)
{
    while (c >= 0x80 && c < kAccentTableSize && QChar::decompositionTag(c) == QChar::Canonical) {
        const QString d = QChar(char16_t(c)).decomposition();
        if (d.isEmpty() || d.at(0).unicode() == c)
            break;
        c = d.at(0).unicode();
    }
    return c;
}

// The letter a search compares: case folded, accents dropped.
char32_t searchFold(char32_t c)
{
    if (c < 0x80)
        return fold(c);
    if (c >= kAccentTableSize)
        return fold(c);
    static const auto table = [] {
        auto t = std::make_unique<std::array<char32_t, kAccentTableSize>>();
        for (char32_t i = 0; i < kAccentTableSize; ++i)
            (*t)[i] = fold(baseLetter(fold(i)));
        return t;
    }();
    return (*table)[c];
}

void decodeFolded(const unsigned char *p, int n, std::vector<char32_t> &out)
{
    out.clear();
    const unsigned char *end = p + n;
    while (p < end)
        out.push_back(searchFold(nextCodePoint(p, end)));
}

void decodeFolded(QStringView text, std::vector<char32_t> &out)
{
    out.clear();
    for (char32_t c : text.toUcs4())
        out.push_back(searchFold(c));
}

struct Token {
    enum Kind { Literal, Star, One, Digit, Set, Nothing };
    explicit Token(Kind k, char32_t c = 0) : kind(k), ch(c) {}
    Kind kind;
    char32_t ch = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;

    bool matches(char32_t c) const
    {
        switch (kind) {
        case Literal:
            return c == ch;
        case One:
            return true;
        case Digit:
            return c >= '0' && c <= '9';
        case Set: {
            bool in = false;
            for (const auto &[lo, hi] : ranges)
                if (c >= lo && c <= hi) {
                    in = true;
                    break;
                }
            return in != negated;
        }
        default:
            return false;
        }
    }
};

using Pattern = std::vector<Token>;

// For each position, where the next "]" is (n when none): one pass, so that a pattern of
// many unbalanced "[" compiles in linear time.
std::vector<size_t> nextCloses(const std::vector<char32_t> &p)
{
    std::vector<size_t> next(p.size() + 1, p.size());
    for (size_t i = p.size(); i-- > 0;)
        next[i] = p[i] == ']' ? i : next[i + 1];
    return next;
}

Pattern compile(const std::vector<char32_t> &p)
{
    Pattern out;
    const size_t n = p.size();
    const std::vector<size_t> next = nextCloses(p);
    for (size_t i = 0; i < n; ++i) {
        const char32_t c = p[i];
        if (c == '*') {
            if (out.empty() || out.back().kind != Token::Star)
                out.emplace_back(Token::Star);
        } else if (c == '?') {
            out.emplace_back(Token::One);
        } else if (c == '#') {
            out.emplace_back(Token::Digit);
        } else if (c == '[') {
            size_t j = i + 1;
            const bool negated = j < n && p[j] == '!';
            if (negated)
                ++j;
            const size_t close = next[std::min(j, n)];
            if (close >= n) { // unbalanced: a literal "["
                out.emplace_back(Token::Literal, c);
                continue;
            }
            Token t(Token::Set);
            t.negated = negated;
            for (size_t k = j; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == '-') {
                    t.ranges.emplace_back(p[k], p[k + 2]);
                    k += 2;
                } else {
                    t.ranges.emplace_back(p[k], p[k]);
                }
            }
            if (t.ranges.empty() && !negated)
                t.kind = Token::Nothing; // "[]" is the zero-length text
            out.push_back(std::move(t));
            i = close;
        } else {
            out.emplace_back(Token::Literal, c);
        }
    }
    return out;
}

// Only "*" has a variable length, so backtracking to the last star is complete.
bool match(const Pattern &pattern, const std::vector<char32_t> &text)
{
    size_t p = 0, t = 0;
    size_t starP = SIZE_MAX, starT = 0;
    const size_t np = pattern.size(), nt = text.size();
    while (true) {
        while (p < np && pattern[p].kind == Token::Nothing)
            ++p;
        if (p < np && pattern[p].kind == Token::Star) {
            starP = ++p;
            starT = t;
            continue;
        }
        if (t < nt && p < np && pattern[p].matches(text[t])) {
            ++p;
            ++t;
            continue;
        }
        if (t == nt && p == np)
            return true;
        if (starP == SIZE_MAX || starT >= nt)
            return false;
        p = starP;
        t = ++starT;
    }
}

// Horspool's substring search; the shift table is indexed by the low byte, which only
// ever shortens a shift, so that it works for any code point.
class LiteralSearch
{
public:
    explicit LiteralSearch(std::u32string needle = {}) : m_needle(std::move(needle))
    {
        const size_t m = m_needle.size();
        m_shift.fill(m ? m : 1);
        for (size_t k = 0; k + 1 < m; ++k)
            m_shift[m_needle[k] & 0xFF] = m - 1 - k;
    }
    // key folds one element of the text as the needle was folded.
    template <typename T, typename Key> bool foundIn(const T *text, size_t n, Key key) const
    {
        const size_t m = m_needle.size();
        for (size_t i = 0; i + m <= n;) {
            size_t j = m;
            while (j > 0 && key(text[i + j - 1]) == m_needle[j - 1])
                --j;
            if (j == 0)
                return true;
            i += m_shift[key(text[i + m - 1]) & 0xFF];
        }
        return m == 0;
    }
    bool isAscii() const
    {
        return std::all_of(m_needle.begin(), m_needle.end(), [](char32_t c) { return c < 0x80; });
    }

private:
    std::u32string m_needle; // folded
    std::array<size_t, 256> m_shift{};
};

// "*text*" is by far the commonest pattern (every free-text search term): it is a
// substring search, done in linear time on the whole; on plain ASCII text it runs on the
// bytes, with no decoding.
// Horspool over ASCII bytes, case-blind, with its shift table built once per pattern: the
// search runs for every searched column of every row.
class AsciiSearch
{
public:
    AsciiSearch() = default;
    explicit AsciiSearch(const std::u32string &needle)
    {
        for (const char32_t c : needle)
            m_needle.push_back(lower(static_cast<unsigned char>(c)));
        const int m = int(m_needle.size());
        m_shift.fill(m > 0 ? m : 1);
        for (int i = 0; i + 1 < m; ++i)
            m_shift[static_cast<unsigned char>(m_needle[size_t(i)])] = m - 1 - i;
    }
    bool foundIn(const unsigned char *text, int n) const
    {
        const int m = int(m_needle.size());
        for (int pos = 0; pos + m <= n;) {
            int j = m - 1;
            while (j >= 0 && lower(text[pos + j]) == m_needle[size_t(j)])
                --j;
            if (j < 0)
                return true;
            pos += m_shift[lower(text[pos + m - 1])];
        }
        return m == 0;
    }

private:
    static unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }
    std::string m_needle;
    std::array<int, 256> m_shift{};
};

struct CompiledLike {
    Pattern tokens;
    bool infixOnly = false;
    bool asciiInfix = false;
    LiteralSearch infix;
    AsciiSearch asciiSearch;
};

CompiledLike compileLike(const std::vector<char32_t> &decoded)
{
    CompiledLike c;
    c.tokens = compile(decoded);
    const Pattern &t = c.tokens;
    if (t.size() < 2 || t.front().kind != Token::Star || t.back().kind != Token::Star)
        return c;
    std::u32string needle;
    for (size_t i = 1; i + 1 < t.size(); ++i) {
        if (t[i].kind != Token::Literal)
            return c;
        needle.push_back(t[i].ch);
    }
    c.infixOnly = true;
    c.infix = LiteralSearch(needle);
    c.asciiInfix = c.infix.isAscii();
    if (c.asciiInfix)
        c.asciiSearch = AsciiSearch(needle);
    return c;
}

// 1 or 0, or -1 when the text is not plain ASCII (or holds a NUL); on ASCII bytes the
// search folds as fold() does.
int matchAsciiInfix(const AsciiSearch &search, const unsigned char *text, int n)
{
    for (int i = 0; i < n; ++i)
        if (text[i] >= 0x80 || text[i] == 0)
            return -1;
    return search.foundIn(text, n) ? 1 : 0;
}

bool matchCompiled(const CompiledLike &pattern, const std::vector<char32_t> &text)
{
    if (pattern.infixOnly)
        return pattern.infix.foundIn(text.data(), text.size(), [](char32_t c) { return c; });
    return match(pattern.tokens, text);
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    // SQL "x LIKE y" calls like(y, x): the pattern comes first.
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // The compiled pattern is cached per statement; SQLite may drop the cache at any time.
    std::optional<CompiledLike> local;
    const auto *pattern = static_cast<const CompiledLike *>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        std::vector<char32_t> decoded;
        decodeFolded(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]), decoded);
        local.emplace(compileLike(decoded));
        sqlite3_set_auxdata(ctx, 0, new CompiledLike(*local),
                            [](void *p) { delete static_cast<CompiledLike *>(p); });
        pattern = &*local;
    }
    const unsigned char *bytes = sqlite3_value_text(argv[1]);
    const int length = sqlite3_value_bytes(argv[1]);
    if (pattern->asciiInfix) {
        const int quick = matchAsciiInfix(pattern->asciiSearch, bytes, length);
        if (quick >= 0) {
            sqlite3_result_int(ctx, quick);
            return;
        }
    }
    thread_local std::vector<char32_t> text;
    decodeFolded(bytes, length, text);
    sqlite3_result_int(ctx, matchCompiled(*pattern, text) ? 1 : 0);
}

int nocaseCollation(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    return foldedCompare(static_cast<const char *>(a), lengthA, static_cast<const char *>(b),
                         lengthB);
}

} // namespace

bool legacyLike(QStringView pattern, QStringView text)
{
    std::vector<char32_t> p, t;
    decodeFolded(pattern, p);
    decodeFolded(text, t);
    return matchCompiled(compileLike(p), t);
}

int foldedCompare(const char *a, int lengthA, const char *b, int lengthB)
{
    auto pa = reinterpret_cast<const unsigned char *>(a);
    auto pb = reinterpret_cast<const unsigned char *>(b);
    const unsigned char *ea = pa + lengthA, *eb = pb + lengthB;
    while (pa < ea && pb < eb) {
        char32_t ca, cb;
        if (*pa < 0x80 && *pb < 0x80) {
            ca = fold(*pa++);
            cb = fold(*pb++);
        } else {
            ca = fold(nextCodePoint(pa, ea));
            cb = fold(nextCodePoint(pb, eb));
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    return 0;
}

bool registerDialect(sqlite3 *db, QString *error)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr,
                                        nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, nocaseCollation,
                                         nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    return true;
}

} // namespace catalogue
