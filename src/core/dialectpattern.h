#pragma once

#include "dialectsegment.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace catalogue::dialect
{

// A compiled pattern of the catalogue's wildcard language: the segments between its stars.
// Only a star has no fixed length, so the first segment is matched at the start, the last
// at the end, and each one between at the first place after the one before: a text of n
// characters costs at most n * ceil(m / 64) steps for a pattern of m tokens.
class LikePattern
{
public:
    // pattern as typed, one code point each; its letters are folded as a search folds.
    explicit LikePattern(std::u32string_view pattern);

    // text folded by foldForSearch.
    bool matches(std::u32string_view text) const;
    // The characters a text needs at least to match.
    std::size_t minimumLength() const { return m_length; }
    // The segment of a pattern "*segment*", else null.
    const PatternSegment *infix() const;

private:
    void parse(std::u32string_view pattern);

    std::vector<PatternSegment> m_segments;
    bool m_starred = false;
    bool m_openStart = false; // a star comes before the first segment
    bool m_openEnd = false;   // ... after the last
    std::size_t m_length = 0;
};

} // namespace catalogue::dialect
