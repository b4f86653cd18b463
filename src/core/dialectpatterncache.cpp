#include "dialectpatterncache.h"

#include "dialectfold.h"

#include <algorithm>

namespace catalogue::dialect
{

const CompiledLike &PatternCache::lookUp(std::string_view pattern)
{
    auto hit = std::find_if(m_entries.begin() + 1, m_entries.end(),
                            [pattern](const Entry &e) { return e.compiled && e.text == pattern; });
    if (hit == m_entries.end()) {
        hit = m_entries.end() - 1; // the least recently used makes room
        hit->text.assign(pattern);
        hit->compiled = std::make_unique<CompiledLike>(
            decodeUtf8(reinterpret_cast<const unsigned char *>(pattern.data()), pattern.size()));
    }
    std::rotate(m_entries.begin(), hit, hit + 1);
    return *m_entries.front().compiled;
}

} // namespace catalogue::dialect
