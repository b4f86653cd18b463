#pragma once

#include "dialectcompiledlike.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace catalogue::dialect
{

// The patterns one connection compiled lately, found by their text. A search binds one
// text for every column it searches, so the newest entry nearly always answers after a
// comparison of a few bytes; SQLite's own store for a call's argument is a list that each
// call walks. One connection runs one call at a time, so it needs no lock.
class PatternCache
{
public:
    // Longer patterns are better left to SQLite's store than compared on every call.
    static constexpr std::size_t kLongest = 256;

    // The compiled pattern of UTF-8 text, compiled now when it is not at hand.
    const CompiledLike &get(std::string_view pattern)
    {
        const Entry &newest = m_entries.front();
        return newest.compiled && newest.text == pattern ? *newest.compiled : lookUp(pattern);
    }

private:
    const CompiledLike &lookUp(std::string_view pattern);

    struct Entry {
        std::string text;
        std::unique_ptr<CompiledLike> compiled;
    };
    std::array<Entry, 4> m_entries; // the most recently used first
};

} // namespace catalogue::dialect
