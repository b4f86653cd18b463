// Feeds arbitrary bytes to the image identification and the archive reader, as a zip or a
// gzip file (the first byte picks which): whatever the bytes, the reader must return an
// error or bounded entries, and never read past its limits.
#include "archivefile.h"
#include "imagekind.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const QString path =
        dir.filePath(data[0] % 2 ? QStringLiteral("in.zip") : QStringLiteral("in.adz"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    (void)ImageHead{path, bytes.size(), bytes.left(ImageHead::kHeadSize)}.identify();
    const ArchiveFile archive(path);
    const auto entries = archive.entries();
    if (!entries)
        return 0;
    if (entries->size() > ArchiveFile::kMaxEntries)
        std::abort();
    for (const ArchiveFile::Entry &entry : *entries) {
        (void)entry.head.identify();
        if (const auto content = archive.read(entry.index);
            content && content->size() > ArchiveFile::kMaxEntrySize)
            std::abort();
    }
    return 0;
}
