#include "jettext.h"

#include <cstdint>

namespace
{

// Copies count letters, each step bytes after the last; false when one is not ASCII (1 to
// 127), or, in UCS-2 (step 2), has a high byte. Without branches, so it is vectorised.
template <std::size_t step>
bool copyAscii(const unsigned char *letters, std::size_t count, char *dest)
{
    unsigned char bad = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char c = letters[i * step];
        bad |= static_cast<unsigned char>((c & 0x80) | (c == 0));
        if constexpr (step == 2)
            bad |= letters[i * step + 1];
        dest[i] = static_cast<char>(c);
    }
    dest[count] = '\0';
    return bad == 0;
}

// Jet 3 keeps text as single bytes of its code page, Jet 4 as UCS-2 or, behind the marker
// FF FE, as single bytes of a compressed run (where a zero byte switches to UCS-2 and back).
// ASCII reads the same in all of them and in UTF-8.
bool copyPlainAscii(const MdbHandle &mdb, const unsigned char *text, std::size_t size, char *dest,
                    std::size_t capacity)
{
    const std::uint32_t version = mdb.f->jet_version;
    if (size > capacity || (version != MDB_VER_JET3 && version != MDB_VER_JET4))
        return false;
    if (version == MDB_VER_JET3)
        return copyAscii<1>(text, size, dest);
    if (size >= 2 && text[0] == 0xff && text[1] == 0xfe)
        return copyAscii<1>(text + 2, size - 2, dest);
    return size % 2 == 0 && copyAscii<2>(text, size / 2, dest);
}

} // namespace

void convertJetText(MdbHandle *mdb, const unsigned char *text, std::size_t size, char *dest,
                    std::size_t capacity)
{
    if (!copyPlainAscii(*mdb, text, size, dest, capacity))
        mdb_unicode2ascii(mdb, reinterpret_cast<const char *>(text), size, dest, capacity);
}
