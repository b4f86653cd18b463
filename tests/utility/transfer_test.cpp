#include "batch.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "paths.h"
#include "transfer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <functional>
#include <tuple>

using namespace merrow;

// ok, added, modified, skipped: what a transfer reports.
using Counts = std::tuple<bool, int, int, int>;

// Ids beyond 32 bits, as a catalogue that lived long (or was edited by hand) may hold.
constexpr qint64 kWideId = Q_INT64_C(1) << 31;

qint64 addGameWithId(TestCatalogue &file, qint64 id, const QString &title)
{
    const auto added = catalogue::run(
        file.db(), "insert into tabella1 (id, titolo, formato) values (?, ?, 'Amiga')",
        {id, title});
    EXPECT_TRUE(added.ok()) << added.error().toStdString();
    return id;
}

class TransferTest : public testing::Test
{
protected:
    TestCatalogue local, exported;
    QStringList log;
    QList<std::pair<int, int>> progress;
    QString error;

    // The counts, with the log, progress and error kept.
    Counts transfer(TransferMode mode, const QList<qint64> &ids = {}, int batch = 500,
                    std::function<bool()> cancelled = {})
    {
        log.clear();
        progress.clear();
        Transfer t(local.db(), exported.db());
        t.setBatchSize(batch);
        t.onLog = [this](const QString &line, const TransferResult &) { log << line; };
        t.onProgress = [this](int done, int total) { progress.append({done, total}); };
        t.cancelled = std::move(cancelled);
        const TransferResult r = t.run(mode, ids);
        error = r.error;
        return {r.ok, r.added, r.modified, r.skipped};
    }
};

TEST_F(TransferTest, NewAddsMissingGamesOnlyOnceQuotesAccentsAndUntitledIncluded)
{
    const QString quoted = "Dragon's \"Lair\"; drop table tabella1; --";
    const int present = local.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "mine"}});
    local.addGame({{"titolo", quoted.toUpper()}, {"formato", "Amiga"}});
    local.addGame({{"titolo", "Über Łódź"}, {"formato", "Amiga"}});
    exported.addGame({{"titolo", "ELITE"}, {"formato", "c64"}, {"sh", "theirs"}});
    exported.addGame({{"titolo", "Elite"}, {"formato", "Amiga"}, {"sh", "theirs"}});
    exported.addGame({{"titolo", quoted}, {"formato", "Amiga"}});
    exported.addGame({{"titolo", QVariant()}, {"formato", "C64"}});
    exported.addGame({{"titolo", "über łódź"}, {"formato", "Amiga"}}); // the same game
    exported.addGame({{"titolo", "Élite"}, {"formato", "C64"}});       // another one
    EXPECT_EQ(transfer(TransferMode::New), (Counts{true, 3, 0, 0})) << error.toStdString();
    EXPECT_EQ(log, QStringList({"Added Elite for Amiga", "Added  for C64", "Added Élite for C64"}));
    EXPECT_EQ(local.value(present, "sh"), "mine");
    EXPECT_EQ(transfer(TransferMode::New), (Counts{true, 0, 0, 0})); // twice adds nothing
    EXPECT_EQ(local.count(), 6);
}

TEST_F(TransferTest, AllCopiesTheSeventeenFieldsAsStoredAndNothingElse)
{
    const int mine = local.addGame(
        {{"titolo", "Elite"}, {"formato", "C64"}, {"df1", "/e.d64"}, {"voto", "9"}, {"note", "n"}});
    QVariantMap over;
    for (const QString &c : Transfer::fields())
        over[c] = QString(c + "-x");
    over["titolo"] = "elite";
    over["formato"] = "C64";
    over["note"] = QVariant(); // Null overwrites a filled value
    exported.addGame(over);
    exported.addGame({{"titolo", "Nebulus"}, {"formato", "C64"}, {"dbver", "y"}});
    local.addGame({{"titolo", "Filler"}, {"formato", "C64"}}); // takes the export's id 2 first
    EXPECT_EQ(transfer(TransferMode::All), (Counts{true, 1, 1, 0})) << error.toStdString();
    EXPECT_EQ(log, QStringList({"Modified elite for C64", "Added Nebulus for C64"}));
    for (const QString &c : Transfer::fields())
        EXPECT_EQ(local.value(mine, c).toString(), over[c].toString()) << c.toStdString();
    EXPECT_TRUE(local.value(mine, "note").isNull());
    EXPECT_EQ(local.value(mine, "df1"), "/e.d64");
    EXPECT_EQ(local.value(mine, "voto").toString(), "9");
    EXPECT_EQ(local.value(3, "titolo"), "Nebulus");
    EXPECT_EQ(transfer(TransferMode::All), (Counts{true, 0, 0, 0})) << "nothing left to change";
    EXPECT_EQ(log, QStringList());
}

// A present game counts as modified only when a stored value would change: letter case,
// and Null against the empty text (the export's filter tells them apart), included.
TEST(TransferWrites, AllAndSelectedModifyOnlyGamesThatDiffer)
{
    const struct {
        const char *column;
        QVariant local, exported;
    } cases[] = {
        {"sh", "Firebird", "Firebird"},   {"sh", "Firebird", "FireBird"},
        {"titolo", "Elite", "ELITE"},     {"dbver", QVariant(), ""},
        {"note", QVariant(), QVariant()}, {"tipo", "Shoot'em up", QVariant()},
    };
    const QStringList changed = {"Modified Game 1 for C64", "Modified ELITE for C64",
                                 "Modified Game 3 for C64", "Modified Game 5 for C64"};
    for (const TransferMode mode : {TransferMode::All, TransferMode::Selected}) {
        TestCatalogue mine, theirs;
        QList<int> local;
        QList<qint64> exported;
        for (int i = 0; i < int(std::size(cases)); ++i) {
            QVariantMap game{{"titolo", QString("Game %1").arg(i)}, {"formato", "C64"}};
            game[cases[i].column] = cases[i].local;
            local << mine.addGame(game);
            game[cases[i].column] = cases[i].exported;
            exported << theirs.addGame(game);
        }
        QStringList log;
        Transfer t(mine.db(), theirs.db());
        t.onLog = [&log](const QString &line, const TransferResult &) { log << line; };
        const TransferResult r = t.run(mode, exported);
        EXPECT_EQ(log, changed);
        EXPECT_EQ(r.modified, 4);
        EXPECT_EQ(mine.count(), int(std::size(cases)));
        for (int i = 0; i < int(std::size(cases)); ++i) {
            const QVariant stored = mine.value(local[i], cases[i].column);
            EXPECT_EQ(stored.toString(), cases[i].exported.toString()) << i;
            EXPECT_EQ(stored.isNull(), cases[i].exported.isNull()) << i;
        }
    }
}

TEST_F(TransferTest, SelectedFollowsTheListOnceEachWideIdsIncluded)
{
    const int a = exported.addGame({{"titolo", "Alpha"}, {"formato", "C64"}});
    const qint64 b = addGameWithId(exported, kWideId, "Beta");
    const qint64 c = addGameWithId(exported, kWideId << 2, "Gamma");
    EXPECT_EQ(transfer(TransferMode::Selected, {b, 999, c, b, a}, 2), (Counts{true, 3, 0, 1}))
        << error.toStdString();
    EXPECT_EQ(log, QStringList({"Added Beta for Amiga", "Skipped game 999: not in the export file",
                                "Added Gamma for Amiga", "Added Alpha for C64"}));
    EXPECT_EQ(progress, (QList<std::pair<int, int>>{{0, 4}, {2, 4}, {4, 4}}));
    EXPECT_EQ(local.count(), 3);
}

TEST_F(TransferTest, CancelStopsBetweenBatchesWithTheCommittedOnesLogged)
{
    addGames(exported, 25);
    EXPECT_EQ(transfer(TransferMode::All, {}, 10, [this] { return log.size() >= 10; }),
              (Counts{true, 10, 0, 0}));
    EXPECT_EQ(log.size(), 10);
    EXPECT_EQ(local.count(), 10);
    EXPECT_EQ(progress, (QList<std::pair<int, int>>{{0, 25}, {10, 25}}));
}

TEST_F(TransferTest, FailurePartWayKeepsCommittedBatchesThenResumes)
{
    addGames(exported, 25);
    EXPECT_TRUE(catalogue::run(local.db(), "PRAGMA cache_size = -1000"));
    EXPECT_TRUE(catalogue::run(
        local.db(), "create trigger boom before insert on tabella1 when new.titolo = 'Game 0013' "
                    "begin select raise(abort, 'disk full'); end"));
    // The first batch stays, the failing one is rolled back entirely, nothing after it.
    EXPECT_EQ(transfer(TransferMode::All, {}, 10), (Counts{false, 10, 0, 0}));
    EXPECT_TRUE(error.contains("Game 0013")) << error.toStdString();
    EXPECT_TRUE(error.contains("disk full")) << error.toStdString();
    EXPECT_EQ(log.size(), 10);
    EXPECT_EQ(local.count(), 10);
    EXPECT_EQ(integrityOf(local.path()), "ok");
    const auto cache = catalogue::fetchOne(local.db(), "PRAGMA cache_size");
    EXPECT_EQ(cache.valueOr({}).value_or(QSqlRecord()).value(0).toInt(), -1000)
        << "the caller's page cache is back";
    EXPECT_TRUE(catalogue::run(local.db(), "drop trigger boom"));
    EXPECT_TRUE(
        catalogue::run(local.db(), "update tabella1 set note = 'mine' where titolo = 'Game 0003'"));
    EXPECT_EQ(transfer(TransferMode::All, {}, 10), (Counts{true, 15, 1, 0})) << error.toStdString();
    EXPECT_EQ(progress, (QList<std::pair<int, int>>{{0, 25}, {10, 25}, {20, 25}, {25, 25}}));
}

TEST_F(TransferTest, BatchRunListsImportsAndExportsOrFailsWithAMessage)
{
    QTemporaryDir temp, floppy;
    QString out, err;
    using Kind = BatchRequest::Kind;
    using Mode = BatchRequest::Import;
    const auto batch = [&](Kind kind, const QString &target, Mode mode = Mode::New) {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return runBatch({kind, mode, target}, {local.dir(), local.path(), {}, temp.path()}, o, e);
    };
    local.addGame({{"titolo", "elite"}, {"formato", "C64"}, {"sh", "old"}});
    exported.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "new"}});
    addGameWithId(exported, kWideId, "Agony");
    const QStringList before = dumpGames(local.db());
    EXPECT_EQ(batch(Kind::Import, exported.path(), Mode::Diff), 0) << err.toStdString();
    EXPECT_EQ(out, "C64   Elite\n  Publisher  : old -> new\nAmiga Agony\n  NEW GAME\n");
    EXPECT_EQ(dumpGames(local.db()), before) << "the difference listing writes nothing";
    EXPECT_EQ(batch(Kind::Import, exported.path(), Mode::New), 0);
    EXPECT_EQ(out, "Added Agony for Amiga\nGames Added: 1\nGames Modified: 0\n");
    EXPECT_EQ(batch(Kind::Export, floppy.path()), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(floppy.filePath("export.mdb")));
    EXPECT_EQ(out, "Compact Vantrel Database\nCreate Vantrel Database Backup\nCreate Work File\n"
                   "Select Data to Export\nCompact Export Database\nCopy Export Database on "
                   "Floppy\nDelete Work File\nExported 2 games to " +
                       QDir::toNativeSeparators(floppy.path()) + "/export.mdb\n" +
                       ExportPipeline::completionMessage() + "\n");
    EXPECT_NE(batch(Kind::Import, floppy.filePath("missing.mdb")), 0);
    EXPECT_TRUE(err.contains("Unable to read from Floppy!")) << err.toStdString();
    EXPECT_NE(batch(Kind::Export, floppy.filePath("no/such")), 0);
    EXPECT_TRUE(err.contains("does not exist")) << err.toStdString();
    EXPECT_EQ(integrityOf(local.path()), "ok");
}

TEST_F(TransferTest, KilledPartWayTheCatalogueHoldsExactlyWholeBatchesAndIsSound)
{
    addGames(exported, 2000);
    local.addGame({{"titolo", "Already here"}, {"formato", "C64"}});
    QProcess child;
    child.start(TRANSFER_CHILD, {local.path(), exported.path()});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray printed;
    while (printed.count("Added") < 50 && child.waitForReadyRead(10000))
        printed += child.readAllStandardOutput();
    child.kill();
    child.waitForFinished();
    printed += child.readAllStandardOutput();
    const int logged = printed.count("Added");
    const int added = local.count() - 1;
    EXPECT_GE(logged, 50);
    EXPECT_EQ(integrityOf(local.path()), "ok");
    // Every logged game is there, the rest came in whole batches in export order.
    EXPECT_LT(added, 2000) << "the child finished before it was killed";
    EXPECT_GE(added, logged);
    EXPECT_EQ(added % 20, 0);
    QSqlQuery q = catalogue::run(local.db(), "select titolo from tabella1 where id > 1 order by id")
                      .valueOr(QSqlQuery());
    EXPECT_TRUE(q.isActive());
    for (int i = 0; q.next(); ++i)
        ASSERT_EQ(q.value(0).toString(), gameTitle(i));
}
