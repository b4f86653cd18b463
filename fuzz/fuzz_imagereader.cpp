// Feeds arbitrary bytes to the D64 and T64 directory readers. The first byte picks how
// the rest is used: as a whole disk image, as a tape image, or as the directory track of
// an otherwise empty disk (so that short inputs reach the directory walk).
#include "imagereader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace
{

void check(const ImageListing &listing, int maxLines)
{
    if (listing.lines.size() > maxLines)
        std::abort();
    for (const QString &line : listing.lines)
        if (!line.startsWith(QLatin1Char('"')) || line.count(QLatin1Char('\t')) < 2)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        check(readD64(rest), 144);
        break;
    case 1:
        check(readT64(rest), 8);
        break;
    default: {
        // Track 18 starts at 0x16500; the input lays over it from there.
        QByteArray image(0x16500, '\0');
        image.append(rest.data(), rest.size());
        check(readD64(image), 144);
        break;
    }
    }
    return 0;
}
