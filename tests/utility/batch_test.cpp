#include "batch.h"
#include "database.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "testcatalogue.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

using namespace merrow;
using Kind = BatchRequest::Kind;
using Mode = BatchRequest::Import;

class BatchTest : public testing::Test
{
protected:
    TestCatalogue local;
    QTemporaryDir temp;
    QTemporaryDir floppy;
    QString out, err;

    int batch(Kind kind, const QString &target, Mode mode = Mode::New)
    {
        out.clear();
        err.clear();
        Paths paths;
        paths.catalogue = local.path();
        paths.programDir = local.dir();
        paths.tempDir = temp.path();
        QTextStream o(&out), e(&err);
        const int code = runBatch({kind, mode, target}, paths, o, e);
        o.flush();
        e.flush();
        return code;
    }
};

TEST_F(BatchTest, ImportDiffNewAllAndExport)
{
    local.addGame({{"titolo", "elite"}, {"formato", "C64"}, {"sh", "old"}});
    TestCatalogue exported;
    exported.addGame(
        {{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "new"}, {"dbver", "Private"}});
    exported.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
    const QString file = exported.path();
    const QStringList before = dumpGames(local.db());

    EXPECT_EQ(batch(Kind::Import, file, Mode::Diff), 0) << err.toStdString();
    EXPECT_EQ(out, "C64   Elite\n  Publisher  : old -> new\nAmiga Agony\n  NEW GAME\n");
    EXPECT_EQ(dumpGames(local.db()), before) << "the difference listing writes nothing";

    EXPECT_EQ(batch(Kind::Import, file, Mode::New), 0);
    EXPECT_EQ(out, "Added Agony for Amiga\nGames Added: 1\nGames Modified: 0\n");
    EXPECT_EQ(batch(Kind::Import, file, Mode::All), 0);
    EXPECT_EQ(out, "Modified Elite for C64\nModified Agony for Amiga\nGames Added: 0\n"
                   "Games Modified: 2\n");
    EXPECT_EQ(local.count("sh = 'new'"), 1);

    EXPECT_EQ(batch(Kind::Export, floppy.path()), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(floppy.filePath("export.mdb")));
    EXPECT_TRUE(out.startsWith("Compact Vantrel Database\n"));
    EXPECT_TRUE(out.contains("Exported 2 games"));
    EXPECT_TRUE(out.trimmed().endsWith("Transfer Completed. Send the file to " +
                                       QLatin1String(kMaintainerAddress)));
}

TEST_F(BatchTest, BadInputFailsWithAMessage)
{
    EXPECT_NE(batch(Kind::Import, floppy.filePath("missing.mdb")), 0);
    EXPECT_TRUE(err.contains("Unable to read from Floppy!")) << err.toStdString();
    writeBytes(floppy.filePath("junk.mdb"), QByteArray(5000, 'j'));
    EXPECT_NE(batch(Kind::Import, floppy.filePath("junk.mdb"), Mode::All), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_NE(batch(Kind::Export, floppy.filePath("no/such")), 0);
    EXPECT_TRUE(err.contains("does not exist")) << err.toStdString();
    EXPECT_EQ(local.count(), 0);
    EXPECT_EQ(integrityOf(local.path()), "ok");
}

// Run as a child by the test below: a slow transfer that prints each committed game.
TEST(TransferChild, RunsUntilKilled)
{
    const QString catalogue = qEnvironmentVariable("MERROW_TEST_CHILD_CATALOGUE");
    if (catalogue.isEmpty())
        GTEST_SKIP() << "only runs as the child of TransferKilled";
    QString why;
    auto local = catalogue::Connection::open(catalogue, &why);
    auto source = catalogue::Connection::open(qEnvironmentVariable("MERROW_TEST_CHILD_EXPORT"),
                                              &why, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(local && source) << why.toStdString();
    Transfer t(local->db(), source->db());
    t.setBatchSize(20);
    t.onLog = [](const QString &line, const TransferResult &) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    t.onProgress = [](int, int) { QThread::msleep(30); };
    t.run(TransferMode::All);
}

TEST(TransferKilled, CatalogueHoldsExactlyWholeBatchesAndIsSound)
{
    TestCatalogue local, exported;
    const int total = 2000;
    addGames(exported, total);
    local.addGame({{"titolo", "Already here"}, {"formato", "C64"}});

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MERROW_TEST_CHILD_CATALOGUE", local.path());
    env.insert("MERROW_TEST_CHILD_EXPORT", exported.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=TransferChild.RunsUntilKilled"});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray printed;
    while (printed.count("Added") < 50 && child.state() == QProcess::Running)
        if (child.waitForReadyRead(10000))
            printed += child.readAllStandardOutput();
    child.kill();
    child.waitForFinished();
    printed += child.readAllStandardOutput();

    const int logged = printed.count("Added");
    EXPECT_GE(logged, 50);
    EXPECT_EQ(integrityOf(local.path()), "ok");
    // Every logged game is there, the rest came in whole batches in export order.
    const int added = local.count() - 1;
    EXPECT_LT(added, total) << "the child finished before it was killed";
    EXPECT_GE(added, logged);
    EXPECT_EQ(added % 20, 0);
    QSqlQuery q =
        catalogue::run(local.db(), "select titolo from tabella1 where id > 1 order by id");
    for (int i = 0; q.next(); ++i)
        ASSERT_EQ(q.value(0).toString(), gameTitle(i));
}
