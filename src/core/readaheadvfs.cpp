#include "readaheadvfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

namespace catalogue
{
namespace
{

constexpr int kChunkBytes = 128 * 1024;
// Chunks a file keeps: the pages SQLite holds at once (a cursor's path from the root to a
// leaf) each keep theirs. With all of them lent, pages are read one by one again.
constexpr int kChunks = 4;
// Reads in sequence before a chunk pays for itself: a page looked up alone reads only itself.
constexpr int kStreakToReadAhead = 2;

struct Chunk {
    unsigned char *bytes;
    sqlite3_int64 start;
    int size; // 0 when it holds nothing current
    int lent; // pages SQLite has fetched from it and not given back
};

// Placed by SQLite in the room szOsFile gives, with the default VFS's own file after it.
struct ReadAheadFile {
    sqlite3_file base;
    sqlite3_file *real;
    bool readsAhead;
    Chunk chunks[kChunks];
    sqlite3_int64 lastOffset;
    sqlite3_int64 nextInSequence;
    int streak;
    sqlite3_int64 fileSize; // while the lock stays, -1 when not known

    void forget()
    {
        for (Chunk &chunk : chunks)
            chunk.size = 0;
        fileSize = -1;
        streak = 0;
        lastOffset = -1;
        nextInSequence = -1;
    }
};

ReadAheadFile *self(sqlite3_file *file)
{
    return reinterpret_cast<ReadAheadFile *>(file);
}

sqlite3_file *real(sqlite3_file *file)
{
    return self(file)->real;
}

const sqlite3_io_methods *io(sqlite3_file *file)
{
    return self(file)->real->pMethods;
}

sqlite3_vfs *baseOf(sqlite3_vfs *vfs)
{
    return static_cast<sqlite3_vfs *>(vfs->pAppData);
}

Chunk *chunkHolding(ReadAheadFile *f, int amount, sqlite3_int64 offset)
{
    for (Chunk &chunk : f->chunks)
        if (chunk.size > 0 && offset >= chunk.start && offset + amount <= chunk.start + chunk.size)
            return &chunk;
    return nullptr;
}

// Whether this read continues a run long enough to read ahead; asking twice for the same
// page (a fetch, then the read SQLite falls back to) counts once.
bool continuesRun(ReadAheadFile *f, int amount, sqlite3_int64 offset)
{
    if (offset != f->lastOffset) {
        f->streak = offset == f->nextInSequence ? f->streak + 1 : 0;
        f->lastOffset = offset;
        f->nextInSequence = offset + amount;
    }
    return f->readsAhead && f->streak >= kStreakToReadAhead && amount <= kChunkBytes;
}

// A chunk no page is lent from, filled from offset on: null where there is none or the file
// ends before the read does.
Chunk *filledChunk(ReadAheadFile *f, int amount, sqlite3_int64 offset)
{
    if (f->fileSize < 0 && f->real->pMethods->xFileSize(f->real, &f->fileSize) != SQLITE_OK)
        f->fileSize = -1;
    if (f->fileSize - offset < amount)
        return nullptr;
    const auto spare = std::find_if(std::begin(f->chunks), std::end(f->chunks),
                                    [](const Chunk &c) { return c.lent == 0; });
    if (spare == std::end(f->chunks))
        return nullptr;
    if (!spare->bytes)
        spare->bytes = static_cast<unsigned char *>(sqlite3_malloc(kChunkBytes));
    spare->size = 0;
    const int size = int(std::min<sqlite3_int64>(kChunkBytes, f->fileSize - offset));
    if (!spare->bytes || f->real->pMethods->xRead(f->real, spare->bytes, size, offset) != SQLITE_OK)
        return nullptr;
    spare->start = offset;
    spare->size = size;
    return spare;
}

int closeFile(sqlite3_file *file)
{
    const int rc = io(file)->xClose(real(file));
    for (Chunk &chunk : self(file)->chunks) {
        sqlite3_free(chunk.bytes);
        chunk.bytes = nullptr;
    }
    return rc;
}

int readFile(sqlite3_file *file, void *to, int amount, sqlite3_int64 offset)
{
    ReadAheadFile *f = self(file);
    const Chunk *chunk = chunkHolding(f, amount, offset);
    if (!chunk && continuesRun(f, amount, offset))
        chunk = filledChunk(f, amount, offset);
    // Failing, the plain read reports the error as SQLite would.
    if (!chunk)
        return f->real->pMethods->xRead(f->real, to, amount, offset);
    std::memcpy(to, chunk->bytes + (offset - chunk->start), size_t(amount));
    f->lastOffset = offset;
    f->nextInSequence = offset + amount;
    return SQLITE_OK;
}

// Lends SQLite a page straight from a chunk, as it would map it from the file: no copy.
int fetchPage(sqlite3_file *file, sqlite3_int64 offset, int amount, void **page)
{
    ReadAheadFile *f = self(file);
    *page = nullptr;
    Chunk *chunk = chunkHolding(f, amount, offset);
    if (!chunk && continuesRun(f, amount, offset))
        chunk = filledChunk(f, amount, offset);
    if (!chunk)
        return SQLITE_OK;
    ++chunk->lent;
    f->lastOffset = offset;
    f->nextInSequence = offset + amount;
    *page = chunk->bytes + (offset - chunk->start);
    return SQLITE_OK;
}

// A page given back; without one, SQLite lets go of every page, and what is held is stale.
int unfetchPage(sqlite3_file *file, sqlite3_int64, void *page)
{
    ReadAheadFile *f = self(file);
    if (!page) {
        f->forget();
        return SQLITE_OK;
    }
    const auto *at = static_cast<const unsigned char *>(page);
    for (Chunk &chunk : f->chunks)
        if (chunk.bytes && at >= chunk.bytes && at < chunk.bytes + kChunkBytes)
            --chunk.lent;
    return SQLITE_OK;
}

// SQLite asks for pages to be lent only where it believes the file mapped: the size it
// gives is kept from the default VFS, which would otherwise map the file for real.
int controlFile(sqlite3_file *file, int op, void *arg)
{
    if (op == SQLITE_FCNTL_MMAP_SIZE && self(file)->readsAhead)
        return SQLITE_OK;
    return io(file)->xFileControl(real(file), op, arg);
}

// Whatever changes the file, or lets another program change it, drops what is held.
int writeFile(sqlite3_file *file, const void *from, int amount, sqlite3_int64 offset)
{
    self(file)->forget();
    return io(file)->xWrite(real(file), from, amount, offset);
}

int truncateFile(sqlite3_file *file, sqlite3_int64 size)
{
    self(file)->forget();
    return io(file)->xTruncate(real(file), size);
}

int lockFile(sqlite3_file *file, int level)
{
    self(file)->forget();
    return io(file)->xLock(real(file), level);
}

int unlockFile(sqlite3_file *file, int level)
{
    self(file)->forget();
    return io(file)->xUnlock(real(file), level);
}

// In WAL mode other programs write the file while its lock is held.
int mapShared(sqlite3_file *file, int region, int bytes, int extend, void volatile **p)
{
    self(file)->readsAhead = false;
    self(file)->forget();
    if (io(file)->iVersion < 2)
        return SQLITE_IOERR_SHMMAP;
    return io(file)->xShmMap(real(file), region, bytes, extend, p);
}

const sqlite3_io_methods kMethods = {
    3,
    closeFile,
    readFile,
    writeFile,
    truncateFile,
    [](sqlite3_file *f, int flags) { return io(f)->xSync(real(f), flags); },
    [](sqlite3_file *f, sqlite3_int64 *size) { return io(f)->xFileSize(real(f), size); },
    lockFile,
    unlockFile,
    [](sqlite3_file *f, int *out) { return io(f)->xCheckReservedLock(real(f), out); },
    controlFile,
    [](sqlite3_file *f) { return io(f)->xSectorSize(real(f)); },
    [](sqlite3_file *f) { return io(f)->xDeviceCharacteristics(real(f)); },
    mapShared,
    [](sqlite3_file *f, int offset, int n, int flags) {
        return io(f)->iVersion < 2 ? SQLITE_IOERR_SHMLOCK
                                   : io(f)->xShmLock(real(f), offset, n, flags);
    },
    [](sqlite3_file *f) {
        if (io(f)->iVersion >= 2)
            io(f)->xShmBarrier(real(f));
    },
    [](sqlite3_file *f, int deleteFlag) {
        return io(f)->iVersion < 2 ? SQLITE_OK : io(f)->xShmUnmap(real(f), deleteFlag);
    },
    fetchPage,
    unfetchPage,
};

int openFile(sqlite3_vfs *vfs, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *f = new (file) ReadAheadFile{};
    f->real = reinterpret_cast<sqlite3_file *>(f + 1);
    f->readsAhead = (flags & SQLITE_OPEN_MAIN_DB) != 0 && (flags & SQLITE_OPEN_READONLY) != 0;
    f->forget();
    const int rc = baseOf(vfs)->xOpen(baseOf(vfs), name, f->real, flags, outFlags);
    // SQLite closes a file whose methods are set, even after a failed open.
    file->pMethods = f->real->pMethods ? &kMethods : nullptr;
    return rc;
}

sqlite3_vfs *registeredVfs()
{
    sqlite3_vfs *base = sqlite3_vfs_find(nullptr);
    if (!base)
        return nullptr;
    static sqlite3_vfs vfs{};
    vfs.iVersion = std::min(base->iVersion, 2);
    vfs.szOsFile = int(sizeof(ReadAheadFile)) + base->szOsFile;
    vfs.mxPathname = base->mxPathname;
    vfs.zName = "vantrel-readahead";
    vfs.pAppData = base;
    vfs.xOpen = openFile;
    vfs.xDelete = [](sqlite3_vfs *v, const char *name, int syncDir) {
        return baseOf(v)->xDelete(baseOf(v), name, syncDir);
    };
    vfs.xAccess = [](sqlite3_vfs *v, const char *name, int flags, int *out) {
        return baseOf(v)->xAccess(baseOf(v), name, flags, out);
    };
    vfs.xFullPathname = [](sqlite3_vfs *v, const char *name, int n, char *out) {
        return baseOf(v)->xFullPathname(baseOf(v), name, n, out);
    };
    vfs.xDlOpen = [](sqlite3_vfs *v, const char *name) {
        return baseOf(v)->xDlOpen(baseOf(v), name);
    };
    vfs.xDlError = [](sqlite3_vfs *v, int n, char *out) { baseOf(v)->xDlError(baseOf(v), n, out); };
    vfs.xDlSym = [](sqlite3_vfs *v, void *library, const char *symbol) {
        return baseOf(v)->xDlSym(baseOf(v), library, symbol);
    };
    vfs.xDlClose = [](sqlite3_vfs *v, void *library) { baseOf(v)->xDlClose(baseOf(v), library); };
    vfs.xRandomness = [](sqlite3_vfs *v, int n, char *out) {
        return baseOf(v)->xRandomness(baseOf(v), n, out);
    };
    vfs.xSleep = [](sqlite3_vfs *v, int us) { return baseOf(v)->xSleep(baseOf(v), us); };
    vfs.xCurrentTime = [](sqlite3_vfs *v, double *now) {
        return baseOf(v)->xCurrentTime(baseOf(v), now);
    };
    vfs.xGetLastError = [](sqlite3_vfs *v, int n, char *out) {
        return baseOf(v)->xGetLastError(baseOf(v), n, out);
    };
    vfs.xCurrentTimeInt64 = [](sqlite3_vfs *v, sqlite3_int64 *now) {
        return baseOf(v)->xCurrentTimeInt64(baseOf(v), now);
    };
    return sqlite3_vfs_register(&vfs, 0) == SQLITE_OK ? &vfs : nullptr;
}

} // namespace

const char *readAheadVfsName()
{
    static const sqlite3_vfs *vfs = registeredVfs();
    return vfs ? vfs->zName : nullptr;
}

} // namespace catalogue
