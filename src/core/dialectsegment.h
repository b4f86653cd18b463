#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace catalogue::dialect
{

// One character of a pattern: a letter (search folded), "?", "#" or a "[..]" set.
struct PatternToken {
    enum Kind : std::uint8_t { Letter, Any, Digit, Set };
    Kind kind = Letter;
    bool negated = false; // "[!..]"
    char32_t letter = 0;
    std::vector<std::pair<char32_t, char32_t>> ranges; // of a set, each first..last

    bool matches(char32_t c) const;
};

// The tokens between two stars: a fixed number of characters. Finding it in a text of n
// characters shifts one bit per token through the text (Shift-And), so it costs
// n * ceil(m / 64) steps for m tokens whatever the text and the tokens are: there is no
// backtracking. Its bit masks are made as characters turn up, so an instance serves one
// thread only.
class PatternSegment
{
public:
    explicit PatternSegment(std::vector<PatternToken> tokens);

    std::size_t size() const { return m_tokens.size(); }
    // Its letters when it holds letters only, else empty.
    const std::u32string &letters() const { return m_letters; }
    bool matchesAt(std::u32string_view text, std::size_t at) const;
    // The first place in text[from, to) where the segment matches wholly, or npos.
    std::size_t find(std::u32string_view text, std::size_t from, std::size_t to) const;

private:
    using Word = std::uint64_t;

    const Word *maskOf(char32_t c) const;
    const Word *makeMask(Word *mask, char32_t c) const;
    bool isNamed(char32_t c) const;
    std::size_t findInOneWord(std::u32string_view text, std::size_t from, std::size_t to) const;

    std::vector<PatternToken> m_tokens;
    std::u32string m_letters;
    std::size_t m_words = 0; // of each mask
    // Beyond ASCII, the characters some token names, as sorted disjoint spans: every other
    // character has the same mask, m_otherMask.
    std::vector<std::pair<char32_t, char32_t>> m_named;
    mutable std::vector<Word> m_asciiMasks; // 128 masks, each made when first needed
    mutable std::vector<bool> m_asciiMade;
    mutable std::vector<Word> m_otherMask;
    mutable std::unordered_map<char32_t, std::vector<Word>> m_namedMasks;
};

} // namespace catalogue::dialect
