#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace catalogue::dialect
{

// A case-blind search for a few ASCII letters straight in UTF-8 bytes. A find there is a
// find in the folded text too: ASCII bytes only ever stand for themselves. A miss is final
// only in an ASCII text, so the same pass tells whether the text was ASCII. No needle holds
// a zero, so texts joined by zeros are searched as one.
class AsciiSearch
{
public:
    // Longer needles are not taken: each place may cost a comparison per letter.
    static constexpr std::size_t kLongest = 64;
    // letters folded for a search: whether this search can take them.
    static bool takes(std::u32string_view letters);

    enum class Verdict { Found, Absent, NotAscii };

    explicit AsciiSearch(std::u32string_view letters);
    Verdict find(const unsigned char *text, std::size_t length) const;

private:
    static unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }
    bool foundAt(const unsigned char *text) const;
    Verdict findBy8(const unsigned char *text, std::size_t length) const;
    Verdict findBy16(const unsigned char *text, std::size_t length) const;
    Verdict findInPadded(const unsigned char *padded, std::size_t length) const;

    std::string m_needle; // lower case
    unsigned char m_first = 0;
    unsigned char m_last = 0;
};

} // namespace catalogue::dialect
