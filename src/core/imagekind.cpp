#include "imagekind.h"

#include <QFileInfo>
#include <QHash>

namespace
{

const QHash<QString, ImageKind> &kindsByExtension()
{
    static const QHash<QString, ImageKind> kinds{
        {QStringLiteral("d64"), ImageKind::D64}, {QStringLiteral("g64"), ImageKind::G64},
        {QStringLiteral("t64"), ImageKind::T64}, {QStringLiteral("prg"), ImageKind::Prg},
        {QStringLiteral("p00"), ImageKind::P00}, {QStringLiteral("tap"), ImageKind::Tap},
        {QStringLiteral("crt"), ImageKind::Crt}, {QStringLiteral("adf"), ImageKind::Adf},
        {QStringLiteral("dms"), ImageKind::Dms}, {QStringLiteral("ipf"), ImageKind::Ipf},
        {QStringLiteral("zip"), ImageKind::Zip}, {QStringLiteral("gz"), ImageKind::Gzip},
        {QStringLiteral("adz"), ImageKind::Gzip}};
    return kinds;
}

bool startsWith(const QByteArray &head, const char *magic, qsizetype length)
{
    return head.size() >= length && head.first(length) == QByteArray::fromRawData(magic, length);
}

// Whether the content fits the kind its extension names.
bool fits(ImageKind kind, qint64 size, const QByteArray &head)
{
    switch (kind) {
    case ImageKind::D64: // 35 or 40 tracks, each with or without the error bytes
        return size == 174848 || size == 175531 || size == 196608 || size == 197376;
    case ImageKind::G64:
        return startsWith(head, "GCR-1541", 8);
    case ImageKind::T64:
        return startsWith(head, "C64", 3) && size >= 64 + 32;
    case ImageKind::Prg: // a load address and at least one byte, within the 64 KB
        return size >= 3 && size <= 65536 + 2;
    case ImageKind::P00:
        return startsWith(head, "C64File\0", 8) && size >= 26 + 3;
    case ImageKind::Tap:
        return startsWith(head, "C64-TAPE-RAW", 12);
    case ImageKind::Crt:
        return startsWith(head, "C64 CARTRIDGE   ", 16);
    case ImageKind::Adf: // double and high density
        return size == 901120 || size == 1802240;
    case ImageKind::Dms:
        return startsWith(head, "DMS!", 4);
    case ImageKind::Ipf:
        return startsWith(head, "CAPS", 4);
    case ImageKind::Zip:
        return startsWith(head, "PK\3\4", 4);
    case ImageKind::Gzip:
        return startsWith(head, "\x1f\x8b", 2);
    }
    return false;
}

} // namespace

Result<ImageKind> ImageHead::identify() const
{
    const QString extension = QFileInfo(name).suffix().toLower();
    const auto it = kindsByExtension().constFind(extension);
    if (it == kindsByExtension().constEnd())
        return Failure{tr("not an image this program knows")};
    if (!fits(*it, size, head))
        return Failure{tr("not a valid %1 file").arg(extension.toUpper())};
    return *it;
}

bool isC64Image(ImageKind kind)
{
    return kind <= ImageKind::Crt;
}

bool isAmigaImage(ImageKind kind)
{
    return kind >= ImageKind::Adf && kind <= ImageKind::Ipf;
}
