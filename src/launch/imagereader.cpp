#include "imagereader.h"

#include <QFile>
#include <QFileInfo>

namespace
{

constexpr qsizetype kBam = 0x16500;
constexpr qsizetype kDiskName = 0x16590;
constexpr qsizetype kDiskId = 0x165A2;
constexpr qsizetype kFirstDirSector = 0x16600;
constexpr int kMaxDirSectors = 18;
constexpr int kEntriesPerSector = 8;
constexpr int kEntrySize = 32;
constexpr int kNameLength = 16;

constexpr qsizetype kTapeMaxEntries = 0x22;
constexpr qsizetype kTapeName = 0x28;
constexpr qsizetype kTapeDirectory = 0x40;
constexpr int kTapeSlots = 8;

constexpr uchar kPad = 0xA0;
constexpr uchar kBlank = 0x20;

// The code points of 0x80..0x9F; the five bytes Windows leaves undefined map to
// themselves, as the system conversion does.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bounds-checked access to the image bytes.
class Image
{
public:
    explicit Image(QByteArrayView data) : m_data(data) {}
    bool has(qsizetype offset, qsizetype length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_data.size() - length;
    }
    // Only after has() said yes.
    uchar at(qsizetype offset) const { return static_cast<uchar>(m_data[offset]); }
    QByteArrayView slice(qsizetype offset, qsizetype length) const
    {
        return m_data.sliced(offset, length);
    }
    int word(qsizetype offset) const { return at(offset) | (at(offset + 1) << 8); }

private:
    QByteArrayView m_data;
};

QString listLine(const QString &name, int padBase, int blocks, const QString &type)
{
    const int pad = name.size() < kNameLength ? padBase - int(name.size()) : 0;
    return QLatin1Char('"') + name + QLatin1Char('"') + QString(pad, QLatin1Char(' ')) +
           QLatin1Char('\t') + QString::number(blocks) + QLatin1Char('\t') + type;
}

ImageListing corrupted(ImageListing listing)
{
    listing.corrupted = true;
    return listing;
}

Result<ImageListing> readFile(const QString &path, qsizetype reach,
                              ImageListing (*reader)(QByteArrayView))
{
    const QString plain = unquotePath(path);
    if (plain.isEmpty())
        return Failure{QStringLiteral("no file given")};
    // Folders, pipes and devices: reading them would fail or never end.
    if (const QFileInfo info(plain); info.exists() && !info.isFile())
        return Failure{QStringLiteral("%1 is not a file").arg(plain)};
    QFile file(plain);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("%1: %2").arg(plain, file.errorString())};
    const QByteArray data = file.read(reach);
    if (file.error() != QFileDevice::NoError)
        return Failure{QStringLiteral("%1: %2").arg(plain, file.errorString())};
    ImageListing listing = reader(data);
    listing.path = plain;
    return listing;
}

} // namespace

QString decode1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const uchar b = static_cast<uchar>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHigh1252[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

QString trimName(QByteArrayView raw, bool blanksPad)
{
    qsizetype end = raw.size();
    while (end > 0) {
        const uchar b = static_cast<uchar>(raw[end - 1]);
        if (b != kPad && !(blanksPad && b == kBlank))
            break;
        --end;
    }
    return decode1252(raw.first(end));
}

QString typeText(quint8 typeByte)
{
    if (typeByte == 0)
        return QStringLiteral("SCR");
    static const char *const names[] = {"DEL", "SEQ", "PRG", "USR", "REL"};
    const int kind = typeByte & 0x07;
    QString text;
    if (typeByte & 0x40)
        text += QLatin1Char('<');
    if (!(typeByte & 0x80)) // the file was not closed
        text += QLatin1Char('*');
    return text + (kind < 5 ? QLatin1String(names[kind]) : QLatin1String("???"));
}

QString unquotePath(const QString &path)
{
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        return path.mid(1, path.size() - 2);
    return path;
}

ImageListing readD64(QByteArrayView data)
{
    const Image image(data);
    ImageListing listing;
    if (!image.has(kDiskName, kNameLength))
        return corrupted(listing);
    listing.name = trimName(image.slice(kDiskName, kNameLength), false);
    if (!image.has(kDiskId, 5))
        return corrupted(listing);
    listing.id = decode1252(image.slice(kDiskId, 5));

    // The BAM counts lie below the disk name, so they are in the image by now.
    int free = 0;
    for (int track = 1; track <= 35; ++track)
        if (track != 18)
            free += image.at(kBam + 4 * track);
    listing.freeText = QString::number(free) + QStringLiteral(" BLOCKS FREE.");

    // The chain is assumed to stay on track 18, whose sectors lie 256 bytes apart.
    qsizetype sector = kFirstDirSector;
    int previous = 1;
    for (int count = 1;; ++count) {
        if (!image.has(sector, 2))
            return corrupted(listing);
        const uchar linkTrack = image.at(sector);
        const uchar linkSector = image.at(sector + 1);
        for (int e = 0; e < kEntriesPerSector; ++e) {
            const qsizetype entry = sector + kEntrySize * e;
            if (!image.has(entry, kEntrySize))
                return corrupted(listing);
            const uchar type = image.at(entry + 2);
            const uchar firstTrack = image.at(entry + 3);
            const uchar firstSector = image.at(entry + 4);
            const uchar sizeLow = image.at(entry + 30);
            const uchar sizeHigh = image.at(entry + 31);
            if (type == 0 && firstTrack == 0 && firstSector == 0 && sizeLow == 0 &&
                image.at(entry + 5) == 0)
                return listing;
            const QString name = trimName(image.slice(entry + 5, kNameLength), false);
            listing.lines << listLine(name, 17, sizeHigh * 256 + sizeLow, typeText(type));
        }
        if (linkTrack == 0 || linkSector == 0)
            return listing;
        if (count == kMaxDirSectors)
            return corrupted(listing);
        // The step was a 16-bit product: a jump of more than 127 sectors up or 128 down
        // did not fit and counted as a corrupted chain.
        const int step = linkSector - previous;
        if (step > 127 || step < -128)
            return corrupted(listing);
        sector += qsizetype(step) * 256;
        previous = linkSector;
    }
}

ImageListing readT64(QByteArrayView data)
{
    const Image image(data);
    ImageListing listing;
    if (!image.has(kTapeName, kNameLength))
        return corrupted(listing);
    listing.name = trimName(image.slice(kTapeName, kNameLength), true);

    // Slots beyond the container's maximum hold file data, not directory entries.
    const int slots = qBound(1, image.word(kTapeMaxEntries), kTapeSlots);
    for (int e = 0; e < slots; ++e) {
        const qsizetype slot = kTapeDirectory + kEntrySize * e;
        if (!image.has(slot, kEntrySize))
            return corrupted(listing);
        const uchar type = image.at(slot + 1);
        if (type == 0 && image.at(slot + 16) == 0)
            return listing;
        const QString name = trimName(image.slice(slot + 16, kNameLength), true);
        if ((name.size() > 0 && name[0].isNull()) || (name.size() > 1 && name[1].isNull()))
            continue;
        // Tape entries carry load addresses instead of a block count; an end address
        // below the start wraps past 0xFFFF.
        const int length = (image.word(slot + 4) - image.word(slot + 2)) & 0xFFFF;
        listing.lines << listLine(name, 16, (length + 253) / 254, typeText(type));
    }
    return listing;
}

Result<ImageListing> readD64File(const QString &path)
{
    return readFile(path, kD64Reach, &readD64);
}

Result<ImageListing> readT64File(const QString &path)
{
    return readFile(path, kT64Reach, &readT64);
}

QString c64Extension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot);
}

C64ImageKind c64ImageKind(const QString &path)
{
    const QString ext = c64Extension(unquotePath(path));
    if (ext == QLatin1String(".D64") || ext == QLatin1String(".d64"))
        return C64ImageKind::D64;
    if (ext == QLatin1String(".T64") || ext == QLatin1String(".t64"))
        return C64ImageKind::T64;
    return C64ImageKind::None;
}

Result<ImageListing> readC64Image(const QString &path)
{
    switch (c64ImageKind(path)) {
    case C64ImageKind::D64:
        return readD64File(path);
    case C64ImageKind::T64:
        return readT64File(path);
    case C64ImageKind::None:
        break;
    }
    ImageListing listing;
    listing.path = path;
    return listing;
}
