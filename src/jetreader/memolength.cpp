#include "memolength.h"

#include <cstring>
#include <unordered_set>

namespace
{

// The header's last byte says where the value lies.
constexpr unsigned kInline = 0x80;   // right after the header
constexpr unsigned kOnePage = 0x40;  // in one long-value row
constexpr unsigned kPageChain = 0x0; // in rows that each start with the next one's address

std::uint32_t get32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// The long-value row at address (page << 8 | row), or null where there is none.
const unsigned char *longValueRow(MdbHandle *mdb, std::uint32_t address, std::size_t *length)
{
    void *page = nullptr;
    int start = 0;
    if (mdb_find_pg_row(mdb, int(address), &page, &start, length) != 0)
        return nullptr;
    const auto *bytes = static_cast<const unsigned char *>(page);
    const unsigned rows =
        bytes[mdb->fmt->row_count_offset] | unsigned(bytes[mdb->fmt->row_count_offset + 1]) << 8;
    if (bytes[0] != MDB_PAGE_DATA || std::memcmp(bytes + 4, "LVAL", 4) != 0 ||
        (address & 0xff) >= rows)
        return nullptr;
    return bytes + start;
}

std::uint64_t chainLength(MdbHandle *mdb, std::uint32_t address, std::uint64_t declared)
{
    std::unordered_set<std::uint32_t> seen;
    std::uint64_t stored = 0;
    while (address != 0 && stored <= declared && seen.insert(address).second) {
        std::size_t length = 0;
        const unsigned char *row = longValueRow(mdb, address, &length);
        if (!row || length <= 4)
            break;
        stored += length - 4;
        address = get32(row);
    }
    return stored;
}

} // namespace

MemoLength measureMemo(MdbHandle *mdb, const MdbColumn &column)
{
    const int size = column.cur_value_len;
    if (size <= 0)
        return {}; // Null
    if (size < MDB_MEMO_OVERHEAD)
        return {MDB_MEMO_OVERHEAD, std::uint64_t(size)};
    const unsigned char *header = mdb->pg_buf + column.cur_value_start;
    const std::uint32_t word = get32(header);
    MemoLength memo{word & 0xffffff, 0};
    std::size_t length = 0;
    switch (word >> 24) {
    case kInline:
        memo.stored = std::uint64_t(size - MDB_MEMO_OVERHEAD);
        break;
    case kOnePage:
        memo.stored = longValueRow(mdb, get32(header + 4), &length) ? length : 0;
        break;
    case kPageChain:
        memo.stored = chainLength(mdb, get32(header + 4), memo.declared);
        break;
    default: // a kind of value no Jet version writes
        break;
    }
    return memo;
}
