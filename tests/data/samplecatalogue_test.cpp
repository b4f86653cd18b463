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

using namespace sampledata;

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

TEST(SampleCatalogue, GamesFoldersAndFilesFollowTheRulesAndRepeat)
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
        EXPECT_TRUE(config.value(g64 + i).toString().endsWith(QDir::separator()) &&
                    QDir(config.value(g64 + i).toString()) ==
                        QDir(dir.filePath("sample/" + sampleFolders()[i])))
            << config.fieldName(g64 + i).toStdString();
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
        const auto in = [&](const char *column, const char *folder) {
            const QString file = r.value(column).toString();
            EXPECT_TRUE(file.isEmpty() || (QFileInfo::exists(file) &&
                                           file.startsWith(config.value(folder).toString())))
                << column << " " << file.toStdString();
            return file.isEmpty() ? 0 : 1;
        };
        n["game"] += in("emul1", c64 ? "game64" : "gameamiga");
        n["multi-disk"] += in("df1", "gameamiga");
        n["df2"] += in("df2", "gameamiga");
        n["Krystal title"] += title.contains("krystal", Qt::CaseInsensitive);
        n["Krystal publisher"] += // the word also names another game's publisher
            r.value("sh").toString().contains("krystal", Qt::CaseInsensitive) &&
            !title.contains("krystal", Qt::CaseInsensitive);
        n["song"] += in("song", c64 ? "music64" : "musicamiga");
        const int shot = in("screen1", c64 ? "screen64" : "screenamiga");
        n["screenshot"] += shot;
        EXPECT_LE(in("screen2", c64 ? "screen64" : "screenamiga"), shot);
        EXPECT_TRUE(!shot || QImage(r.value("screen1").toString()).size() ==
                                 (c64 ? QSize(320, 200) : QSize(320, 256)));
        for (const char *column : {"emul1", "df1", "df2"}) { // disk images with real directories
            QFile f(r.value(column).toString());
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            const QString type = QFileInfo(f.fileName()).suffix();
            n[type] += 1;
            if (type == "d64")
                EXPECT_TRUE(bytes.size() == 174848 &&
                            imagereading::d64Directory(bytes).size() >= 3);
            else if (type == "t64")
                EXPECT_TRUE(bytes.startsWith("C64S tape image file") && bytes.size() > 0x40 &&
                            bytes[0x24] >= 2);
            else if (type == "adf")
                EXPECT_TRUE(bytes.size() == 901120 && imagereading::blockSum(bytes, 880) == 0 &&
                            imagereading::adfFree(bytes) < 1756);
        }
    }
    const QStringList all = GameGenerator::formatCodes();
    EXPECT_EQ(codes, QSet<QString>(all.begin(), all.end()));
    EXPECT_TRUE(std::any_of(formatsByTitle.begin(), formatsByTitle.end(),
                            [](const QSet<QString> &f) { return f.size() == 2; }));
    const int count = int(games.size());
    const QMap<QString, int> least = {{"apostrophe", 1},
                                      {"accented", 1},
                                      {"additional", 5},
                                      {"others", 3},
                                      {"notes", 10},
                                      {"dbver 2026.12", count / 2 + 1},
                                      {"dbver Private", 2},
                                      {"dbver null", 2},
                                      {"game", 10},
                                      {"song", 10},
                                      {"screenshot", 10},
                                      {"multi-disk", 3},
                                      {"d64", 5},
                                      {"t64", 2},
                                      {"adf", 8},
                                      {"Krystal title", 1},
                                      {"Krystal publisher", 1}};
    for (auto it = least.begin(); it != least.end(); ++it)
        EXPECT_GE(n[it.key()], it.value()) << it.key().toStdString();
    EXPECT_GE(count, 30);
    EXPECT_LE(n["game"], count - 3);
    EXPECT_EQ(n["dbver 2026.12"] + n["dbver Private"] + n["dbver null"], count);
    // Written again: the same games, nothing temporary left behind; a bad folder is reported.
    const QList<QSqlRecord> before = records(path);
    ASSERT_TRUE(writeSampleCatalogue(dir.path(), &error)) << error.toStdString();
    EXPECT_TRUE(records(path) == before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"commodore.mdb"});
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(writeSampleCatalogue(blocker.fileName() + "/inside", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(BenchCatalogue, SameSeedSameRowsOtherSeedOtherRows)
{
    QTemporaryDir dir;
    for (const auto &[name, seed] : {std::pair("a", 42), {"b", 42}, {"c", 43}})
        ASSERT_TRUE(writeBenchCatalogue(dir.filePath(name), 300, seed, nullptr));
    const QList<QSqlRecord> a = records(dir.filePath("a"));
    EXPECT_TRUE(a.size() == 300 && a == records(dir.filePath("b")) &&
                a != records(dir.filePath("c")));
}
