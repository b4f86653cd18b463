#include "benchcatalogue.h"
#include "database.h"
#include "gamegenerator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sampledata;

namespace
{

QList<QVariantList> allGames(const QString &path)
{
    QList<QVariantList> rows;
    auto c = catalogue::Connection::open(path, nullptr, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return rows;
    QSqlQuery q = catalogue::run(c->db(), "select * from tabella1 order by id");
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row.append(q.value(i));
        rows.append(row);
    }
    return rows;
}

int column(const QString &name)
{
    return int(catalogue::gameColumns().indexOf(name));
}

} // namespace

TEST(BenchCatalogue, WritesTheGamesAndAConfigurationRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mdb");
    QString error;
    ASSERT_TRUE(writeBenchCatalogue(path, 3000, 11, &error)) << error.toStdString();
    EXPECT_EQ(catalogue::checkCatalogue(path), QString());
    EXPECT_EQ(catalogue::checkForeignCatalogue(path), QString());
    auto c = catalogue::Connection::open(path, &error);
    ASSERT_TRUE(c);
    const QSqlDatabase db = c->db();
    auto count = [&db](const QString &where, const QVariantList &params = {}) {
        return catalogue::fetchOne(db, "select count(*) from tabella1 where " + where, params)
            ->value(0)
            .toInt();
    };
    EXPECT_EQ(count("1=1"), 3000);
    EXPECT_EQ(catalogue::fetchOne(db, "select count(*) from tabella2")->value(0).toInt(), 1);

    for (const QString &code : GameGenerator::formatCodes())
        EXPECT_GT(count("formato = ?", {code}), 100) << code.toStdString();
    EXPECT_EQ(count("formato not in ('C64','C128','Amiga','Amiga 1.3','Amiga 2.x','Amiga 3.x')"),
              0);
    const int c64 = count("formato in ('C64','C128')");
    EXPECT_GT(c64, 1650);
    EXPECT_LT(c64, 1950);
    const int playable = count("emul1 is not null");
    EXPECT_GT(playable, 1300);
    EXPECT_LT(playable, 1700);
    const int songs = count("song is not null");
    EXPECT_GT(songs, 850);
    EXPECT_LT(songs, 1150);
    EXPECT_GT(count("screen1 is not null"), 0);
    EXPECT_EQ(count("screen2 is not null and screen1 is null"), 0);
    EXPECT_EQ(count("df1 is not null and formato like 'C*'"), 0) << "C64 games have one file";
    EXPECT_GT(count("df2 is not null"), 0);
    EXPECT_EQ(count("cast(year as integer) < 1982 or cast(year as integer) > 1996"), 0);
    EXPECT_GT(count("dbver = 'Private'"), 150);
    EXPECT_GT(count("dbver is null"), 50);
    EXPECT_GT(count("dbver like 'v#.#'"), 2400);
    EXPECT_GT(count("adddesign is not null or addmusic is not null"), 0);
    EXPECT_EQ(count("length(note) > 300"), 0);
    EXPECT_GT(count("length(note) > 200"), 0);
    EXPECT_GT(count("coalesce(note, '') = ''"), 0);

    const auto config = catalogue::fetchOne(db, "select * from tabella2");
    ASSERT_TRUE(config);
    EXPECT_TRUE(config->value("vice").isNull());
    for (const char *folder :
         {"game64", "music64", "screen64", "gameamiga", "musicamiga", "screenamiga"})
        EXPECT_TRUE(config->value(folder).toString().endsWith(QDir::separator())) << folder;
}

TEST(BenchCatalogue, FieldsHaveTheStoredForms)
{
    GameGenerator generator(3, "/tmp");
    const QRegularExpression credit("^[^,&]+(, [^,&]+)*( & [^,&]+)?$");
    const QRegularExpression year("^19(8[2-9]|9[0-6])$");
    int longTitles = 0;
    for (int i = 0; i < 2000; ++i) {
        const QVariantList g = generator.next();
        ASSERT_EQ(g.size(), catalogue::gameColumns().size());
        const int words = int(g[column("titolo")].toString().split(' ').size());
        EXPECT_GE(words, 1);
        EXPECT_LE(words, 6);
        longTitles += words >= 5 ? 1 : 0;
        EXPECT_TRUE(year.match(g[column("year")].toString()).hasMatch());
        for (const char *name : {"design", "programming", "graphics", "music", "adddesign",
                                 "addprogramming", "addgraphics", "addmusic"}) {
            const QVariant v = g[column(name)];
            if (!v.isNull()) {
                EXPECT_TRUE(credit.match(v.toString()).hasMatch()) << v.toString().toStdString();
            }
        }
    }
    EXPECT_GT(longTitles, 0);
}

TEST(BenchCatalogue, SameSeedSameRows)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("a.mdb"), 500, 42, &error));
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("b.mdb"), 500, 42, &error));
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("c.mdb"), 500, 43, &error));
    const auto a = allGames(dir.filePath("a.mdb"));
    ASSERT_EQ(a.size(), 500);
    EXPECT_EQ(a, allGames(dir.filePath("b.mdb")));
    EXPECT_NE(a, allGames(dir.filePath("c.mdb")));
}

TEST(BenchCatalogue, ReplacesAnExistingFileAndCleansUpOnFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mdb");
    QString error;
    ASSERT_TRUE(writeBenchCatalogue(path, 50, 1, &error));
    ASSERT_TRUE(writeBenchCatalogue(path, 20, 1, &error)) << error.toStdString();
    EXPECT_EQ(allGames(path).size(), 20);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bench.mdb"})
        << "no temporary file left behind";

    EXPECT_FALSE(writeBenchCatalogue(dir.filePath("missing/bench.mdb"), 5, 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(writeBenchCatalogue(dir.filePath("negative.mdb"), -1, 1, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath("negative.mdb")));
    ASSERT_TRUE(writeBenchCatalogue(dir.filePath("none.mdb"), 0, 1, &error));
    EXPECT_EQ(catalogue::checkCatalogue(dir.filePath("none.mdb")), QString());
}
