#include "d64writer.h"

#include <array>

namespace sampledata
{
namespace
{

constexpr char kPad = char(0xA0);
constexpr int kBlockBytes = 254;
constexpr int kDirectoryInterleave = 3;
constexpr int kDataInterleave = 10;

// The 1541 fills the tracks nearest the directory first, to keep head movement short.
std::array<int, kD64Tracks - 1> dataTrackOrder()
{
    std::array<int, kD64Tracks - 1> order{};
    int i = 0;
    for (int t = kD64DirectoryTrack - 1; t >= 1; --t)
        order[i++] = t;
    for (int t = kD64DirectoryTrack + 1; t <= kD64Tracks; ++t)
        order[i++] = t;
    return order;
}

class SectorMap
{
public:
    bool isUsed(int track, int sector) const { return m_used[track][sector]; }
    void use(int track, int sector) { m_used[track][sector] = true; }
    // First free sector of the track at or after `from`, wrapping; -1 when the track is full.
    int freeFrom(int track, int from) const
    {
        const int n = d64SectorsOnTrack(track);
        for (int i = 0; i < n; ++i) {
            const int s = (from + i) % n;
            if (!m_used[track][s])
                return s;
        }
        return -1;
    }
    int freeOnTrack(int track) const
    {
        int free = 0;
        for (int s = 0; s < d64SectorsOnTrack(track); ++s)
            free += m_used[track][s] ? 0 : 1;
        return free;
    }

private:
    bool m_used[kD64Tracks + 1][21] = {};
};

void putPadded(QByteArray &image, int offset, const QByteArray &text, int width)
{
    for (int i = 0; i < width; ++i)
        image[offset + i] = i < text.size() ? text[i] : kPad;
}

int blocksFor(const ImageFile &file)
{
    return qMax<int>(1, int((file.data.size() + kBlockBytes - 1) / kBlockBytes));
}

using Chain = QList<std::pair<int, int>>;

QString inputProblem(const QByteArray &diskName, const QByteArray &id,
                     const QList<ImageFile> &files)
{
    if (diskName.size() > 16)
        return QStringLiteral("the disk name is longer than 16 characters");
    if (id.size() != 2)
        return QStringLiteral("the disk ID must be two characters");
    if (files.size() > kD64MaxFiles)
        return QStringLiteral("a disk directory holds at most %1 files, not %2")
            .arg(kD64MaxFiles)
            .arg(files.size());
    int needed = 0;
    for (const ImageFile &f : files) {
        if (f.name.isEmpty() || f.name.size() > 16)
            return QStringLiteral("the file name \"%1\" is not 1 to 16 characters")
                .arg(QString::fromLatin1(f.name));
        needed += blocksFor(f);
    }
    const int available = 683 - d64SectorsOnTrack(kD64DirectoryTrack);
    if (needed > available)
        return QStringLiteral("the files need %1 blocks, the disk holds %2")
            .arg(needed)
            .arg(available);
    return {};
}

// Claims and links the directory sectors first, so data never lands on track 18.
QList<int> layOutDirectory(QByteArray &image, SectorMap &map, qsizetype fileCount)
{
    const int dirSectors = qMax<int>(1, int((fileCount + 7) / 8));
    QList<int> directory;
    int sector = 1;
    for (int i = 0; i < dirSectors; ++i) {
        sector = map.freeFrom(kD64DirectoryTrack, sector);
        map.use(kD64DirectoryTrack, sector);
        directory.append(sector);
        sector += kDirectoryInterleave;
    }
    for (int i = 0; i < dirSectors; ++i) {
        const int off = d64Offset(kD64DirectoryTrack, directory[i]);
        const bool last = i + 1 == dirSectors;
        image[off] = char(last ? 0 : kD64DirectoryTrack);
        image[off + 1] = char(last ? 0xFF : directory[i + 1]);
    }
    return directory;
}

// Hands out data sectors across files, carrying the position on from one file to the next.
class DataAllocator
{
public:
    explicit DataAllocator(SectorMap &map) : m_map(map) {}

    Chain allocate(int blocks)
    {
        Chain chain;
        while (chain.size() < blocks) {
            const int track = m_order[m_trackIndex];
            const int s = m_map.freeFrom(track, m_nextSector);
            if (s < 0) {
                ++m_trackIndex;
                m_nextSector = 0;
                continue;
            }
            m_map.use(track, s);
            chain.append({track, s});
            m_nextSector = (s + kDataInterleave) % d64SectorsOnTrack(track);
        }
        return chain;
    }

private:
    SectorMap &m_map;
    const std::array<int, kD64Tracks - 1> m_order = dataTrackOrder();
    int m_trackIndex = 0;
    int m_nextSector = 0;
};

void writeChain(QByteArray &image, const Chain &chain, const QByteArray &data)
{
    const int blocks = int(chain.size());
    for (int b = 0; b < blocks; ++b) {
        const int off = d64Offset(chain[b].first, chain[b].second);
        const QByteArray part = data.mid(qsizetype(b) * kBlockBytes, kBlockBytes);
        if (b + 1 < blocks) {
            image[off] = char(chain[b + 1].first);
            image[off + 1] = char(chain[b + 1].second);
        } else {
            image[off] = 0;
            image[off + 1] = char(part.size() + 1); // index of the last byte in use
        }
        image.replace(off + 2, part.size(), part);
    }
}

void writeDirectoryEntry(QByteArray &image, int entry, const ImageFile &file, const Chain &chain)
{
    const int blocks = int(chain.size());
    image[entry + 2] = char(file.type);
    image[entry + 3] = char(chain.first().first);
    image[entry + 4] = char(chain.first().second);
    putPadded(image, entry + 5, file.name, 16);
    image[entry + 30] = char(blocks & 0xFF);
    image[entry + 31] = char(blocks >> 8);
}

void writeBamBitmap(QByteArray &image, const SectorMap &map)
{
    for (int t = 1; t <= kD64Tracks; ++t) {
        const int off = kD64BamOffset + 4 * t;
        image[off] = char(map.freeOnTrack(t));
        quint32 bits = 0;
        for (int s = 0; s < d64SectorsOnTrack(t); ++s)
            bits |= map.isUsed(t, s) ? 0u : 1u << s;
        image[off + 1] = char(bits & 0xFF);
        image[off + 2] = char((bits >> 8) & 0xFF);
        image[off + 3] = char((bits >> 16) & 0xFF);
    }
}

void writeBam(QByteArray &image, const SectorMap &map, int firstDirectorySector,
              const QByteArray &diskName, const QByteArray &id)
{
    const int bam = kD64BamOffset;
    image[bam] = char(kD64DirectoryTrack);
    image[bam + 1] = char(firstDirectorySector);
    image[bam + 2] = 'A';
    writeBamBitmap(image, map);
    putPadded(image, bam + 0x90, diskName, 16);
    image[bam + 0xA0] = kPad;
    image[bam + 0xA1] = kPad;
    image.replace(bam + 0xA2, 2, id);
    image[bam + 0xA4] = kPad;
    image.replace(bam + 0xA5, 2, QByteArrayLiteral("2A"));
    for (int i = 0xA7; i <= 0xAA; ++i)
        image[bam + i] = kPad;
}

} // namespace

int d64SectorsOnTrack(int track)
{
    if (track < 1 || track > kD64Tracks)
        return 0;
    if (track <= 17)
        return 21;
    if (track <= 24)
        return 19;
    if (track <= 30)
        return 18;
    return 17;
}

int d64Offset(int track, int sector)
{
    if (sector < 0 || sector >= d64SectorsOnTrack(track))
        return -1;
    int offset = 0;
    for (int t = 1; t < track; ++t)
        offset += d64SectorsOnTrack(t) * 256;
    return offset + sector * 256;
}

ImageResult writeD64(const QByteArray &diskName, const QByteArray &id,
                     const QList<ImageFile> &files)
{
    ImageResult result;
    if (const QString why = inputProblem(diskName, id, files); !why.isEmpty()) {
        result.error = why;
        return result;
    }

    QByteArray image(kD64Size, '\0');
    SectorMap map;
    map.use(kD64DirectoryTrack, 0);
    const QList<int> directory = layOutDirectory(image, map, files.size());

    DataAllocator data(map);
    for (int n = 0; n < files.size(); ++n) {
        const Chain chain = data.allocate(blocksFor(files[n]));
        writeChain(image, chain, files[n].data);
        const int entry = d64Offset(kD64DirectoryTrack, directory[n / 8]) + 32 * (n % 8);
        writeDirectoryEntry(image, entry, files[n], chain);
    }

    writeBam(image, map, directory.first(), diskName, id);
    result.bytes = image;
    return result;
}

} // namespace sampledata
