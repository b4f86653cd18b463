#include "database.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace merrow;

static QStringList column(const QString &path,
                          const QString &sql = "select titolo from tabella1 order by titolo")
{
    auto c = catalogue::Connection::open(path, nullptr, catalogue::Connection::Mode::ReadOnly);
    QStringList out;
    QSqlQuery q = c ? catalogue::run(c->db(), sql) : QSqlQuery();
    while (q.next())
        out << q.value(0).toString();
    return out;
}

static QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ExportTest : public testing::Test
{
protected:
    TestCatalogue local;
    QTemporaryDir temp, floppy;
    QString destination = floppy.filePath("export.mdb");
    QString backup = QDir(local.dir()).filePath("commodoreOLD.mdb");
    QStringList statuses;
    QString error;

    void SetUp() override
    {
        const QVariant tags[] = {"Private", "PRIVATE", QVariant(), "v2", ""}; // own: the first 3
        for (int i = 0; i < 5; ++i)
            local.addGame(
                {{"titolo", QString("Tag %1").arg(i)}, {"formato", "C64"}, {"dbver", tags[i]}});
        local.setConfig({{"vice", "/usr/bin/x64"}});
    }
    // Whether it worked, with the games exported or the step that failed (named in error).
    using Outcome = std::pair<bool, int>;
    Outcome exportTo(const QString &to, int busyMs = 200)
    {
        statuses.clear();
        ExportPipeline p(local.path(), temp.path(), to);
        p.setBusyTimeout(busyMs);
        p.onStatus = [this](int, const QString &s) { statuses << s; };
        const ExportPipeline::Result r = p.run();
        error = r.error;
        return {r.ok, r.ok ? r.exported : r.failedStep};
    }
    // Only our own temporary files would be left behind.
    QStringList leftovers() const
    {
        return QDir(temp.path()).entryList(QDir::Files) +
               QDir(floppy.path()).entryList({"*.part"}, QDir::AllEntries | QDir::NoDotAndDotDot) +
               QDir(local.dir()).entryList({"*.part", "commodoreNEW.mdb"}, QDir::Files);
    }
    // Nothing the pipeline does may lose or damage the catalogue.
    void expectSound(const QStringList &before)
    {
        EXPECT_EQ(dumpGames(local.db()), before);
        EXPECT_EQ(integrityOf(local.path()), "ok");
        EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
    }
};

static const std::pair failedAtCopy(false, int(ExportPipeline::Copy));

TEST_F(ExportTest, WritesOwnGamesBacksUpCompactsInPlaceAndCleansUp)
{
    addGames(local, 200, QString(500, 'x')); // room for the compaction to show
    catalogue::run(local.db(), "delete from tabella1 where titolo like 'Game*'");
    const QStringList before = dumpGames(local.db());
    const qint64 sizeBefore = QFileInfo(local.path()).size();
    ASSERT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    EXPECT_EQ(statuses,
              QStringList({"Compact Vantrel Database", "Create Vantrel Database Backup",
                           "Create Work File", "Select Data to Export", "Compact Export Database",
                           "Copy Export Database on Floppy", "Delete Work File"}));
    EXPECT_EQ(column(destination), QStringList({"Tag 0", "Tag 1", "Tag 2"}));
    EXPECT_EQ(integrityOf(destination), "ok");
    EXPECT_EQ(column(destination, "select vice from tabella2"), QStringList{"/usr/bin/x64"});
    expectSound(before);
    EXPECT_LT(QFileInfo(local.path()).size(), sizeBefore);
    EXPECT_EQ(column(backup).size(), 5);
    // A second run replaces both the backup and the export; no own games: an empty export.
    local.addGame({{"titolo", "Later"}, {"formato", "C64"}, {"dbver", "private"}});
    ASSERT_EQ(exportTo(destination), std::pair(true, 4));
    EXPECT_EQ(column(backup).size(), 6);
    EXPECT_TRUE(column(destination).contains("Later"));
    catalogue::run(local.db(), "update tabella1 set dbver = 'v2'");
    EXPECT_EQ(exportTo(destination), std::pair(true, 0)) << error.toStdString();
    EXPECT_TRUE(column(destination).isEmpty());
}

TEST_F(ExportTest, UnwritableDestinationFailsAtCopyAndKeepsTheOldExport)
{
    const QStringList before = dumpGames(local.db());
    EXPECT_EQ(exportTo(floppy.filePath("no/such/folder/export.mdb")), failedAtCopy);
    EXPECT_TRUE(error.contains("Copy Export Database on Floppy")) << error.toStdString();
    EXPECT_TRUE(statuses.isEmpty()) << "checked before the catalogue is touched";
    EXPECT_FALSE(QFile::exists(backup));
    QFile::setPermissions(floppy.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(floppy.filePath("probe"));
    if (!probe.open(QIODevice::WriteOnly)) { // an administrator writes anyway
        EXPECT_EQ(exportTo(destination), failedAtCopy);
    }
    probe.remove();
    QFile::setPermissions(floppy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A folder where the temporary copy should go makes the write fail, even for root.
    writeBytes(destination, "previous export");
    ASSERT_TRUE(QDir().mkpath(destination + ".part"));
    EXPECT_EQ(exportTo(destination), failedAtCopy);
    EXPECT_EQ(contents(destination), "previous export");
    QDir(destination + ".part").removeRecursively();
    expectSound(before);
}

TEST_F(ExportTest, CatalogueHeldOpenByAnotherProgram)
{
    const QStringList before = dumpGames(local.db());
    auto other = catalogue::Connection::open(local.path(), nullptr); // merely open: works
    catalogue::fetchOne(other->db(), "select count(*) from tabella1");
    ASSERT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    // Compacted in place, never replaced: what that connection writes lands in the live file.
    catalogue::run(other->db(), "insert into tabella1 (titolo) values ('after')");
    EXPECT_EQ(column(local.path(), "select titolo from tabella1 where titolo = 'after'"),
              QStringList{"after"});
    QFile::remove(destination);
    { // in the middle of a write: the compaction cannot finish, nothing is lost
        catalogue::WriteTransaction held(other->db());
        catalogue::run(other->db(), "insert into tabella1 (titolo) values ('pending')");
        EXPECT_EQ(exportTo(destination, 100), std::pair(false, int(ExportPipeline::Compact)));
        EXPECT_TRUE(error.contains("Compact Vantrel Database")) << error.toStdString();
        EXPECT_TRUE(held.commit());
    }
    EXPECT_FALSE(QFile::exists(destination));
    EXPECT_EQ(dumpGames(local.db()).size(), before.size() + 2);
    EXPECT_EQ(local.count("titolo = 'pending'"), 1);
    expectSound(dumpGames(local.db()));
}

TEST(ExportPipelineBroken, DamagedCatalogueIsNotTouched)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("commodore.mdb");
    writeBytes(broken, "not a database at all");
    const ExportPipeline::Result r =
        ExportPipeline(broken, dir.path(), dir.filePath("x.mdb")).run();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, ExportPipeline::Compact);
    EXPECT_EQ(contents(broken), "not a database at all");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"commodore.mdb"});
}
