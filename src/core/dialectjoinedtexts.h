#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

namespace catalogue::dialect
{

// A row's searched values joined by zeros, for one pass of an AsciiSearch over them all:
// most values are too short for a pass of their own to pay for its start.
class JoinedTexts
{
public:
    // Room for an unusually long row is not kept for the rows after it.
    void clear()
    {
        m_size = 0;
        if (m_bytes.size() > kKept)
            m_bytes = {};
    }
    void append(const unsigned char *text, std::size_t length)
    {
        if (m_bytes.size() < m_size + length + 1)
            m_bytes.resize(2 * (m_size + length + 1));
        unsigned char *to = m_bytes.data() + m_size;
        copy(text, length, to);
        to[length] = 0;
        m_size += length + 1;
    }
    const unsigned char *data() const { return m_bytes.data(); }
    std::size_t size() const { return m_size; }

private:
    // Short values take a library call longer than their copy: copied in overlapping
    // words of a fixed size, which the compiler moves without a call.
    static void copy(const unsigned char *text, std::size_t length, unsigned char *to)
    {
        if (length >= 16) {
            for (std::size_t at = 0; at + 16 < length; at += 16)
                std::memcpy(to + at, text + at, 16);
            std::memcpy(to + length - 16, text + length - 16, 16);
        } else if (length >= 8) {
            std::memcpy(to, text, 8);
            std::memcpy(to + length - 8, text + length - 8, 8);
        } else if (length >= 4) {
            std::memcpy(to, text, 4);
            std::memcpy(to + length - 4, text + length - 4, 4);
        } else {
            for (std::size_t i = 0; i < length; ++i)
                to[i] = text[i];
        }
    }

    static constexpr std::size_t kKept = std::size_t(1) << 20;

    std::vector<unsigned char> m_bytes;
    std::size_t m_size = 0;
};

} // namespace catalogue::dialect
