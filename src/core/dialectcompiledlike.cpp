#include "dialectcompiledlike.h"

#include "dialectfold.h"

#include <string>

namespace catalogue::dialect
{

CompiledLike::CompiledLike(std::u32string_view pattern) : m_pattern(pattern)
{
    const PatternSegment *infix = m_pattern.infix();
    if (infix && AsciiSearch::takes(infix->letters()))
        m_ascii.emplace(infix->letters());
}

bool CompiledLike::matchesFolded(const unsigned char *text, std::size_t length) const
{
    thread_local std::u32string folded;
    foldForSearch(text, length, folded);
    return m_pattern.matches(folded);
}

} // namespace catalogue::dialect
