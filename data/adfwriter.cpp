#include "adfwriter.h"

#include <QDate>
#include <QtEndian>

namespace sampledata
{
namespace
{

constexpr quint32 kTypeHeader = 2;
constexpr quint32 kTypeData = 8;
constexpr quint32 kTypeList = 16;
constexpr quint32 kSecRoot = 1;
constexpr quint32 kSecFile = quint32(-3);

// Fixed time stamps keep the output identical from run to run: days since 1978-01-01.
const int kStampDays = int(QDate(1978, 1, 1).daysTo(QDate(1991, 6, 14)));
constexpr int kStampMinutes = 12 * 60;

class Image
{
public:
    Image() : bytes(kAdfSize, '\0') {}
    QByteArray bytes;

    void put(int block, int offset, quint32 value)
    {
        qToBigEndian(value, bytes.data() + block * kAdfBlockSize + offset);
    }
    quint32 get(int block, int offset) const
    {
        return qFromBigEndian<quint32>(bytes.constData() + block * kAdfBlockSize + offset);
    }
    void putName(int block, const QByteArray &name)
    {
        bytes[block * kAdfBlockSize + 432] = char(name.size());
        bytes.replace(block * kAdfBlockSize + 433, name.size(), name);
    }
    void stamp(int block, int offset)
    {
        put(block, offset, quint32(kStampDays));
        put(block, offset + 4, quint32(kStampMinutes));
        put(block, offset + 8, 0);
    }
    void seal(int block, int checksumOffset = 20)
    {
        put(block, checksumOffset, 0);
        put(block, checksumOffset, adfBlockChecksum(bytes, block, checksumOffset));
    }
};

QString nameProblem(const QByteArray &name)
{
    if (name.isEmpty() || name.size() > 30)
        return QStringLiteral("the name \"%1\" is not 1 to 30 characters")
            .arg(QString::fromLatin1(name));
    if (name.contains(':') || name.contains('/'))
        return QStringLiteral("the name \"%1\" holds ':' or '/'").arg(QString::fromLatin1(name));
    return {};
}

} // namespace

quint32 adfBlockChecksum(const QByteArray &image, int block, int checksumOffset)
{
    const qsizetype base = qsizetype(block) * kAdfBlockSize;
    if (block < 0 || base + kAdfBlockSize > image.size())
        return 0;
    quint32 sum = 0;
    for (int i = 0; i < kAdfBlockSize; i += 4) {
        if (i != checksumOffset)
            sum += qFromBigEndian<quint32>(image.constData() + base + i);
    }
    return quint32(0) - sum;
}

int adfHash(const QByteArray &name)
{
    quint32 hash = quint32(name.size());
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z')
            u = u - 'a' + 'A';
        hash = (hash * 13 + u) & 0x7FF;
    }
    return int(hash % kAdfHashSize);
}

ImageResult writeAdf(const QByteArray &volumeName, const QList<ImageFile> &files)
{
    ImageResult result;
    if (const QString why = nameProblem(volumeName); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    int needed = 0;
    for (int i = 0; i < files.size(); ++i) {
        if (const QString why = nameProblem(files[i].name); !why.isEmpty()) {
            result.error = why;
            return result;
        }
        for (int j = 0; j < i; ++j) {
            if (files[j].name.toUpper() == files[i].name.toUpper()) {
                result.error = QStringLiteral("the name \"%1\" occurs twice")
                                   .arg(QString::fromLatin1(files[i].name));
                return result;
            }
        }
        const int data = int((files[i].data.size() + kAdfDataBytes - 1) / kAdfDataBytes);
        const int extensions = data > kAdfHashSize ? (data - 1) / kAdfHashSize : 0;
        needed += 1 + data + extensions;
    }
    const int available = kAdfBlocks - 4; // boot blocks, root and bitmap
    if (needed > available) {
        result.error = QStringLiteral("the files need %1 blocks, the disk holds %2")
                           .arg(needed)
                           .arg(available);
        return result;
    }

    Image img;
    img.bytes.replace(0, 4, QByteArray("DOS\0", 4));
    img.put(0, 8, kAdfRootBlock);

    QList<bool> used(kAdfBlocks, false);
    used[0] = used[1] = used[kAdfRootBlock] = used[kAdfBitmapBlock] = true;
    // AmigaDOS allocates upward from the root, then wraps to the start of the disk.
    int cursor = kAdfBitmapBlock + 1;
    auto allocate = [&]() {
        while (used[cursor])
            cursor = cursor + 1 < kAdfBlocks ? cursor + 1 : 2;
        used[cursor] = true;
        return cursor;
    };

    const int root = kAdfRootBlock;
    for (const ImageFile &file : files) {
        const int header = allocate();
        const int dataCount = int((file.data.size() + kAdfDataBytes - 1) / kAdfDataBytes);
        QList<int> data;
        QList<int> extensions;
        // Every 72 data pointers need one more pointer block: the header, then lists.
        for (int i = 0; i < dataCount; ++i) {
            if (i > 0 && i % kAdfHashSize == 0)
                extensions.append(allocate());
            data.append(allocate());
        }

        for (int i = 0; i < dataCount; ++i) {
            const int b = data[i];
            const QByteArray part = file.data.mid(qsizetype(i) * kAdfDataBytes, kAdfDataBytes);
            img.put(b, 0, kTypeData);
            img.put(b, 4, quint32(header));
            img.put(b, 8, quint32(i + 1));
            img.put(b, 12, quint32(part.size()));
            img.put(b, 16, i + 1 < dataCount ? quint32(data[i + 1]) : 0);
            img.bytes.replace(b * kAdfBlockSize + 24, part.size(), part);
            img.seal(b);
        }

        // Pointer tables run from the end of the table backwards.
        auto fillTable = [&](int block, int first) {
            const int count = qMin(kAdfHashSize, int(dataCount - first));
            for (int k = 0; k < count; ++k)
                img.put(block, 24 + 4 * (kAdfHashSize - 1 - k), quint32(data[first + k]));
            img.put(block, 8, quint32(qMax(count, 0)));
        };

        img.put(header, 0, kTypeHeader);
        img.put(header, 4, quint32(header));
        fillTable(header, 0);
        img.put(header, 16, dataCount > 0 ? quint32(data.first()) : 0);
        img.put(header, 324, quint32(file.data.size()));
        img.stamp(header, 420);
        img.putName(header, file.name);
        img.put(header, 500, quint32(root));
        img.put(header, 504, extensions.isEmpty() ? 0 : quint32(extensions.first()));
        img.put(header, 508, kSecFile);

        for (int e = 0; e < extensions.size(); ++e) {
            const int b = extensions[e];
            img.put(b, 0, kTypeList);
            img.put(b, 4, quint32(b));
            fillTable(b, (e + 1) * kAdfHashSize);
            img.put(b, 500, quint32(header));
            img.put(b, 504, e + 1 < extensions.size() ? quint32(extensions[e + 1]) : 0);
            img.put(b, 508, kSecFile);
            img.seal(b);
        }

        // New entries go to the head of their hash chain.
        const int slot = 24 + 4 * adfHash(file.name);
        img.put(header, 496, img.get(root, slot));
        img.put(root, slot, quint32(header));
        img.seal(header);
    }

    img.put(root, 0, kTypeHeader);
    img.put(root, 12, kAdfHashSize);
    img.put(root, 312, quint32(-1)); // bitmap valid
    img.put(root, 316, kAdfBitmapBlock);
    img.stamp(root, 420);
    img.putName(root, volumeName);
    img.stamp(root, 472);
    img.stamp(root, 484);
    img.put(root, 508, kSecRoot);
    img.seal(root);

    // Bitmap: one bit per block from block 2 on, set while the block is free.
    for (int b = 2; b < kAdfBlocks; ++b) {
        if (used[b])
            continue;
        const int bit = b - 2;
        const int offset = 4 + 4 * (bit / 32);
        img.put(kAdfBitmapBlock, offset, img.get(kAdfBitmapBlock, offset) | 1u << (bit % 32));
    }
    img.seal(kAdfBitmapBlock, 0);

    result.bytes = img.bytes;
    return result;
}

} // namespace sampledata
