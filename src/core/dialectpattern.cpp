#include "dialectpattern.h"

#include "dialectfold.h"

#include <algorithm>
#include <string>

namespace catalogue::dialect
{
namespace
{

// For each position, where the next "]" is (n when none): one pass, so that a pattern of
// many unbalanced "[" compiles in linear time.
std::vector<std::size_t> nextCloses(std::u32string_view p)
{
    std::vector<std::size_t> next(p.size() + 1, p.size());
    for (std::size_t i = p.size(); i-- > 0;)
        next[i] = p[i] == ']' ? i : next[i + 1];
    return next;
}

PatternToken setToken(std::u32string_view members, bool negated)
{
    PatternToken t;
    t.kind = PatternToken::Set;
    t.negated = negated;
    for (std::size_t k = 0; k < members.size(); ++k) {
        if (k + 2 < members.size() && members[k + 1] == '-') {
            t.ranges.emplace_back(searchFoldOne(members[k]), searchFoldOne(members[k + 2]));
            k += 2;
        } else {
            t.ranges.emplace_back(searchFoldOne(members[k]), searchFoldOne(members[k]));
        }
    }
    return t;
}

} // namespace

LikePattern::LikePattern(std::u32string_view pattern)
{
    parse(pattern);
}

void LikePattern::parse(std::u32string_view p)
{
    const std::vector<std::size_t> next = nextCloses(p);
    std::vector<PatternToken> current;
    auto add = [this, &current](PatternToken token) {
        current.push_back(std::move(token));
        m_openEnd = false;
    };
    std::u32string letters;
    auto addLetters = [&add, &letters](char32_t c) {
        letters.clear();
        appendSearchLetters(c, letters);
        for (const char32_t letter : letters)
            add(PatternToken{PatternToken::Letter, false, letter, {}});
    };
    auto closeSegment = [this, &current] {
        if (current.empty())
            return;
        m_length += current.size();
        m_segments.emplace_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == '*') {
            m_openStart = m_openStart || (m_segments.empty() && current.empty());
            closeSegment();
            m_starred = m_openEnd = true;
        } else if (c == '?' || c == '#') {
            add(PatternToken{c == '?' ? PatternToken::Any : PatternToken::Digit, false, 0, {}});
        } else if (c == '[') {
            const bool negated = i + 1 < p.size() && p[i + 1] == '!';
            const std::size_t first = std::min(i + 1 + (negated ? 1 : 0), p.size());
            const std::size_t close = next[first];
            if (close >= p.size()) { // unbalanced: a literal "["
                addLetters(c);
                continue;
            }
            const std::u32string_view members = p.substr(first, close - first);
            i = close;
            if (members.empty() && !negated)
                continue; // "[]" is the zero-length text
            if (members.size() == 1 && !negated)
                addLetters(members.front()); // "[*]" is the letter, ligatures spelt out too
            else
                add(setToken(members, negated));
        } else {
            addLetters(c);
        }
    }
    closeSegment();
}

const PatternSegment *LikePattern::infix() const
{
    return m_openStart && m_openEnd && m_segments.size() == 1 ? &m_segments.front() : nullptr;
}

bool LikePattern::matches(std::u32string_view text) const
{
    if (text.size() < m_length)
        return false;
    if (!m_starred)
        return text.size() == m_length &&
               (m_segments.empty() || m_segments.front().matchesAt(text, 0));
    std::size_t first = 0, last = m_segments.size();
    std::size_t from = 0, to = text.size();
    if (!m_openStart) {
        if (!m_segments.front().matchesAt(text, 0))
            return false;
        from = m_segments.front().size();
        ++first;
    }
    if (!m_openEnd) {
        to -= m_segments.back().size();
        if (!m_segments.back().matchesAt(text, to))
            return false;
        --last;
    }
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t at = m_segments[i].find(text, from, to);
        if (at == std::u32string_view::npos)
            return false;
        from = at + m_segments[i].size();
    }
    return true;
}

} // namespace catalogue::dialect
