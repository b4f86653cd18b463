#pragma once

#include "imagekind.h"
#include "result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// A zip archive, or a gzip-compressed file (.gz, .adz), read through libarchive. Entries
// are bounded in size and count, and their names are only ever read for the extension:
// an entry is addressed by its index, and an archive holding a name that climbs out of its
// folder is refused whole.
class ArchiveFile
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveFile)

public:
    static constexpr int kMaxEntries = 256;
    static constexpr qint64 kMaxEntrySize = 8 * 1024 * 1024;

    struct Entry {
        int index = 0;
        ImageHead head; // name, size as the archive states it, and the first bytes
    };

    explicit ArchiveFile(QString path);

    // Every file entry, directories left out.
    Result<QList<Entry>> entries() const;
    // The whole content of an entry. Reading stops at kMaxEntrySize, whatever the archive
    // says the size is, so a bomb costs no more than that.
    Result<QByteArray> read(int index) const;

private:
    QString m_path;
};
