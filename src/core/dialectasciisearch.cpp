#include "dialectasciisearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace catalogue::dialect
{

bool isAscii(const unsigned char *text, std::size_t length)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + i, 8);
        if (word & kHighBits)
            return false;
    }
    for (; i < length; ++i)
        if (text[i] & 0x80)
            return false;
    return true;
}

bool AsciiSearch::takes(std::u32string_view letters)
{
    return !letters.empty() && letters.size() <= kLongest &&
           std::all_of(letters.begin(), letters.end(), [](char32_t c) { return c < 0x80; });
}

AsciiSearch::AsciiSearch(std::u32string_view letters)
{
    for (const char32_t c : letters)
        m_needle.push_back(char(lower(static_cast<unsigned char>(c))));
    const std::size_t m = m_needle.size();
    m_shift.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        m_shift[static_cast<unsigned char>(m_needle[i])] = m - 1 - i;
}

bool AsciiSearch::foundIn(const unsigned char *text, std::size_t length) const
{
    const std::size_t m = m_needle.size();
    const auto *needle = reinterpret_cast<const unsigned char *>(m_needle.data());
    for (std::size_t pos = 0; pos + m <= length;) {
        std::size_t j = m;
        while (j > 0 && lower(text[pos + j - 1]) == needle[j - 1])
            --j;
        if (j == 0)
            return true;
        pos += m_shift[lower(text[pos + m - 1])];
    }
    return false;
}

} // namespace catalogue::dialect
