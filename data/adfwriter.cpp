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

int dataBlocksFor(const ImageFile &file)
{
    return int((file.data.size() + kAdfDataBytes - 1) / kAdfDataBytes);
}

QString inputProblem(const QByteArray &volumeName, const QList<ImageFile> &files)
{
    if (const QString why = nameProblem(volumeName); !why.isEmpty())
        return why;
    int needed = 0;
    for (int i = 0; i < files.size(); ++i) {
        if (const QString why = nameProblem(files[i].name); !why.isEmpty())
            return why;
        for (int j = 0; j < i; ++j) {
            if (files[j].name.toUpper() == files[i].name.toUpper())
                return QStringLiteral("the name \"%1\" occurs twice")
                    .arg(QString::fromLatin1(files[i].name));
        }
        const int data = dataBlocksFor(files[i]);
        const int extensions = data > kAdfHashSize ? (data - 1) / kAdfHashSize : 0;
        needed += 1 + data + extensions;
    }
    const int available = kAdfBlocks - 4; // boot blocks, root and bitmap
    if (needed > available)
        return QStringLiteral("the files need %1 blocks, the disk holds %2")
            .arg(needed)
            .arg(available);
    return {};
}

// AmigaDOS allocates upward from the root, then wraps to the start of the disk.
class BlockAllocator
{
public:
    BlockAllocator()
    {
        m_used[0] = m_used[1] = m_used[kAdfRootBlock] = m_used[kAdfBitmapBlock] = true;
    }
    bool isUsed(int block) const { return m_used[block]; }
    int allocate()
    {
        while (m_used[m_cursor])
            m_cursor = m_cursor + 1 < kAdfBlocks ? m_cursor + 1 : 2;
        m_used[m_cursor] = true;
        return m_cursor;
    }

private:
    QList<bool> m_used = QList<bool>(kAdfBlocks, false);
    int m_cursor = kAdfBitmapBlock + 1;
};

struct FileBlocks {
    int header = 0;
    QList<int> data;
    QList<int> extensions;
};

// Every 72 data pointers need one more pointer block: the header, then lists.
FileBlocks allocateFile(BlockAllocator &blocks, int dataCount)
{
    FileBlocks file;
    file.header = blocks.allocate();
    for (int i = 0; i < dataCount; ++i) {
        if (i > 0 && i % kAdfHashSize == 0)
            file.extensions.append(blocks.allocate());
        file.data.append(blocks.allocate());
    }
    return file;
}

void writeDataBlocks(Image &img, const QByteArray &contents, const FileBlocks &file)
{
    const int dataCount = int(file.data.size());
    for (int i = 0; i < dataCount; ++i) {
        const int b = file.data[i];
        const QByteArray part = contents.mid(qsizetype(i) * kAdfDataBytes, kAdfDataBytes);
        img.put(b, 0, kTypeData);
        img.put(b, 4, quint32(file.header));
        img.put(b, 8, quint32(i + 1));
        img.put(b, 12, quint32(part.size()));
        img.put(b, 16, i + 1 < dataCount ? quint32(file.data[i + 1]) : 0);
        img.bytes.replace(b * kAdfBlockSize + 24, part.size(), part);
        img.seal(b);
    }
}

// Pointer tables run from the end of the table backwards.
void fillTable(Image &img, int block, const QList<int> &data, int first)
{
    const int count = qMin(kAdfHashSize, int(data.size() - first));
    for (int k = 0; k < count; ++k)
        img.put(block, 24 + 4 * (kAdfHashSize - 1 - k), quint32(data[first + k]));
    img.put(block, 8, quint32(qMax(count, 0)));
}

// Left unsealed: the hash chain link is still to come.
void writeFileHeader(Image &img, const ImageFile &contents, const FileBlocks &file)
{
    const int header = file.header;
    img.put(header, 0, kTypeHeader);
    img.put(header, 4, quint32(header));
    fillTable(img, header, file.data, 0);
    img.put(header, 16, file.data.isEmpty() ? 0 : quint32(file.data.first()));
    img.put(header, 324, quint32(contents.data.size()));
    img.stamp(header, 420);
    img.putName(header, contents.name);
    img.put(header, 500, quint32(kAdfRootBlock));
    img.put(header, 504, file.extensions.isEmpty() ? 0 : quint32(file.extensions.first()));
    img.put(header, 508, kSecFile);
}

void writeExtensionBlocks(Image &img, const FileBlocks &file)
{
    const QList<int> &extensions = file.extensions;
    for (int e = 0; e < extensions.size(); ++e) {
        const int b = extensions[e];
        img.put(b, 0, kTypeList);
        img.put(b, 4, quint32(b));
        fillTable(img, b, file.data, (e + 1) * kAdfHashSize);
        img.put(b, 500, quint32(file.header));
        img.put(b, 504, e + 1 < extensions.size() ? quint32(extensions[e + 1]) : 0);
        img.put(b, 508, kSecFile);
        img.seal(b);
    }
}

// New entries go to the head of their hash chain.
void linkIntoRoot(Image &img, int header, const QByteArray &name)
{
    const int slot = 24 + 4 * adfHash(name);
    img.put(header, 496, img.get(kAdfRootBlock, slot));
    img.put(kAdfRootBlock, slot, quint32(header));
    img.seal(header);
}

void writeFile(Image &img, BlockAllocator &blocks, const ImageFile &contents)
{
    const FileBlocks file = allocateFile(blocks, dataBlocksFor(contents));
    writeDataBlocks(img, contents.data, file);
    writeFileHeader(img, contents, file);
    writeExtensionBlocks(img, file);
    linkIntoRoot(img, file.header, contents.name);
}

void writeRootBlock(Image &img, const QByteArray &volumeName)
{
    const int root = kAdfRootBlock;
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
}

// One bit per block from block 2 on, set while the block is free.
void writeBitmap(Image &img, const BlockAllocator &blocks)
{
    for (int b = 2; b < kAdfBlocks; ++b) {
        if (blocks.isUsed(b))
            continue;
        const int bit = b - 2;
        const int offset = 4 + 4 * (bit / 32);
        img.put(kAdfBitmapBlock, offset, img.get(kAdfBitmapBlock, offset) | 1u << (bit % 32));
    }
    img.seal(kAdfBitmapBlock, 0);
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
    if (const QString why = inputProblem(volumeName, files); !why.isEmpty()) {
        result.error = why;
        return result;
    }

    Image img;
    img.bytes.replace(0, 4, QByteArray("DOS\0", 4));
    img.put(0, 8, kAdfRootBlock);

    BlockAllocator blocks;
    for (const ImageFile &file : files)
        writeFile(img, blocks, file);
    writeRootBlock(img, volumeName);
    writeBitmap(img, blocks);

    result.bytes = img.bytes;
    return result;
}

} // namespace sampledata
