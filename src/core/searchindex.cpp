#include "searchindex.h"

#include "dialectcompiledlike.h"
#include "dialectfold.h"
#include "dialectpattern.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace
{

using namespace catalogue::dialect;

void appendUtf8(char32_t c, std::string &out)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// A column as a search sees it: folding again finds nothing more to fold, so matching the
// folded text is matching the text.
void appendFolded(const QString &column, std::string &out)
{
    const QByteArray utf8 = column.toUtf8();
    const auto *bytes = reinterpret_cast<const unsigned char *>(utf8.constData());
    thread_local std::u32string folded;
    foldForSearch(bytes, std::size_t(utf8.size()), folded);
    for (const char32_t c : folded)
        appendUtf8(c, out);
    out += '\0';
}

} // namespace

// One "*text*" of a search. A term of letters only cannot match across the zero byte that
// ends a column, and the index holds folded text, so it is found as bytes in the folded
// text, all entries in one pass.
class SearchIndex::Term
{
public:
    explicit Term(const QString &text) : m_pattern(pattern(text)), m_like(m_pattern)
    {
        const LikePattern parsed(m_pattern);
        if (const PatternSegment *infix = parsed.infix(); infix && !infix->letters().empty())
            for (const char32_t c : infix->letters())
                appendUtf8(c, m_letters);
    }

    // The folded letters of a "*letters*" term, else empty.
    const std::string &letters() const { return m_letters; }
    bool matches(std::string_view text) const
    {
        return m_like.matches(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    }

private:
    static std::u32string pattern(const QString &text)
    {
        const QList<uint> ucs4 = QString(QLatin1Char('*') + text + QLatin1Char('*')).toUcs4();
        return {ucs4.cbegin(), ucs4.cend()};
    }

    std::u32string m_pattern;
    CompiledLike m_like;
    std::string m_letters;
};

void SearchIndex::add(GameId id, const QStringList &columns)
{
    std::string text;
    for (const QString &column : columns)
        if (!column.isNull())
            appendFolded(column, text);
    append(id, text);
}

void SearchIndex::append(GameId id, std::string_view text)
{
    m_text.append(text);
    m_starts.push_back(m_text.size());
    m_ids.push_back(id);
}

std::size_t SearchIndex::findLetters(const std::string &letters, std::size_t from) const
{
    const std::size_t length = letters.size();
    if (length == 1)
        return m_text.find(letters[0], from);
#if defined(__SSE2__) || defined(_M_X64)
    // Sixteen places at once where the first and the last letter both fit: a plain find
    // stops at every first letter, several times slower for one as common as "d".
    const char *text = m_text.data();
    const __m128i first = _mm_set1_epi8(letters.front());
    const __m128i last = _mm_set1_epi8(letters.back());
    std::size_t at = from;
    for (; at + length - 1 + 16 <= m_text.size(); at += 16) {
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at));
        const __m128i tails =
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at + length - 1));
        auto fits = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, last))));
        for (; fits != 0; fits &= fits - 1) {
            const std::size_t candidate = at + std::size_t(std::countr_zero(fits));
            if (std::memcmp(text + candidate + 1, letters.data() + 1, length - 2) == 0)
                return candidate;
        }
    }
    return m_text.find(letters, at);
#else
    return m_text.find(letters, from);
#endif
}

std::string_view SearchIndex::entryText(quint32 entry) const
{
    return std::string_view(m_text).substr(m_starts[entry], m_starts[entry + 1] - m_starts[entry]);
}

bool SearchIndex::holds(quint32 entry, const Term &term) const
{
    const std::string_view text = entryText(entry);
    if (!term.letters().empty())
        return text.find(term.letters()) != std::string_view::npos;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\0', start);
        if (term.matches(text.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

std::vector<quint32> SearchIndex::scan(const Term &term, const std::vector<quint32> *within) const
{
    std::vector<quint32> entries;
    // A few candidates are looked at one by one; else the letters are found in one pass
    // over all the text, each find skipping to the end of its entry.
    if (term.letters().empty() || (within && within->size() < m_ids.size() / 8)) {
        const auto look = [&](quint32 entry) {
            if (holds(entry, term))
                entries.push_back(entry);
        };
        if (within)
            std::for_each(within->cbegin(), within->cend(), look);
        else
            for (quint32 entry = 0; entry < quint32(m_ids.size()); ++entry)
                look(entry);
        return entries;
    }
    quint32 entry = 0;
    for (std::size_t at = findLetters(term.letters(), 0); at != std::string::npos;
         at = findLetters(term.letters(), m_starts[++entry])) {
        // The entries follow each other, so the one holding at is found by walking on.
        while (m_starts[entry + 1] <= at)
            ++entry;
        entries.push_back(entry);
    }
    if (!within)
        return entries;
    std::vector<quint32> both;
    std::set_intersection(entries.cbegin(), entries.cend(), within->cbegin(), within->cend(),
                          std::back_inserter(both));
    return both;
}

std::vector<quint32> SearchIndex::find(const QString &search,
                                       const std::vector<quint32> *within) const
{
    // As the catalogue's search splits it: at the first "+" that has text after it.
    const qsizetype plus = search.indexOf(QLatin1Char('+'));
    const bool two = plus >= 0 && plus + 1 < search.size();
    std::vector<quint32> entries = scan(Term(two ? search.left(plus) : search), within);
    if (two)
        entries = scan(Term(search.mid(plus + 1)), &entries);
    return entries;
}

bool SearchIndex::narrows(const QString &previous, const QString &next)
{
    // Without a "[" every character of previous is a whole token, so next's pattern starts
    // with previous's; a "+" may split either differently.
    return !previous.isEmpty() && next.startsWith(previous) &&
           !previous.contains(QLatin1Char('[')) && !next.contains(QLatin1Char('+'));
}
