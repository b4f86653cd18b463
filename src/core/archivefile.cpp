#include "archivefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace
{

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

bool hasGzipMagic(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == QByteArrayLiteral("\x1f\x8b");
}

// The uncompressed size a gzip file states in its trailer (modulo 4 GiB).
qint64 gzipStatedSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 18 || !file.seek(file.size() - 4))
        return -1;
    const QByteArray tail = file.read(4);
    return qint64(quint8(tail[0])) | qint64(quint8(tail[1])) << 8 | qint64(quint8(tail[2])) << 16 |
           qint64(quint8(tail[3])) << 24;
}

// A gzip file's one entry is named after the file: game.d64.gz holds game.d64, and an
// .adz an .adf.
QString gzipEntryName(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("adz"), Qt::CaseInsensitive) == 0)
        return info.completeBaseName() + QStringLiteral(".adf");
    return info.completeBaseName();
}

bool climbsOut(const QString &name)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        (name.size() > 1 && name.at(1) == QLatin1Char(':')))
        return true;
    return name.split(separators).contains(QLatin1String(".."));
}

// Opens the archive for one pass; gzip files read as one raw entry.
Result<ArchivePtr> openArchive(const QString &path, bool gzip)
{
    ArchivePtr a(archive_read_new(), &archive_read_free);
    if (gzip) {
        archive_read_support_filter_gzip(a.get());
        archive_read_support_format_raw(a.get());
    } else {
        archive_read_support_format_zip(a.get());
    }
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(), 65536) !=
        ARCHIVE_OK)
        return Failure{ArchiveFile::tr("%1 cannot be read as an archive: %2")
                           .arg(path, QString::fromUtf8(archive_error_string(a.get())))};
    return a;
}

} // namespace

ArchiveFile::ArchiveFile(QString path) : m_path(std::move(path)) {}

Result<QList<ArchiveFile::Entry>> ArchiveFile::entries() const
{
    const bool gzip = hasGzipMagic(m_path);
    Result<ArchivePtr> a = openArchive(m_path, gzip);
    if (!a)
        return a.failure();
    QList<Entry> list;
    archive_entry *entry = nullptr;
    int index = -1;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(a->get(), &entry)) == ARCHIVE_OK) {
        ++index;
        if (index >= kMaxEntries)
            return Failure{tr("%1 holds more than %2 entries.").arg(m_path).arg(kMaxEntries)};
        if (archive_entry_filetype(entry) == AE_IFDIR)
            continue;
        Entry e;
        e.index = index;
        e.head.name = gzip ? gzipEntryName(m_path)
                           : QString::fromUtf8(archive_entry_pathname_utf8(entry)
                                                   ? archive_entry_pathname_utf8(entry)
                                                   : archive_entry_pathname(entry));
        if (!gzip && climbsOut(e.head.name))
            return Failure{
                tr("%1 holds an entry named %2, outside its folder.").arg(m_path, e.head.name)};
        e.head.size = gzip ? gzipStatedSize(m_path) : archive_entry_size(entry);
        e.head.head.resize(ImageHead::kHeadSize);
        const la_ssize_t got = archive_read_data(a->get(), e.head.head.data(), e.head.head.size());
        if (got < 0)
            return Failure{tr("%1 is damaged: %2")
                               .arg(m_path, QString::fromUtf8(archive_error_string(a->get())))};
        e.head.head.truncate(got);
        list.append(e);
    }
    if (status != ARCHIVE_EOF)
        return Failure{
            tr("%1 is damaged: %2").arg(m_path, QString::fromUtf8(archive_error_string(a->get())))};
    return list;
}

Result<QByteArray> ArchiveFile::read(int index) const
{
    Result<ArchivePtr> a = openArchive(m_path, hasGzipMagic(m_path));
    if (!a)
        return a.failure();
    archive_entry *entry = nullptr;
    for (int i = 0; i <= index; ++i)
        if (i >= kMaxEntries || archive_read_next_header(a->get(), &entry) != ARCHIVE_OK)
            return Failure{tr("%1 has no entry %2.").arg(m_path).arg(index)};
    QByteArray data;
    char buffer[65536];
    la_ssize_t got = 0;
    while ((got = archive_read_data(a->get(), buffer, sizeof buffer)) > 0) {
        if (data.size() + got > kMaxEntrySize)
            return Failure{tr("An entry of %1 is larger than %2 MB.")
                               .arg(m_path)
                               .arg(kMaxEntrySize / (1024 * 1024))};
        data.append(buffer, got);
    }
    if (got < 0)
        return Failure{
            tr("%1 is damaged: %2").arg(m_path, QString::fromUtf8(archive_error_string(a->get())))};
    return data;
}
