#include "archivelisting.h"

#include "archivefile.h"
#include "archiveimages.h"

namespace
{

bool listable(ImageKind kind)
{
    return kind == ImageKind::D64 || kind == ImageKind::T64;
}

Result<ArchiveImage> chosenImage(const QString &archive, int index)
{
    if (index < 0)
        return firstArchiveImage(archive, listable);
    const Result<QList<ArchiveImage>> images = archiveImages(archive);
    if (!images)
        return images.failure();
    for (const ArchiveImage &image : *images)
        if (image.index == index)
            return image;
    return Failure{QStringLiteral("%1 has no image %2").arg(archive).arg(index)};
}

} // namespace

Result<ImageListing> readArchiveListing(const QString &archive, int index)
{
    const Result<ArchiveImage> image = chosenImage(archive, index);
    if (!image)
        return image.failure();
    ImageListing listing;
    if (listable(image->kind)) {
        const Result<QByteArray> content = ArchiveFile(archive).read(image->index);
        if (!content)
            return content.failure();
        listing = image->kind == ImageKind::D64 ? readD64(*content) : readT64(*content);
    }
    listing.path = archive;
    return listing;
}

Result<ImageListing> readC64GameFile(const QString &path, int index)
{
    const QString plain = unquotePath(path);
    return isArchiveFile(plain) ? readArchiveListing(plain, index) : readC64Image(path);
}
