#include "benchcatalogue.h"
#include "database.h"
#include "gamegenerator.h"
#include "imagereading.h"
#include "samplecatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace sampledata;

namespace
{

QList<QSqlRecord> records(const QSqlDatabase &db, const char *table)
{
    QList<QSqlRecord> rows;
    QSqlQuery q = catalogue::run(db, QStringLiteral("select * from %1 order by 1").arg(table));
    while (q.next())
        rows.append(q.record());
    return rows;
}

// Every game's values in id order, to compare two written catalogues.
QList<QVariantList> values(const QString &path)
{
    QList<QVariantList> out;
    auto c = catalogue::Connection::open(path, nullptr);
    for (const QSqlRecord &r : c ? records(c->db(), "tabella1") : QList<QSqlRecord>()) {
        out.append(QVariantList());
        for (int i = 0; i < r.count(); ++i)
            out.last().append(r.value(i));
    }
    return out;
}

bool filled(const QSqlRecord &r, const char *column)
{
    return !catalogue::isEmptyValue(r.value(column));
}

} // namespace

TEST(SampleCatalogue, GamesFoldersAndFilesFollowTheRulesAndRepeat)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("commodore.mdb");
    QString error;
    ASSERT_TRUE(writeSampleCatalogue(dir.path(), &error)) << error.toStdString();
    ASSERT_EQ(catalogue::checkCatalogue(path), QString());
    auto connection = catalogue::Connection::open(path, nullptr);
    const QList<QSqlRecord> games = records(connection->db(), "tabella1");
    EXPECT_GE(games.size(), 30);
    QSet<QString> codes;
    QMap<QString, QSet<QString>> formatsByTitle;
    QMap<QString, int> origins;
    bool apostrophe = false, accented = false;
    int additional = 0, others = 0, notes = 0;
    for (const QSqlRecord &r : games) {
        const QString title = r.value("titolo").toString();
        codes.insert(r.value("formato").toString());
        formatsByTitle[title].insert(r.value("formato").toString());
        apostrophe |= title.contains('\'');
        for (QChar c : title)
            accented |= c.unicode() > 0x7F && c.isLetter();
        for (const char *c : {"adddesign", "addprogramming", "addgraphics", "addmusic"})
            additional += filled(r, c) ? 1 : 0;
        others += filled(r, "others") ? 1 : 0;
        notes += filled(r, "note") ? 1 : 0;
        EXPECT_TRUE(filled(r, "design") && filled(r, "tipo")) << title.toStdString();
        EXPECT_TRUE(r.value("year").toInt() >= 1982 && r.value("year").toInt() <= 1996);
        origins[r.value("dbver").isNull() ? "<null>" : r.value("dbver").toString()] += 1;
    }
    const QStringList all = GameGenerator::formatCodes();
    EXPECT_EQ(codes, QSet<QString>(all.begin(), all.end()));
    EXPECT_TRUE(apostrophe);
    EXPECT_TRUE(accented);
    EXPECT_TRUE(std::any_of(formatsByTitle.begin(), formatsByTitle.end(),
                            [](const QSet<QString> &f) { return f.size() == 2; }))
        << "one title in two formats";
    EXPECT_GE(additional, 5);
    EXPECT_GE(others, 3);
    EXPECT_GE(notes, 10);
    EXPECT_GT(origins.value("2026.12"), int(games.size()) / 2);
    EXPECT_GE(origins.value("Private"), 2);
    EXPECT_GE(origins.value("<null>"), 2);
    EXPECT_EQ(origins.size(), 3);
    // One word in the title of one game and the publisher of another.
    EXPECT_GT(catalogue::fetchOne(connection->db(),
                                  "select count(*) from tabella1 a, tabella1 b where a.id <> b.id "
                                  "and a.titolo like ? and b.sh like ?",
                                  {"*Krystal*", "*Krystal*"})
                  ->value(0)
                  .toInt(),
              0);

    const QList<QSqlRecord> configs = records(connection->db(), "tabella2");
    ASSERT_EQ(configs.size(), 1);
    const QSqlRecord config = configs.first();
    const char *folders[] = {"game64",    "music64",    "screen64",
                             "gameamiga", "musicamiga", "screenamiga"};
    for (int i = 0; i < 6; ++i) {
        const QString folder = config.value(folders[i]).toString();
        EXPECT_TRUE(folder.endsWith(QDir::separator())) << folders[i];
        EXPECT_EQ(QDir(folder), QDir(dir.filePath("sample/" + sampleFolders()[i])));
    }
    int withGame = 0, withSong = 0, withShots = 0, multiDisk = 0, d64 = 0, t64 = 0, adf = 0;
    for (const QSqlRecord &r : games) {
        SCOPED_TRACE(r.value("titolo").toString().toStdString());
        const bool c64 = r.value("formato").toString().startsWith('C');
        const auto in = [&](const char *column, const char *folder) {
            const QString file = r.value(column).toString();
            EXPECT_TRUE(file.isEmpty() || (QFileInfo::exists(file) &&
                                           file.startsWith(config.value(folder).toString())))
                << column << " " << file.toStdString();
            return !file.isEmpty();
        };
        withGame += in("emul1", c64 ? "game64" : "gameamiga") ? 1 : 0;
        multiDisk += in("df1", "gameamiga") ? 1 : 0;
        in("df2", "gameamiga");
        withSong += in("song", c64 ? "music64" : "musicamiga") ? 1 : 0;
        const bool shot = in("screen1", c64 ? "screen64" : "screenamiga");
        withShots += shot ? 1 : 0;
        EXPECT_TRUE(in("screen2", c64 ? "screen64" : "screenamiga") <= shot);
        EXPECT_TRUE(!shot || QImage(r.value("screen1").toString()).size() ==
                                 (c64 ? QSize(320, 200) : QSize(320, 256)));
        // Disk images with real directories.
        for (const char *column : {"emul1", "df1", "df2"}) {
            QFile f(r.value(column).toString());
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            if (f.fileName().endsWith(".d64")) {
                ++d64;
                ASSERT_EQ(bytes.size(), 174848);
                EXPECT_GE(imagereading::d64Directory(bytes).size(), 3);
            } else if (f.fileName().endsWith(".t64")) {
                t64 += int(bytes.size() > 0x40 && bytes.startsWith("C64S tape image file") &&
                           bytes[0x24] >= 2);
            } else if (f.fileName().endsWith(".adf")) {
                ++adf;
                ASSERT_EQ(bytes.size(), 901120);
                EXPECT_EQ(imagereading::blockSum(bytes, 880), 0u);
                EXPECT_LT(imagereading::adfFree(bytes), 1756);
            }
        }
    }
    EXPECT_GE(withGame, 10);
    EXPECT_LE(withGame, int(games.size()) - 3);
    EXPECT_GE(withSong, 10);
    EXPECT_GE(withShots, 10);
    EXPECT_GE(multiDisk, 3);
    EXPECT_GE(d64, 5);
    EXPECT_GE(t64, 2);
    EXPECT_GE(adf, 8);

    // Written again: the same games, nothing temporary left behind.
    const QList<QVariantList> before = values(path);
    connection.reset();
    ASSERT_TRUE(writeSampleCatalogue(dir.path(), &error)) << error.toStdString();
    EXPECT_EQ(values(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"commodore.mdb"});

    // A folder that cannot be made is reported.
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(writeSampleCatalogue(blocker.fileName() + "/inside", &error));
    EXPECT_FALSE(error.isEmpty());
    blocker.remove();
}

TEST(BenchCatalogue, SoundCatalogueSameSeedSameRows)
{
    QTemporaryDir dir;
    QString error;
    for (const char *name : {"a.mdb", "b.mdb"})
        ASSERT_TRUE(writeBenchCatalogue(dir.filePath(name), 600, 42, &error))
            << error.toStdString();
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("c.mdb"), 600, 43, &error));
    EXPECT_EQ(catalogue::checkCatalogue(dir.filePath("a.mdb")), QString());
    const QList<QVariantList> a = values(dir.filePath("a.mdb"));
    ASSERT_EQ(a.size(), 600);
    EXPECT_EQ(a, values(dir.filePath("b.mdb")));
    EXPECT_NE(a, values(dir.filePath("c.mdb")));
    // Written again over the old file, nothing temporary left behind; bad input refused.
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("a.mdb"), 20, 1, &error)) << error.toStdString();
    EXPECT_EQ(values(dir.filePath("a.mdb")).size(), 20);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.mdb", "b.mdb", "c.mdb"}));
    EXPECT_FALSE(writeBenchCatalogue(dir.filePath("missing/x.mdb"), 5, 1, &error));
    EXPECT_FALSE(writeBenchCatalogue(dir.filePath("negative.mdb"), -1, 1, &error));
}
