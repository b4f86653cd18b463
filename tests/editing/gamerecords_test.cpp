#include "gamerecords.h"

#include "database.h"
#include "testcatalogue.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace gamerecords;

namespace
{

QVariant nullText()
{
    return QVariant(QMetaType(QMetaType::QString));
}

} // namespace

TEST(GameRecords, LoadsARowByIdAndReportsAMissingOne)
{
    TestCatalogue cat;
    const int id = cat.addGame({{"titolo", "Turrican"}, {"sh", "Rainbow Arts"}, {"year", "1990"}});
    QString error;
    const auto row = loadGame(cat.db(), id, &error);
    ASSERT_TRUE(row) << error.toStdString();
    EXPECT_EQ(row->value("titolo").toString(), "Turrican");
    EXPECT_EQ(row->value("sh").toString(), "Rainbow Arts");
    EXPECT_EQ(row->value("id").toInt(), id);
    EXPECT_TRUE(row->value("dbver").isNull());
    EXPECT_TRUE(row->contains("df3"));

    EXPECT_FALSE(loadGame(cat.db(), id + 1, &error));
    EXPECT_EQ(error, recordGoneText());
}

TEST(GameRecords, InsertKeepsUngivenColumnsNullAndStoresTextVerbatim)
{
    TestCatalogue cat;
    const QString tricky = "It's \"100%\" [fun] * ?; drop table tabella1; --";
    QString error;
    const int first = insertGame(cat.db(), {{"titolo", tricky}, {"formato", "C64"}}, &error);
    ASSERT_GT(first, 0) << error.toStdString();
    const int second = insertGame(cat.db(), {{"titolo", "Second"}, {"FORMATO", "C128"}}, &error);
    ASSERT_GT(second, first);
    EXPECT_EQ(cat.count(), 2);
    EXPECT_EQ(cat.value(first, "titolo").toString(), tricky);
    EXPECT_TRUE(cat.value(first, "dbver").isNull());
    EXPECT_TRUE(cat.value(first, "emul1").isNull());
    EXPECT_EQ(cat.value(second, "formato").toString(), "C128");

    EXPECT_GT(insertGame(cat.db(), {}, &error), second) << "an empty game is still a row";
}

TEST(GameRecords, InsertRefusesUnknownColumns)
{
    TestCatalogue cat;
    QString error;
    EXPECT_EQ(insertGame(cat.db(), {{"titolo", "X"}, {"id", 99}}, &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(insertGame(cat.db(), {{"titolo=titolo;--", "X"}}, &error), 0);
    EXPECT_EQ(cat.count(), 0);
}

TEST(GameRecords, UpdateWritesExactlyTheGivenColumns)
{
    TestCatalogue cat;
    const int id = cat.addGame({{"titolo", "Old"}, {"team", "Team A"}, {"dbver", "v2"}});
    const int other = cat.addGame({{"titolo", "Other"}, {"team", "Team B"}});
    QString error;
    ASSERT_TRUE(updateGame(cat.db(), id, {{"team", "Team C"}, {"SH", "O'Brien & Co"}}, &error))
        << error.toStdString();
    EXPECT_EQ(cat.value(id, "team").toString(), "Team C");
    EXPECT_EQ(cat.value(id, "sh").toString(), "O'Brien & Co");
    EXPECT_EQ(cat.value(id, "titolo").toString(), "Old");
    EXPECT_EQ(cat.value(id, "dbver").toString(), "v2");
    EXPECT_EQ(cat.value(other, "team").toString(), "Team B");

    ASSERT_TRUE(updateGame(cat.db(), id, {{"team", nullText()}}, &error));
    EXPECT_TRUE(cat.value(id, "team").isNull());
}

TEST(GameRecords, UpdateOfADeletedGameSaysSoAndWritesNothing)
{
    TestCatalogue cat;
    const int id = cat.addGame({{"titolo", "Gone"}});
    catalogue::run(cat.db(), "delete from tabella1 where id=?", {id});
    QString error;
    EXPECT_FALSE(updateGame(cat.db(), id, {{"titolo", "Back"}}, &error));
    EXPECT_EQ(error, recordGoneText());
    EXPECT_FALSE(updateGame(cat.db(), id, {}, &error));
    EXPECT_EQ(error, recordGoneText());
    EXPECT_EQ(cat.count(), 0);
    // The failed writes left no transaction open.
    EXPECT_GT(insertGame(cat.db(), {{"titolo", "Next"}}, &error), 0) << error.toStdString();
}

TEST(GameRecords, UpdateWithAnUnknownColumnWritesNothing)
{
    TestCatalogue cat;
    const int id = cat.addGame({{"titolo", "Keep"}});
    QString error;
    EXPECT_FALSE(updateGame(cat.db(), id, {{"titolo", "Changed"}, {"nosuch", "x"}}, &error));
    EXPECT_TRUE(error.contains("nosuch"));
    EXPECT_EQ(cat.value(id, "titolo").toString(), "Keep");
    EXPECT_TRUE(updateGame(cat.db(), id, {}, &error)) << "nothing to write on a present row";
}

TEST(GameRecords, UpdateFailsCleanlyOnAReadOnlyCatalogue)
{
    TestCatalogue cat;
    const int id = cat.addGame({{"titolo", "Locked"}});
    QString why;
    auto reader =
        catalogue::Connection::open(cat.path(), &why, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(reader) << why.toStdString();
    QString error;
    EXPECT_FALSE(updateGame(reader->db(), id, {{"titolo", "Changed"}}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(insertGame(reader->db(), {{"titolo", "New"}}, &error), 0);
    EXPECT_EQ(cat.value(id, "titolo").toString(), "Locked");
    EXPECT_EQ(cat.count(), 1);
}

TEST(GameRecords, ConfigurationIsTheFirstRow)
{
    TestCatalogue cat;
    EXPECT_TRUE(loadConfiguration(cat.db()).isEmpty());
    cat.setConfig({{"game64", "/games/c64/"}});
    catalogue::run(cat.db(), "insert into tabella2 (game64) values ('/elsewhere/')");
    const QVariantMap config = loadConfiguration(cat.db());
    EXPECT_EQ(config.value("game64").toString(), "/games/c64/");
    EXPECT_TRUE(config.value("gameamiga").isNull());
}

TEST(GameRecords, GamesByFormatPrefixListsTheFamilyByTitle)
{
    TestCatalogue cat;
    const int zak = cat.addGame({{"titolo", "zak"}, {"formato", "C64"}});
    const int alpha = cat.addGame({{"titolo", "Alpha"}, {"formato", "C128"}});
    const int mid = cat.addGame({{"titolo", "Mid's [100%]"}, {"formato", "c64"}});
    const int amiga = cat.addGame({{"titolo", "Beta"}, {"formato", "Amiga 1.3"}});
    const int plain = cat.addGame({{"titolo", "Gamma"}, {"formato", "Amiga"}});
    cat.addGame({{"titolo", "No machine"}});
    cat.addGame({{"titolo", "Empty machine"}, {"formato", ""}});

    auto ids = [](const QList<GameEntry> &games) {
        QList<int> out;
        for (const GameEntry &g : games)
            out << g.id;
        return out;
    };
    QString error;
    EXPECT_EQ(ids(gamesByFormatPrefix(cat.db(), "C", &error)), (QList<int>{alpha, mid, zak}));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(ids(gamesByFormatPrefix(cat.db(), "Amiga")), (QList<int>{amiga, plain}));
    const QList<GameEntry> all = gamesByFormatPrefix(cat.db(), QString());
    EXPECT_EQ(all.size(), 6) << "a formato with a value, even the empty text, matches *";
    EXPECT_EQ(gamesByFormatPrefix(cat.db(), "C").at(1).titolo, "Mid's [100%]");
}

TEST(GameRecords, StoredTextMakesEmptyNull)
{
    EXPECT_TRUE(storedText(QString()).isNull());
    EXPECT_TRUE(storedText(QStringLiteral("")).isNull());
    EXPECT_EQ(storedText(" ").toString(), " ");
}
