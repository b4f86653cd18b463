#include "dialectsegment.h"

#include <algorithm>
#include <iterator>

namespace catalogue::dialect
{

bool PatternToken::matches(char32_t c) const
{
    switch (kind) {
    case Letter:
        return c == letter;
    case Any:
        return true;
    case Digit:
        return c >= '0' && c <= '9';
    case Set:
        break;
    }
    const bool in = std::any_of(ranges.begin(), ranges.end(), [c](const auto &range) {
        return c >= range.first && c <= range.second;
    });
    return in != negated;
}

PatternSegment::PatternSegment(std::vector<PatternToken> tokens)
    : m_tokens(std::move(tokens)), m_words((m_tokens.size() + 63) / 64)
{
    for (const PatternToken &t : m_tokens) {
        if (t.kind == PatternToken::Letter && t.letter >= 0x80)
            m_named.emplace_back(t.letter, t.letter);
        for (const auto &[first, last] : t.ranges)
            if (last >= 0x80)
                m_named.emplace_back(std::max<char32_t>(first, 0x80), last);
    }
    std::sort(m_named.begin(), m_named.end());
    std::vector<std::pair<char32_t, char32_t>> merged;
    for (const auto &span : m_named) {
        if (!merged.empty() && span.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }
    m_named = std::move(merged);
    if (std::all_of(m_tokens.begin(), m_tokens.end(),
                    [](const PatternToken &t) { return t.kind == PatternToken::Letter; }))
        for (const PatternToken &t : m_tokens)
            m_letters.push_back(t.letter);
    m_asciiMasks.assign(128 * m_words, 0);
    m_asciiMade.assign(128, false);
}

bool PatternSegment::matchesAt(std::u32string_view text, std::size_t at) const
{
    if (at > text.size() || text.size() - at < m_tokens.size())
        return false;
    for (std::size_t k = 0; k < m_tokens.size(); ++k)
        if (!m_tokens[k].matches(text[at + k]))
            return false;
    return true;
}

bool PatternSegment::isNamed(char32_t c) const
{
    const auto it = std::upper_bound(m_named.begin(), m_named.end(), c,
                                     [](char32_t v, const auto &span) { return v < span.first; });
    return it != m_named.begin() && c <= std::prev(it)->second;
}

const PatternSegment::Word *PatternSegment::makeMask(Word *mask, char32_t c) const
{
    for (std::size_t k = 0; k < m_tokens.size(); ++k)
        if (m_tokens[k].matches(c))
            mask[k / 64] |= Word(1) << (k % 64);
    return mask;
}

// The tokens c satisfies, one bit each.
const PatternSegment::Word *PatternSegment::maskOf(char32_t c) const
{
    if (c < 128) {
        Word *mask = m_asciiMasks.data() + c * m_words;
        if (!m_asciiMade[c]) {
            m_asciiMade[c] = true;
            makeMask(mask, c);
        }
        return mask;
    }
    if (!isNamed(c)) {
        if (m_otherMask.empty()) {
            m_otherMask.assign(m_words, 0);
            makeMask(m_otherMask.data(), c);
        }
        return m_otherMask.data();
    }
    auto it = m_namedMasks.find(c);
    if (it == m_namedMasks.end()) {
        it = m_namedMasks.emplace(c, std::vector<Word>(m_words, 0)).first;
        makeMask(it->second.data(), c);
    }
    return it->second.data();
}

std::size_t PatternSegment::findInOneWord(std::u32string_view text, std::size_t from,
                                          std::size_t to) const
{
    const Word found = Word(1) << (m_tokens.size() - 1);
    Word state = 0;
    for (std::size_t j = from; j < to; ++j) {
        state = ((state << 1) | 1) & *maskOf(text[j]);
        if (state & found)
            return j + 1 - m_tokens.size();
    }
    return std::u32string_view::npos;
}

// Bit k of the state is set where the first k + 1 tokens match the text ending here. Each
// state is computed from the one before into a second buffer, which vectorises, and only
// up to the word above the highest set bit, so that a segment whose start rarely matches
// costs little more than one word.
std::size_t PatternSegment::find(std::u32string_view text, std::size_t from, std::size_t to) const
{
    const std::size_t m = m_tokens.size();
    to = std::min(to, text.size());
    if (from > to || to - from < m)
        return std::u32string_view::npos;
    if (m == 0)
        return from;
    if (m_words == 1)
        return findInOneWord(text, from, to);
    const Word found = Word(1) << ((m - 1) % 64);
    // Word 0 of each buffer is a guard whose top bit shifts a 1 into bit 0: a match may
    // start anywhere. The state's words lie at 1..m_words.
    std::vector<Word> first(m_words + 1, 0), second(m_words + 1, 0);
    first[0] = second[0] = Word(1) << 63;
    Word *state = first.data(), *next = second.data();
    std::size_t used = 0, nextUsed = 0; // the words that may hold a set bit
    for (std::size_t j = from; j < to; ++j) {
        const Word *mask = maskOf(text[j]);
        const std::size_t top = std::min(used + 1, m_words);
        for (std::size_t k = 1; k <= top; ++k)
            next[k] = ((state[k] << 1) | (state[k - 1] >> 63)) & mask[k - 1];
        for (std::size_t k = top + 1; k <= nextUsed; ++k)
            next[k] = 0;
        std::swap(state, next);
        nextUsed = used;
        for (used = top; used > 0 && state[used] == 0;)
            --used;
        if (used == m_words && (state[used] & found))
            return j + 1 - m;
    }
    return std::u32string_view::npos;
}

} // namespace catalogue::dialect
