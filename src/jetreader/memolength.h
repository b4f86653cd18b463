#pragma once

#include <cstdint>
// The Jet library's header includes glib inside extern "C", where glib's own C++ include
// of the type traits fails: they must be there before.
#include <type_traits>

#include <mdbtools.h>

// A memo value's length as its header gives it, and the bytes its long-value pages hold.
struct MemoLength {
    std::uint64_t declared = 0;
    std::uint64_t stored = 0;
    bool whole() const { return declared == stored; }
};

// Measures the memo value of column in the row libmdb has just read: its header lies in the
// data page at the column's current value. The library cuts a value short where a page of
// it is missing or its chain of pages loops, and says nothing; this walks the pages itself,
// stopping at a page it has seen, one that is no long-value page, or one it cannot read.
MemoLength measureMemo(MdbHandle *mdb, const MdbColumn &column);
