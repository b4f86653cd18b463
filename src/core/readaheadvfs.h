#pragma once

namespace catalogue
{

// SQLite's default file access with one change: a catalogue read page after page, as a
// listing scans it, is read 128 KB at a time, not in one system call per page, and SQLite
// is lent the pages from that memory where it asks for them (PRAGMA mmap_size > 0), not
// given copies. Nothing is mapped, so a file shrunk by another program cannot fault. Pages
// read out of sequence are read as before. What is held is dropped whenever the file's
// lock changes, so no other program's commit is missed; a file in WAL mode is not read
// ahead. Returns the name for a "vfs=" URI parameter, registering it on first use; null
// where SQLite refused it.
const char *readAheadVfsName();

} // namespace catalogue
