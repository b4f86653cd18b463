#include "adfwriter.h"
#include "benchcatalogue.h"
#include "d64writer.h"
#include "database.h"
#include "gamegenerator.h"
#include "samplecatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ranges>

using namespace sampledata;

// Independent readers of the written images: the bytes as a drive or another program reads them.

static const auto byteAt = [](const QByteArray &b, int at) { return int(quint8(b.at(at))); };
static const auto sectorsOn = [](int t) { return t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17; };
static int offsetOf(int track, int sector)
{
    for (int t = 1; t < track; ++t)
        sector += sectorsOn(t);
    return sector * 256;
}

constexpr int kBam = 0x16500;

static const auto bamSaysFree = [](const QByteArray &d64, int t, int s) {
    return (byteAt(d64, kBam + 4 * t + 1 + s / 8) & (1 << (s % 8))) != 0;
};

struct D64Entry {
    int type = 0, track = 0, sector = 0, blocks = 0;
    QByteArray name; // trailing 0xA0 removed
};

// Walks the directory chain from track 18 sector 1; `sectors` gets the chain.
static QList<D64Entry> d64Directory(const QByteArray &image, QList<int> *sectors = nullptr)
{
    QList<D64Entry> entries;
    for (int track = 18, sector = 1, guard = 0; track != 0 && guard < 19; ++guard) {
        const int off = offsetOf(track, sector);
        if (sectors)
            sectors->append(sector);
        for (int at = off; at < off + 256; at += 32) {
            if (byteAt(image, at + 2) == 0)
                continue;
            D64Entry e{byteAt(image, at + 2), byteAt(image, at + 3), byteAt(image, at + 4),
                       byteAt(image, at + 30) | byteAt(image, at + 31) << 8, image.mid(at + 5, 16)};
            while (e.name.endsWith(char(0xA0)))
                e.name.chop(1);
            entries.append(e);
        }
        track = byteAt(image, off);
        sector = byteAt(image, off + 1);
    }
    return entries;
}

// Follows a file's sector links; `chain` gets (track, sector) of every block.
static QByteArray d64FileData(const QByteArray &image, const D64Entry &e,
                              QList<std::pair<int, int>> *chain = nullptr)
{
    QByteArray data;
    for (int track = e.track, sector = e.sector, guard = 0; guard < 683 && track != 0; ++guard) {
        const int off = offsetOf(track, sector);
        if (chain)
            chain->append({track, sector});
        track = byteAt(image, off);
        sector = byteAt(image, off + 1);
        data += image.mid(off + 2, track == 0 ? sector - 1 : 254);
    }
    return data;
}

static const auto long32 = [](const QByteArray &image, int block, int offset) {
    return qFromBigEndian<quint32>(image.constData() + block * 512 + offset);
};

// Sum of the 128 longs of a block: zero when its checksum is right.
static quint32 blockSum(const QByteArray &image, int block)
{
    const auto longs = std::views::iota(0, 128);
    return std::accumulate(longs.begin(), longs.end(), 0u,
                           [&](quint32 sum, int i) { return sum + long32(image, block, 4 * i); });
}

static const auto adfBitmapSaysFree = [](const QByteArray &adf, int block) {
    return (long32(adf, 881, 4 + 4 * ((block - 2) / 32)) & (1u << ((block - 2) % 32))) != 0;
};

static int adfFree(const QByteArray &adf)
{
    return int(std::ranges::count_if(std::views::iota(2, 1760),
                                     [&](int b) { return adfBitmapSaysFree(adf, b); }));
}

// Finds a file as the file system does: hash slot of the root, then the hash chain.
static int adfFind(const QByteArray &adf, int hash, const QByteArray &name)
{
    int block = int(long32(adf, 880, 24 + 4 * hash));
    for (int guard = 0; block != 0 && guard < 1760; ++guard, block = int(long32(adf, block, 496)))
        if (adf.mid(block * 512 + 433, byteAt(adf, block * 512 + 432)).toUpper() == name.toUpper())
            return block;
    return 0;
}

struct AdfFile { // blocks by data links, tables: header+extensions, listed: by pointer tables
    QByteArray data;
    QList<int> blocks, tables, listed;
};

// Reads a file through both its data links and its pointer tables, checking each block.
static AdfFile adfRead(const QByteArray &adf, int header)
{
    AdfFile f;
    for (int block = int(long32(adf, header, 16)), seq = 1; block != 0 && seq < 1760; ++seq) {
        EXPECT_EQ(QList<quint32>({long32(adf, block, 0), long32(adf, block, 4),
                                  long32(adf, block, 8), blockSum(adf, block)}),
                  QList<quint32>({8u, quint32(header), quint32(seq), 0u}))
            << "data block type, owner, sequence number, checksum";
        f.data += adf.mid(block * 512 + 24, qMin(488, int(long32(adf, block, 12))));
        f.blocks.append(block);
        block = int(long32(adf, block, 16));
    }
    for (int table = header; table != 0 && f.tables.size() < 100;
         table = int(long32(adf, table, 504))) {
        f.tables.append(table);
        EXPECT_EQ(blockSum(adf, table), 0u) << "header or extension checksum";
        for (int k = 0; k < int(long32(adf, table, 8)); ++k)
            f.listed.append(int(long32(adf, table, 24 + 4 * (71 - k))));
    }
    return f;
}

static QByteArray pattern(int size, int salt) // no two neighbouring blocks alike
{
    QByteArray b(size, '\0');
    std::iota(b.begin(), b.end(), char(salt));
    return b;
}

// Directory, sector chains and BAM of a written disk all agree with `files`.
static void checkD64(const QByteArray &d, const QList<ImageFile> &files)
{
    ASSERT_EQ(d.size(), 174848);
    QList<int> sectors; // of the directory: distinct, never the BAM's, all used, chain ends
    const QList<D64Entry> dir = d64Directory(d, &sectors);
    ASSERT_EQ(dir.size(), files.size());
    EXPECT_TRUE(QSet<int>(sectors.begin(), sectors.end()).size() == sectors.size() &&
                !sectors.contains(0) && byteAt(d, kBam + 4 * 18) == 18 - sectors.size());
    EXPECT_EQ(d.mid(offsetOf(18, sectors.last()), 2), QByteArray("\x00\xFF", 2));
    QSet<int> used;
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name.toStdString());
        EXPECT_EQ(std::pair(dir[i].name, dir[i].type),
                  std::pair(files[i].name, int(files[i].type)));
        QList<std::pair<int, int>> chain;
        EXPECT_EQ(d64FileData(d, dir[i], &chain), files[i].data);
        EXPECT_EQ(dir[i].blocks, chain.size());
        for (const auto &[t, s] : chain) {
            EXPECT_TRUE(t != 18 && !bamSaysFree(d, t, s) && !used.contains(t * 100 + s))
                << "block " << t << "/" << s << " on the directory track, free or shared";
            used.insert(t * 100 + s);
        }
    }
    int total = 0;
    for (int t = 1; t <= 35; ++t) { // bitmap agrees with the count, no bits past the last sector
        int free = 0;
        for (int s = 0; s < sectorsOn(t); ++s)
            free += bamSaysFree(d, t, s) ? 1 : 0;
        EXPECT_EQ(free, byteAt(d, kBam + 4 * t)) << "track " << t;
        EXPECT_EQ(byteAt(d, kBam + 4 * t + 3) >> (sectorsOn(t) - 16), 0) << "track " << t;
        total += t == 18 ? 0 : free;
    }
    EXPECT_EQ(total, 664 - used.size());
}

// Root, bitmap, hash chains, headers, pointer tables and data blocks agree with `files`.
static void checkAdf(const QByteArray &d, const QList<ImageFile> &files)
{
    ASSERT_EQ(d.size(), 901120);
    EXPECT_EQ(d.left(4), QByteArray("DOS\0", 4));
    EXPECT_EQ(std::pair(long32(d, 880, 312), long32(d, 880, 316)), std::pair(0xFFFFFFFFu, 881u))
        << "bitmap valid, at block 881";
    EXPECT_EQ(blockSum(d, 880) | blockSum(d, 881), 0u);
    QSet<int> used = {880, 881};
    for (const ImageFile &file : files) {
        SCOPED_TRACE(file.name.toStdString());
        const int header = adfFind(d, adfHash(file.name), file.name);
        ASSERT_NE(header, 0);
        EXPECT_EQ(QList<quint32>({long32(d, header, 4), long32(d, header, 500),
                                  long32(d, header, 508), long32(d, header, 324)}),
                  QList<quint32>({quint32(header), 880u, quint32(-3), quint32(file.data.size())}))
            << "own block, parent is the root, a file, size";
        const AdfFile f = adfRead(d, header);
        EXPECT_EQ(f.data, file.data);
        EXPECT_EQ(f.listed, f.blocks) << "pointer tables and links disagree";
        EXPECT_EQ(f.tables.size(), 1 + qMax(0, int(f.blocks.size()) - 1) / 72) << "extensions";
        for (int b : f.tables + f.blocks) {
            EXPECT_FALSE(used.contains(b) || adfBitmapSaysFree(d, b)) << b << " shared or free";
            used.insert(b);
        }
    }
    EXPECT_EQ(adfFree(d), 1758 - used.size());
}

TEST(D64Writer, ChainsAndBamAgreeWithTheFilesUpToAFullDisk)
{
    // LARGE's block count needs the high byte.
    const QList<ImageFile> files = {{"GAME", pattern(5000, 1)},
                                    {"EXACT", pattern(254 * 3, 2), 0x81},
                                    {"EMPTY", {}, 0xC2},
                                    {"LARGE", pattern(300 * 254, 9)},
                                    {"SIXTEEN CHARS!!!", pattern(1, 3)}};
    QList<ImageFile> many, full = {{"FITS", pattern(664 * 254, 4)}};
    for (int i = 0; i < 144; ++i)
        many.append({"FILE" + QByteArray::number(i), pattern(10, i)});
    for (const QList<ImageFile> &set : {files, many, full}) {
        const ImageResult r = writeD64("SAMPLE", "01", set);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        checkD64(r.bytes, set);
    }
    const QByteArray d = writeD64("SAMPLE", "01", files).bytes;
    EXPECT_EQ(d.mid(kBam, 4), QByteArray("\x12\x01\x41\x00", 4));
    EXPECT_EQ(d.mid(kBam + 0x90, 16), QByteArray("SAMPLE") + QByteArray(10, char(0xA0)));
    EXPECT_EQ(d64Directory(d)[2].blocks, 1); // an empty file still takes one block
    EXPECT_FALSE(writeD64("X", "01", many + QList<ImageFile>{{"ONE TOO MANY", "x"}}).ok());
    EXPECT_FALSE(writeD64("X", "01", {{"HUGE", QByteArray(665 * 254, 'x')}}).ok());
}

TEST(AdfWriter, FilesHashChainsChecksumsAndBitmapAgreeUpToAFullDisk)
{
    QByteArray twin; // shares File0's hash slot
    for (int i = 1; twin.isEmpty(); ++i)
        if (adfHash("File" + QByteArray::number(i)) == adfHash("File0"))
            twin = "File" + QByteArray::number(i);
    // 1731 data blocks need 24 extension blocks: 1731 + 24 + 1 header = 1756, exactly full.
    const QList<ImageFile> full = {{"Full", pattern(488 * 1731, 3)}},
                           files = {{"Game", pattern(20000, 1)},
                                    {"Exact", pattern(488 * 2, 2)},
                                    {"Empty", {}},
                                    {"Large", pattern(488 * 150 + 7, 5)},
                                    {"File0", "one"},
                                    {twin, "two"}};
    for (const QList<ImageFile> &set : {files, full}) {
        const ImageResult r = writeAdf("Sample Disk", set);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        checkAdf(r.bytes, set);
    }
    EXPECT_FALSE(writeAdf("V", {{"Huge", QByteArray(488 * 1732, 'x')}}).ok());
    EXPECT_FALSE(writeAdf("V", {{"Same", "x"}, {"SAME", "y"}}).ok());
}

static QList<QSqlRecord> records(const QString &path, const char *table = "tabella1")
{
    QList<QSqlRecord> rows;
    auto c = catalogue::Connection::open(path, nullptr);
    QSqlQuery q = c ? catalogue::run(c->db(), QString("select * from %1 order by 1").arg(table))
                    : QSqlQuery();
    while (q.next())
        rows.append(q.record());
    return rows;
}

TEST(SampleCatalogue, GamesFoldersAndFilesFollowTheRulesAndRepeatBenchCatalogueToo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("commodore.mdb");
    QString error;
    ASSERT_TRUE(writeSampleCatalogue(dir.path(), &error)) << error.toStdString();
    ASSERT_EQ(catalogue::checkCatalogue(path), QString());
    const QList<QSqlRecord> games = records(path), configs = records(path, "tabella2");
    ASSERT_EQ(configs.size(), 1);
    const QSqlRecord config = configs.first();
    for (int i = 0, g64 = config.indexOf("game64"); i < 6; ++i) // the six media folders
        EXPECT_EQ(config.value(g64 + i).toString(),
                  QDir::toNativeSeparators(dir.filePath("sample/" + sampleFolders()[i]) + '/'));
    QSet<QString> codes;
    QMap<QString, QSet<QString>> formatsByTitle;
    QMap<QString, int> n; // how many games or files show each feature
    for (const QSqlRecord &r : games) {
        const QString title = r.value("titolo").toString();
        SCOPED_TRACE(title.toStdString());
        const bool c64 = r.value("formato").toString().startsWith('C');
        const auto filled = [&](const char *column) {
            return catalogue::isEmptyValue(r.value(column)) ? 0 : 1;
        };
        codes.insert(r.value("formato").toString());
        formatsByTitle[title].insert(r.value("formato").toString());
        n["apostrophe"] += title.contains('\'');
        n["accented"] += std::any_of(title.begin(), title.end(),
                                     [](QChar c) { return c.unicode() > 0x7F && c.isLetter(); });
        n["additional"] += filled("adddesign") + filled("addprogramming") + filled("addgraphics") +
                           filled("addmusic");
        n["others"] += filled("others");
        n["notes"] += filled("note");
        EXPECT_TRUE(filled("design") && filled("tipo"));
        EXPECT_TRUE(r.value("year").toInt() >= 1982 && r.value("year").toInt() <= 1996);
        n["dbver " + (r.value("dbver").isNull() ? "null" : r.value("dbver").toString())] += 1;
        n["Krystal title"] += title.contains("krystal", Qt::CaseInsensitive);
        n["Krystal publisher"] += // the word also names another game's publisher
            r.value("sh").toString().contains("krystal", Qt::CaseInsensitive) &&
            !title.contains("krystal", Qt::CaseInsensitive);
        EXPECT_LE(filled("screen2"), filled("screen1"));
        for (const auto &[column, folder] : {std::pair("emul1", "game"),
                                             {"df1", "game"},
                                             {"df2", "game"},
                                             {"song", "music"},
                                             {"screen1", "screen"},
                                             {"screen2", "screen"}}) {
            const QString file = r.value(column).toString(), type = QFileInfo(file).suffix();
            EXPECT_TRUE(
                file.isEmpty() ||
                (QFileInfo::exists(file) &&
                 file.startsWith(config.value(folder + QString(c64 ? "64" : "amiga")).toString())))
                << column << " " << file.toStdString();
            n[column] += filled(column);
            n[type] += 1;
            QFile f(file);
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            if (type == "d64") { // disk images with real directories
                EXPECT_TRUE(bytes.size() == 174848 && d64Directory(bytes).size() >= 3);
            } else if (type == "t64") {
                EXPECT_TRUE(bytes.startsWith("C64S tape image file") && bytes.size() > 0x40 &&
                            bytes[0x24] >= 2);
            } else if (type == "adf") {
                EXPECT_TRUE(bytes.size() == 901120 && blockSum(bytes, 880) == 0 &&
                            adfFree(bytes) < 1756);
            } else if (type == "png") {
                EXPECT_EQ(QImage(file).size(), c64 ? QSize(320, 200) : QSize(320, 256));
            }
        }
    }
    const QStringList all = GameGenerator::formatCodes();
    EXPECT_EQ(codes, QSet<QString>(all.begin(), all.end()));
    EXPECT_TRUE(std::any_of(formatsByTitle.begin(), formatsByTitle.end(),
                            [](const QSet<QString> &f) { return f.size() == 2; }));
    const int count = int(games.size());
    // At least so many games (or files) show each feature.
    const QString least = "apostrophe 1;accented 1;additional 5;others 3;notes 10;dbver Private 2;"
                          "dbver null 2;emul1 10;song 10;screen1 10;df1 3;d64 5;t64 2;adf 8;"
                          "Krystal title 1;Krystal publisher 1";
    for (const QString &rule : least.split(';'))
        EXPECT_GE(n[rule.section(' ', 0, -2)], rule.section(' ', -1).toInt()) << qPrintable(rule);
    EXPECT_GT(n["dbver 2026.12"], count / 2);
    EXPECT_GE(count, 30);
    EXPECT_LE(n["emul1"], count - 3);
    EXPECT_EQ(n["dbver 2026.12"] + n["dbver Private"] + n["dbver null"], count);
    for (const auto &[name, seed] : {std::pair("a", 42), {"b", 42}, {"c", 43}}) // bench catalogues
        ASSERT_TRUE(writeBenchCatalogue(dir.filePath(name), 300, seed, nullptr));
    EXPECT_TRUE(records(dir.filePath("a")).size() == 300 &&
                records(dir.filePath("a")) == records(dir.filePath("b")) &&
                records(dir.filePath("a")) != records(dir.filePath("c")));
    // Written again: the same games, nothing temporary left behind; a bad folder is reported.
    const QList<QSqlRecord> before = records(path);
    ASSERT_TRUE(writeSampleCatalogue(dir.path(), &error)) << error.toStdString();
    EXPECT_TRUE(records(path) == before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"a", "b", "c", "commodore.mdb"}));
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(writeSampleCatalogue(blocker.fileName() + "/inside", &error));
    EXPECT_FALSE(error.isEmpty());
}
