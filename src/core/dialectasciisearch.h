#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace catalogue::dialect
{

// Whether a UTF-8 text is plain ASCII.
bool isAscii(const unsigned char *text, std::size_t length);

// A case-blind search for a few ASCII letters straight in UTF-8 bytes (Horspool), with its
// shift table built once. A find there is a find in the folded text too: ASCII bytes only
// ever stand for themselves. A miss is final only in an ASCII text.
class AsciiSearch
{
public:
    // Longer needles are not taken: each place may cost a comparison per letter.
    static constexpr std::size_t kLongest = 64;
    // letters folded for a search: whether this search can take them.
    static bool takes(std::u32string_view letters);

    explicit AsciiSearch(std::u32string_view letters);
    bool foundIn(const unsigned char *text, std::size_t length) const;

private:
    static unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

    std::string m_needle;
    std::array<std::size_t, 256> m_shift{};
};

} // namespace catalogue::dialect
