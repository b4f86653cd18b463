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

namespace
{

QStringList column(const QString &path,
                   const QString &sql = "select titolo from tabella1 order by titolo")
{
    QString why;
    auto c = catalogue::Connection::open(path, &why, catalogue::Connection::Mode::ReadOnly);
    EXPECT_TRUE(c) << why.toStdString();
    QStringList out;
    QSqlQuery q = c ? catalogue::run(c->db(), sql) : QSqlQuery();
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ExportTest : public testing::Test
{
protected:
    TestCatalogue local;
    QTemporaryDir temp;
    QTemporaryDir floppy;
    QString destination = floppy.filePath("export.mdb");
    QString backup = QDir(local.dir()).filePath("commodoreOLD.mdb");
    QStringList statuses;

    void SetUp() override
    {
        local.addGame({{"titolo", "Mine"}, {"formato", "C64"}, {"dbver", "Private"}});
        local.addGame({{"titolo", "Mine too"}, {"formato", "Amiga"}, {"dbver", "PRIVATE"}});
        local.addGame({{"titolo", "Untagged"}, {"formato", "C64"}, {"dbver", QVariant()}});
        local.addGame({{"titolo", "Theirs"}, {"formato", "C64"}, {"dbver", "v2"}});
        local.addGame({{"titolo", "Blank tag"}, {"formato", "C64"}, {"dbver", ""}});
        local.setConfig({{"vice", "/usr/bin/x64"}});
    }
    ExportPipeline::Result exportTo(const QString &to, int busyMs = 200)
    {
        statuses.clear();
        ExportPipeline p(local.path(), temp.path(), to);
        p.setBusyTimeout(busyMs);
        p.onStatus = [this](int, const QString &s) { statuses << s; };
        return p.run();
    }
    // Only our own temporary files would be left behind.
    QStringList leftovers() const
    {
        QStringList out = QDir(temp.path()).entryList(QDir::Files);
        out << QDir(floppy.path()).entryList({"*.part"}, QDir::AllEntries | QDir::NoDotAndDotDot);
        out << QDir(local.dir()).entryList({"*.part", "commodoreNEW.mdb"}, QDir::Files);
        return out;
    }
    // Nothing the pipeline does may lose or damage the catalogue.
    void expectCatalogueSound(const QStringList &before)
    {
        EXPECT_EQ(dumpGames(local.db()), before);
        EXPECT_EQ(integrityOf(local.path()), "ok");
    }
};

TEST_F(ExportTest, WritesOwnGamesBacksUpCompactsInPlaceAndCleansUp)
{
    addGames(local, 200, QString(500, 'x')); // room for the compaction to show
    catalogue::run(local.db(), "delete from tabella1 where titolo like 'Game*'");
    const QStringList before = dumpGames(local.db());
    const qint64 sizeBefore = QFileInfo(local.path()).size();

    ExportPipeline::Result r = exportTo(destination);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(statuses,
              QStringList({"Compact Vantrel Database", "Create Vantrel Database Backup",
                           "Create Work File", "Select Data to Export", "Compact Export Database",
                           "Copy Export Database on Floppy", "Delete Work File"}));
    EXPECT_EQ(r.exported, 3);
    EXPECT_EQ(column(destination), QStringList({"Mine", "Mine too", "Untagged"}));
    EXPECT_EQ(integrityOf(destination), "ok");
    EXPECT_EQ(column(destination, "select vice from tabella2"), QStringList{"/usr/bin/x64"});
    // The live catalogue: same rows, smaller.
    expectCatalogueSound(before);
    EXPECT_LT(QFileInfo(local.path()).size(), sizeBefore);
    EXPECT_EQ(column(backup).size(), 5);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();

    // A second run replaces both the backup and the export.
    local.addGame({{"titolo", "Later"}, {"formato", "C64"}, {"dbver", "private"}});
    ASSERT_TRUE(exportTo(destination).ok);
    EXPECT_EQ(column(backup).size(), 6);
    EXPECT_TRUE(column(destination).contains("Later"));

    // No own games: an empty export.
    catalogue::run(local.db(), "update tabella1 set dbver = 'v2'");
    r = exportTo(destination);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.exported, 0);
    EXPECT_TRUE(column(destination).isEmpty());
}

TEST_F(ExportTest, UnwritableDestinationFailsAtCopyAndKeepsTheOldExport)
{
    const QStringList before = dumpGames(local.db());
    ExportPipeline::Result r = exportTo(floppy.filePath("no/such/folder/export.mdb"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, ExportPipeline::Copy);
    EXPECT_TRUE(r.error.contains("Copy Export Database on Floppy")) << r.error.toStdString();
    EXPECT_TRUE(statuses.isEmpty()) << "checked before the catalogue is touched";
    EXPECT_FALSE(QFile::exists(backup));

    QFile::setPermissions(floppy.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(floppy.filePath("probe"));
    if (!probe.open(QIODevice::WriteOnly)) { // an administrator writes anyway
        r = exportTo(destination);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedStep, ExportPipeline::Copy);
    }
    probe.remove();
    QFile::setPermissions(floppy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A folder where the temporary copy should go makes the write fail, even for root.
    writeBytes(destination, "previous export");
    ASSERT_TRUE(QDir().mkpath(destination + ".part"));
    r = exportTo(destination);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, ExportPipeline::Copy);
    EXPECT_EQ(contents(destination), "previous export");
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());
    expectCatalogueSound(before);
}

TEST_F(ExportTest, CatalogueHeldOpenByAnotherProgram)
{
    const QStringList before = dumpGames(local.db());
    // Merely open, as the browser keeps it: the export works.
    QString why;
    auto other = catalogue::Connection::open(local.path(), &why);
    ASSERT_TRUE(other);
    catalogue::fetchOne(other->db(), "select count(*) from tabella1");
    ExportPipeline::Result r = exportTo(destination);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    // Compacted in place, never replaced: what that connection writes lands in the live file.
    catalogue::run(other->db(), "insert into tabella1 (titolo) values ('after')");
    EXPECT_EQ(column(local.path(), "select titolo from tabella1 where titolo = 'after'"),
              QStringList{"after"});

    // In the middle of a write: the compaction cannot finish, nothing is lost.
    QFile::remove(destination);
    {
        catalogue::WriteTransaction held(other->db());
        ASSERT_TRUE(held.isOpen());
        catalogue::run(other->db(), "insert into tabella1 (titolo) values ('pending')");
        r = exportTo(destination, 100);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedStep, ExportPipeline::Compact);
        EXPECT_TRUE(r.error.contains("Compact Vantrel Database")) << r.error.toStdString();
        EXPECT_TRUE(held.commit());
    }
    EXPECT_FALSE(QFile::exists(destination));
    EXPECT_EQ(integrityOf(local.path()), "ok");
    EXPECT_EQ(dumpGames(local.db()).size(), before.size() + 2);
    EXPECT_EQ(local.count("titolo = 'pending'"), 1);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
}

TEST(ExportPipelineBroken, DamagedCatalogueIsNotTouched)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("commodore.mdb");
    writeBytes(broken, "not a database at all");
    ExportPipeline p(broken, dir.filePath("temp"), dir.filePath("export.mdb"));
    QDir().mkpath(dir.filePath("temp"));
    const ExportPipeline::Result r = p.run();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, ExportPipeline::Compact);
    EXPECT_EQ(contents(broken), "not a database at all");
    EXPECT_FALSE(QFile::exists(dir.filePath("export.mdb")));
    EXPECT_FALSE(QFile::exists(dir.filePath("commodoreOLD.mdb")));
}
