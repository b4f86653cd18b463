#pragma once

#include <cstddef>
// The Jet library's header includes glib inside extern "C", where glib's own C++ include
// of the type traits fails: they must be there before.
#include <type_traits>

#include <mdbtools.h>

// Converts a text value of the page, size bytes at text, into dest (capacity bytes and one
// more for the closing zero), exactly as libmdb's own conversion does. Plain ASCII, what
// most values are, is copied without it: libmdb goes through iconv for every value.
void convertJetText(MdbHandle *mdb, const unsigned char *text, std::size_t size, char *dest,
                    std::size_t capacity);
