#pragma once

#include "dialectasciisearch.h"
#include "dialectpattern.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace catalogue::dialect
{

// A pattern as the like function keeps it between calls: compiled, and for "*letters*" in
// ASCII (every free-text search term) a search straight in the bytes as well. It serves
// one thread at a time.
class CompiledLike
{
public:
    // pattern as typed, one code point each.
    explicit CompiledLike(std::u32string_view pattern);

    // text in UTF-8: it is folded only when its bytes cannot tell.
    bool matches(const unsigned char *text, std::size_t length) const
    {
        // Folding never makes a text longer than its bytes.
        if (length < minimumLength())
            return false;
        if (m_ascii) {
            const AsciiSearch::Verdict verdict = m_ascii->find(text, length);
            if (verdict != AsciiSearch::Verdict::NotAscii)
                return verdict == AsciiSearch::Verdict::Found;
        }
        return matchesFolded(text, length);
    }
    // The search straight in the bytes, where the pattern is "*letters*" in ASCII.
    const AsciiSearch *asciiSearch() const { return m_ascii ? &*m_ascii : nullptr; }
    // The bytes a text needs at least to match.
    std::size_t minimumLength() const { return m_pattern.minimumLength(); }

private:
    bool matchesFolded(const unsigned char *text, std::size_t length) const;

    LikePattern m_pattern;
    std::optional<AsciiSearch> m_ascii;
};

} // namespace catalogue::dialect
