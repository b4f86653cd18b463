#include "dialectasciisearch.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define VANTREL_ASCII_SSE2 1
#endif

namespace catalogue::dialect
{
namespace
{

constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

std::uint64_t load8(const unsigned char *p)
{
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// The high bit of each zero byte (and maybe of a byte above one: the comparison after it
// sorts that out).
std::uint64_t zeroBytes(std::uint64_t word)
{
    return (word - kOnes) & ~word & kHighBits;
}

// Eight bytes a step, the last step ending at the text's end: a copy too short for memcpy's
// call to pay.
void copyShort(const unsigned char *text, std::size_t length, unsigned char *to)
{
    if (length < 8) {
        std::copy(text, text + length, to);
        return;
    }
    for (std::size_t at = 0; at + 8 < length; at += 8)
        std::memcpy(to + at, text + at, 8);
    std::memcpy(to + length - 8, text + length - 8, 8);
}

// For a needle longer than a step, whose blocks may leave the text's middle unseen.
bool anyHighBit(const unsigned char *text, std::size_t length)
{
    return std::any_of(text, text + length, [](unsigned char c) { return c & 0x80; });
}

// The bit that makes a letter lower case, for a needle letter that has a case.
unsigned char caseBitOf(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? 0x20 : 0;
}

} // namespace

bool AsciiSearch::takes(std::u32string_view letters)
{
    return !letters.empty() && letters.size() <= kLongest &&
           std::all_of(letters.begin(), letters.end(),
                       [](char32_t c) { return c > 0 && c < 0x80; });
}

AsciiSearch::AsciiSearch(std::u32string_view letters)
{
    for (const char32_t c : letters)
        m_needle.push_back(char(lower(static_cast<unsigned char>(c))));
    m_first = static_cast<unsigned char>(m_needle.front());
    m_last = static_cast<unsigned char>(m_needle.back());
}

// Inline: a call inside the search loops would make them keep their vectors in memory.
Q_ALWAYS_INLINE bool AsciiSearch::foundAt(const unsigned char *text) const
{
    for (std::size_t j = 0; j < m_needle.size(); ++j)
        if (lower(text[j]) != static_cast<unsigned char>(m_needle[j]))
            return false;
    return true;
}

// A place is compared only where both the needle's first and last letters stand, in either
// case; the bytes' high bits are gathered on the way. Sixteen places a step where SSE2 is
// there, eight in a word for a shorter text, the last step moved back to end at the text's
// end; a text shorter still is searched in a padded copy, or byte by byte without SSE2.
AsciiSearch::Verdict AsciiSearch::find(const unsigned char *text, std::size_t length) const
{
    const std::size_t span = m_needle.size() - 1; // from the first letter to the last
#ifdef VANTREL_ASCII_SSE2
    if (length >= span + 16)
        return findBy16(text, length);
#endif
    if constexpr (std::endian::native == std::endian::little)
        if (length >= span + 8)
            return findBy8(text, length);
#ifdef VANTREL_ASCII_SSE2
    // A shorter text is searched in a copy padded with zeros, its places past the end left out.
    alignas(16) unsigned char padded[kLongest + 16];
    for (std::size_t at = 0; at < span + 16; at += 16)
        _mm_store_si128(reinterpret_cast<__m128i *>(padded + at), _mm_setzero_si128());
    copyShort(text, length, padded);
    return findInPadded(padded, length);
#else
    unsigned char high = 0;
    for (std::size_t i = 0; i < length; ++i) {
        high |= text[i];
        if (i + span < length && lower(text[i]) == m_first && foundAt(text + i))
            return Verdict::Found;
    }
    return high & 0x80 ? Verdict::NotAscii : Verdict::Absent;
#endif
}

AsciiSearch::Verdict AsciiSearch::findBy8(const unsigned char *text, std::size_t length) const
{
    const std::size_t span = m_needle.size() - 1, end = length - span - 8;
    const std::uint64_t firsts = kOnes * m_first, firstCases = kOnes * caseBitOf(m_first);
    const std::uint64_t lasts = kOnes * m_last, lastCases = kOnes * caseBitOf(m_last);
    std::uint64_t high = 0;
    for (std::size_t i = 0;; i += 8) {
        i = std::min(i, end);
        // The words at i cover the text up to its last span, those at i + span from there on.
        const std::uint64_t a = load8(text + i), b = load8(text + i + span);
        high |= a | b;
        for (std::uint64_t hits =
                 zeroBytes((a | firstCases) ^ firsts) & zeroBytes((b | lastCases) ^ lasts);
             hits; hits &= hits - 1)
            if (foundAt(text + i + std::size_t(std::countr_zero(hits)) / 8))
                return Verdict::Found;
        if (i == end)
            return high & kHighBits || (span > 8 && anyHighBit(text, length)) ? Verdict::NotAscii
                                                                              : Verdict::Absent;
    }
}

#ifdef VANTREL_ASCII_SSE2
AsciiSearch::Verdict AsciiSearch::findBy16(const unsigned char *text, std::size_t length) const
{
    const std::size_t span = m_needle.size() - 1, end = length - span - 16;
    const __m128i first = _mm_set1_epi8(char(m_first)), last = _mm_set1_epi8(char(m_last));
    const __m128i firstCase = _mm_set1_epi8(char(caseBitOf(m_first)));
    const __m128i lastCase = _mm_set1_epi8(char(caseBitOf(m_last)));
    auto load = [text](std::size_t at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at));
    };
    __m128i high = _mm_setzero_si128();
    for (std::size_t i = 0;; i += 16) {
        i = std::min(i, end);
        // The blocks at i cover the text up to its last span, those at i + span from there on.
        const __m128i a = load(i), b = load(i + span);
        high = _mm_or_si128(high, _mm_or_si128(a, b));
        for (auto hits = unsigned(
                 _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstCase), first),
                                                 _mm_cmpeq_epi8(_mm_or_si128(b, lastCase), last))));
             hits; hits &= hits - 1)
            if (foundAt(text + i + std::size_t(std::countr_zero(hits))))
                return Verdict::Found;
        if (i == end)
            return _mm_movemask_epi8(high) || (span > 16 && anyHighBit(text, length))
                       ? Verdict::NotAscii
                       : Verdict::Absent;
    }
}

AsciiSearch::Verdict AsciiSearch::findInPadded(const unsigned char *padded,
                                               std::size_t length) const
{
    const std::size_t span = m_needle.size() - 1;
    auto load = [padded](std::size_t at) {
        return _mm_load_si128(reinterpret_cast<const __m128i *>(padded + at));
    };
    int high = 0;
    for (std::size_t at = 0; at < length; at += 16)
        high |= _mm_movemask_epi8(load(at));
    const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i *>(padded + span));
    const unsigned places = length > span ? (1u << (length - span)) - 1 : 0;
    for (auto hits =
             unsigned(_mm_movemask_epi8(_mm_and_si128(
                 _mm_cmpeq_epi8(_mm_or_si128(load(0), _mm_set1_epi8(char(caseBitOf(m_first)))),
                                _mm_set1_epi8(char(m_first))),
                 _mm_cmpeq_epi8(_mm_or_si128(last, _mm_set1_epi8(char(caseBitOf(m_last)))),
                                _mm_set1_epi8(char(m_last)))))) &
             places;
         hits; hits &= hits - 1)
        if (foundAt(padded + std::countr_zero(hits)))
            return Verdict::Found;
    return high ? Verdict::NotAscii : Verdict::Absent;
}
#endif

} // namespace catalogue::dialect
