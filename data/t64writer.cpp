#include "t64writer.h"

#include <QtEndian>

namespace sampledata
{
namespace
{

void putPadded(QByteArray &image, int offset, const QByteArray &text, int width)
{
    for (int i = 0; i < width; ++i)
        image[offset + i] = i < text.size() ? text[i] : ' ';
}

void put16(QByteArray &image, int offset, quint16 value)
{
    qToLittleEndian(value, image.data() + offset);
}

void put32(QByteArray &image, int offset, quint32 value)
{
    qToLittleEndian(value, image.data() + offset);
}

} // namespace

ImageResult writeT64(const QByteArray &tapeName, const QList<ImageFile> &files, int slots)
{
    ImageResult result;
    auto fail = [&result](const QString &why) {
        result.error = why;
        return result;
    };
    if (slots == 0)
        slots = qMax<int>(8, int(files.size()));
    if (slots < files.size() || slots > 0xFFFF)
        return fail(
            QStringLiteral("%1 directory slots cannot hold %2 files").arg(slots).arg(files.size()));
    if (tapeName.size() > 24)
        return fail(QStringLiteral("the tape name is longer than 24 characters"));
    for (const ImageFile &f : files) {
        if (f.name.isEmpty() || f.name.size() > 16)
            return fail(QStringLiteral("the file name \"%1\" is not 1 to 16 characters")
                            .arg(QString::fromLatin1(f.name)));
        if (f.data.size() < 2)
            return fail(QStringLiteral("the file \"%1\" has no load address")
                            .arg(QString::fromLatin1(f.name)));
        const int start = quint8(f.data[0]) | quint8(f.data[1]) << 8;
        if (start + f.data.size() - 2 > 0xFFFF)
            return fail(QStringLiteral("the file \"%1\" runs past the end of memory")
                            .arg(QString::fromLatin1(f.name)));
    }

    QByteArray image(kT64HeaderSize + slots * kT64EntrySize, '\0');
    image.replace(0, 20, QByteArrayLiteral("C64S tape image file"));
    put16(image, 0x20, 0x0101);
    put16(image, 0x22, quint16(slots));
    put16(image, 0x24, quint16(files.size()));
    putPadded(image, 0x28, tapeName, 24);

    for (int n = 0; n < files.size(); ++n) {
        const ImageFile &f = files[n];
        const int entry = kT64HeaderSize + n * kT64EntrySize;
        const int start = quint8(f.data[0]) | quint8(f.data[1]) << 8;
        const QByteArray payload = f.data.mid(2);
        image[entry] = 1; // a normal tape file
        image[entry + 1] = char(f.type);
        put16(image, entry + 2, quint16(start));
        put16(image, entry + 4, quint16(start + payload.size()));
        put32(image, entry + 8, quint32(image.size()));
        putPadded(image, entry + 16, f.name, 16);
        image.append(payload);
    }
    result.bytes = image;
    return result;
}

} // namespace sampledata
