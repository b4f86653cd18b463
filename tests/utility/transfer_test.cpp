#include "database.h"
#include "exportfiles.h"
#include "testcatalogue.h"
#include "transfer.h"

#include <gtest/gtest.h>

using namespace merrow;

class TransferTest : public testing::Test
{
protected:
    TestCatalogue local, exported;
    QStringList log;
    QList<std::pair<int, int>> progress;

    TransferResult transfer(TransferMode mode, const QList<int> &ids = {}, int batch = 500)
    {
        log.clear();
        progress.clear();
        Transfer t(local.db(), exported.db());
        t.setBatchSize(batch);
        t.onLog = [this](const QString &line, const TransferResult &) { log << line; };
        t.onProgress = [this](int done, int total) { progress.append({done, total}); };
        return t.run(mode, ids);
    }
};

TEST_F(TransferTest, NewAddsMissingGamesOnlyOnceQuotesAndUntitledIncluded)
{
    const QString quoted = "Dragon's \"Lair\"; drop table tabella1; --";
    const int present = local.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "mine"}});
    local.addGame({{"titolo", quoted.toUpper()}, {"formato", "Amiga"}});
    exported.addGame({{"titolo", "ELITE"}, {"formato", "c64"}, {"sh", "theirs"}});
    exported.addGame({{"titolo", "Elite"}, {"formato", "Amiga"}, {"sh", "theirs"}});
    exported.addGame({{"titolo", quoted}, {"formato", "Amiga"}});
    exported.addGame({{"titolo", QVariant()}, {"formato", "C64"}});
    const TransferResult r = transfer(TransferMode::New);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.modified, 0);
    EXPECT_EQ(log, QStringList({"Added Elite for Amiga", "Added  for C64"}));
    EXPECT_EQ(local.value(present, "sh"), "mine");
    EXPECT_EQ(local.count(), 4);

    const TransferResult again = transfer(TransferMode::New);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.added, 0);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(local.count(), 4);
}

TEST_F(TransferTest, AllCopiesTheSeventeenFieldsAsStoredAndNothingElse)
{
    const int mine = local.addGame({{"titolo", "Elite"},
                                    {"formato", "C64"},
                                    {"df1", "/games/elite.d64"},
                                    {"voto", "9"},
                                    {"note", "n"}});
    QVariantMap over;
    for (const QString &c : Transfer::fields())
        over[c] = QString(c + "-x");
    over["titolo"] = "elite";
    over["formato"] = "C64";
    over["note"] = QVariant(); // Null overwrites a filled value
    exported.addGame(over);
    exported.addGame({{"titolo", "Nebulus"}, {"formato", "C64"}, {"dbver", "y"}});
    // The export's own ids must not travel: the new game's id is taken locally first.
    local.addGame({{"titolo", "Filler"}, {"formato", "C64"}});

    const TransferResult r = transfer(TransferMode::All);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.modified, 1);
    EXPECT_EQ(log, QStringList({"Modified elite for C64", "Added Nebulus for C64"}));
    for (const QString &c : Transfer::fields())
        EXPECT_EQ(local.value(mine, c).toString(), over[c].toString()) << c.toStdString();
    EXPECT_TRUE(local.value(mine, "note").isNull());
    EXPECT_EQ(local.value(mine, "df1"), "/games/elite.d64");
    EXPECT_EQ(local.value(mine, "voto"), "9");
    EXPECT_EQ(local.count("id = 3 and titolo = 'Nebulus' and dbver = 'y'"), 1);

    const TransferResult again = transfer(TransferMode::All);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.modified, 2);
    EXPECT_EQ(local.count(), 3);
}

TEST_F(TransferTest, SelectedFollowsTheListTwiceChosenAndMissingIds)
{
    const int a = exported.addGame({{"titolo", "Alpha"}, {"formato", "C64"}});
    const int b = exported.addGame({{"titolo", "Beta"}, {"formato", "Amiga"}});
    exported.addGame({{"titolo", "Gamma"}, {"formato", "C64"}});
    const TransferResult r = transfer(TransferMode::Selected, {b, 999, b, a});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.modified, 1);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(log, QStringList({"Added Beta for Amiga", "Skipped game 999: not in the export file",
                                "Modified Beta for Amiga", "Added Alpha for C64"}));
    EXPECT_EQ(local.count(), 2);
    const TransferResult none = transfer(TransferMode::Selected, {});
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.added + none.modified, 0);
}

TEST_F(TransferTest, FailurePartWayKeepsCommittedBatchesThenResumes)
{
    addGames(exported, 25);
    QString error;
    catalogue::run(local.db(),
                   "create trigger boom before insert on tabella1 when new.titolo = 'Game 0013' "
                   "begin select raise(abort, 'disk full'); end",
                   {}, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    TransferResult r = transfer(TransferMode::All, {}, 10);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("Game 0013")) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains("disk full")) << r.error.toStdString();
    // The first batch stays, the failing one is rolled back entirely, nothing after it.
    EXPECT_EQ(r.added, 10);
    EXPECT_EQ(log.size(), 10);
    EXPECT_EQ(local.count(), 10);
    EXPECT_EQ(integrityOf(local.path()), "ok");

    catalogue::run(local.db(), "drop trigger boom");
    r = transfer(TransferMode::All, {}, 10);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(progress, (QList<std::pair<int, int>>{{0, 25}, {10, 25}, {20, 25}, {25, 25}}));
    EXPECT_EQ(r.modified, 10);
    EXPECT_EQ(r.added, 15);
    EXPECT_EQ(log.size(), 25);
}

TEST_F(TransferTest, BusyCatalogueIsReportedAndLeftAlone)
{
    local.addGame({{"titolo", "Kept"}, {"formato", "C64"}});
    exported.addGame({{"titolo", "New"}, {"formato", "C64"}});
    const QStringList before = dumpGames(local.db());
    QString why;
    auto other = catalogue::Connection::open(local.path(), &why);
    ASSERT_TRUE(other);
    catalogue::WriteTransaction held(other->db());
    ASSERT_TRUE(held.isOpen());
    catalogue::run(other->db(), "insert into tabella1 (titolo) values ('uncommitted')");
    catalogue::run(local.db(), "PRAGMA busy_timeout = 100");
    const TransferResult r = transfer(TransferMode::All);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(r.added, 0);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(dumpGames(local.db()), before);
}
