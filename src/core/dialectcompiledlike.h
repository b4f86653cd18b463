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
    bool matches(const unsigned char *text, std::size_t length) const;

private:
    LikePattern m_pattern;
    std::optional<AsciiSearch> m_ascii;
};

} // namespace catalogue::dialect
