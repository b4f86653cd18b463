#include "archivefile.h"
#include "imagekind.h"
#include "widgettest.h"

#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

namespace
{

struct HeadCase {
    const char *name;
    qint64 size;
    QByteArray head;
    std::optional<ImageKind> kind; // nothing: refused
};

class ImageHeadTest : public testing::TestWithParam<HeadCase>
{
};

TEST_P(ImageHeadTest, TheContentMustFitTheExtension)
{
    const HeadCase &c = GetParam();
    const Result<ImageKind> kind =
        ImageHead{QString::fromLatin1(c.name), c.size, c.head}.identify();
    EXPECT_EQ(kind.ok(), c.kind.has_value()) << kind.error().toStdString();
    if (kind.ok() && c.kind) {
        EXPECT_EQ(*kind, *c.kind);
    }
}

const QByteArray kZeros(64, '\0');

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageHeadTest,
    testing::Values(HeadCase{"a.d64", 174848, kZeros, ImageKind::D64},
                    HeadCase{"a.d64", 174847, kZeros, std::nullopt},
                    HeadCase{"a.g64", 330000, "GCR-1541\0", ImageKind::G64},
                    HeadCase{"a.g64", 330000, kZeros, std::nullopt},
                    HeadCase{"a.t64", 1000, "C64 tape image file", ImageKind::T64},
                    HeadCase{"a.prg", 2, "\x01\x08", std::nullopt},
                    HeadCase{"a.prg", 9000, "\x01\x08", ImageKind::Prg},
                    HeadCase{"a.p00", 400, QByteArray("C64File\0", 8), ImageKind::P00},
                    HeadCase{"a.tap", 50000, "C64-TAPE-RAW\1", ImageKind::Tap},
                    HeadCase{"a.crt", 16464, "C64 CARTRIDGE   ", ImageKind::Crt},
                    HeadCase{"a.adf", 901120, kZeros, ImageKind::Adf},
                    HeadCase{"a.adf", 1802240, kZeros, ImageKind::Adf},
                    HeadCase{"a.adf", 901121, kZeros, std::nullopt},
                    HeadCase{"a.dms", 300000, "DMS!", ImageKind::Dms},
                    HeadCase{"a.ipf", 600000, "CAPS", ImageKind::Ipf},
                    HeadCase{"a.adz", 300000, "\x1f\x8b\x08", ImageKind::Gzip},
                    HeadCase{"a.zip", 300000, "PK\3\4", ImageKind::Zip},
                    HeadCase{"a.txt", 174848, kZeros, std::nullopt},
                    HeadCase{"d64", 174848, kZeros, std::nullopt}));

// Writes a zip (or, with gzip, a gzip file of the first entry) of the named contents.
QString writeArchive(const QString &path, const QList<std::pair<QByteArray, QByteArray>> &entries,
                     bool gzip = false)
{
    archive *a = archive_write_new();
    if (gzip) {
        archive_write_add_filter_gzip(a);
        archive_write_set_format_raw(a);
    } else {
        archive_write_set_format_zip(a);
    }
    archive_write_open_filename(a, QFile::encodeName(path).constData());
    for (const auto &[name, data] : entries) {
        archive_entry *e = archive_entry_new();
        archive_entry_set_pathname(e, name.constData());
        archive_entry_set_filetype(e, name.endsWith('/') ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, name.endsWith('/') ? 0 : data.size());
        archive_write_header(a, e);
        archive_write_data(a, data.constData(), size_t(data.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    return path;
}

QByteArray d64()
{
    QByteArray image(174848, '\0');
    image[0] = 0x12;
    image[174847] = 0x34;
    return image;
}

TEST(ArchiveFile, AZipListsItsFilesAndReadsOneWhole)
{
    QTemporaryDir dir;
    const ArchiveFile zip(writeArchive(
        dir.filePath(QStringLiteral("game.zip")),
        {{"disks/", {}}, {"disks/Game (Disk 1 of 2).d64", d64()}, {"readme.txt", "hello"}}));
    const auto entries = zip.entries();
    ASSERT_TRUE(entries.ok()) << entries.error().toStdString();
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ(entries->at(0).head.name, QStringLiteral("disks/Game (Disk 1 of 2).d64"));
    EXPECT_EQ(entries->at(0).head.identify().valueOr(ImageKind::Zip), ImageKind::D64);
    EXPECT_EQ(entries->at(1).head.head, QByteArray("hello"));
    const auto content = zip.read(entries->at(0).index);
    ASSERT_TRUE(content.ok());
    EXPECT_EQ(*content, d64());
}

TEST(ArchiveFile, AGzipFileIsOneEntryNamedAfterIt)
{
    QTemporaryDir dir;
    for (const char *name : {"game.d64.gz", "game.adz"}) {
        const ArchiveFile gz(
            writeArchive(dir.filePath(QString::fromLatin1(name)), {{"x", d64()}}, true));
        const auto entries = gz.entries();
        ASSERT_TRUE(entries.ok()) << entries.error().toStdString();
        ASSERT_EQ(entries->size(), 1);
        EXPECT_EQ(entries->at(0).head.size, d64().size());
        EXPECT_EQ(QFileInfo(entries->at(0).head.name).suffix(),
                  QString::fromLatin1(name).contains(QLatin1String("adz")) ? QStringLiteral("adf")
                                                                           : QStringLiteral("d64"));
        EXPECT_EQ(gz.read(0).valueOr({}), d64());
    }
}

TEST(ArchiveFile, BombsClimbingNamesAndDamageAreRefused)
{
    QTemporaryDir dir;
    const ArchiveFile bomb(
        writeArchive(dir.filePath(QStringLiteral("bomb.zip")),
                     {{"big.adf", QByteArray(ArchiveFile::kMaxEntrySize + 1, '\0')}}));
    ASSERT_TRUE(bomb.entries().ok());
    EXPECT_FALSE(bomb.read(0).ok());
    for (const char *name : {"../../x.d64", "/etc/x.d64", "a\\..\\..\\x.d64", "C:x.d64"}) {
        const ArchiveFile climbing(
            writeArchive(dir.filePath(QStringLiteral("climb.zip")), {{name, d64()}}));
        EXPECT_FALSE(climbing.entries().ok()) << name;
    }
    QByteArray zip =
        readFile(writeArchive(dir.filePath(QStringLiteral("whole.zip")), {{"a.d64", d64()}}));
    const ArchiveFile cut(
        writeFile(dir.filePath(QStringLiteral("cut.zip")), zip.left(zip.size() / 2)));
    EXPECT_FALSE(cut.read(0).ok());
    const ArchiveFile text(writeFile(dir.filePath(QStringLiteral("text.zip")), "not an archive"));
    EXPECT_FALSE(text.entries().ok());
}

} // namespace
