#include "cataloguestore.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "gamediff.h"
#include "importfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

using namespace merrow;

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
    // Whether it worked, with the games exported (-1 on failure; error names the step).
    std::pair<bool, int> exportTo(const QString &to, int busyMs = 200)
    {
        RecordingProgress progress;
        ExportPipeline p(local.path(), temp.path(), to);
        p.setBusyTimeout(busyMs);
        const Result<int> r = p.run(progress);
        statuses = progress.notes;
        error = r.error();
        return {r.ok(), r.valueOr(-1)};
    }
    // Nothing the pipeline does may lose or damage the catalogue, or leave its own files.
    void expectSound(const QStringList &before)
    {
        EXPECT_EQ(dumpGames(local.db()), before);
        EXPECT_EQ(integrityOf(local.path()), "ok");
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) +
                      QDir(floppy.path()).entryList({"*.part*"}, QDir::Files) +
                      QDir(local.dir()).entryList({"*.part*"}, QDir::Files),
                  QStringList());
    }
};

TEST_F(ExportTest, WritesOwnGamesBacksUpCompactsInPlaceAndCleansUp)
{
    addGames(local, 200, QString(500, 'x')); // room for the compaction to show
    ASSERT_TRUE(CatalogueStore(local.db()).setMoreDisks(1, {"/g/disk2.d64"}));
    EXPECT_TRUE(catalogue::run(local.db(), "delete from tabella1 where titolo like 'Game*'"));
    const QStringList before = dumpGames(local.db());
    const qint64 sizeBefore = QFileInfo(local.path()).size();
    ASSERT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    EXPECT_EQ(column(destination), QStringList({"Tag 0", "Tag 1", "Tag 2"}));
    EXPECT_EQ(integrityOf(destination), "ok");
    EXPECT_EQ(column(destination, "select vice from tabella2"), QStringList{"/usr/bin/x64"});
    // The disk lists stay home: peers get the exchange tables only.
    EXPECT_EQ(column(destination, "select name from sqlite_master where type = 'table' and "
                                  "substr(name, 1, 7) <> 'sqlite_'"),
              QStringList({"tabella1", "tabella2"}));
    expectSound(before);
    EXPECT_LT(QFileInfo(local.path()).size(), sizeBefore);
    EXPECT_EQ(column(backup).size(), 5);
    // A second run replaces the export; no own games: an empty export.
    EXPECT_TRUE(catalogue::run(local.db(), "update tabella1 set dbver = 'v2'"));
    EXPECT_EQ(exportTo(destination), std::pair(true, 0)) << error.toStdString();
    EXPECT_TRUE(column(destination).isEmpty());
}

TEST_F(ExportTest, UnwritableDestinationFailsBeforeAnythingAndPlantedPartsAreIgnored)
{
    const QStringList before = dumpGames(local.db());
    EXPECT_EQ(exportTo(floppy.filePath("no/such/folder/export.mdb")), std::pair(false, -1));
    EXPECT_TRUE(error.startsWith("Export failed at \"Copy Export Database on Floppy\""))
        << error.toStdString();
    EXPECT_TRUE(statuses.isEmpty()) << "checked before the catalogue is touched";
    EXPECT_FALSE(QFile::exists(backup));
    // What an earlier run left under the old fixed names is neither read nor in the way.
    writeFile(destination, "previous export");
    ASSERT_TRUE(QDir().mkpath(destination + ".part"));
    writeFile(temp.filePath("exp.mdb"), "planted");
    EXPECT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    EXPECT_EQ(column(destination), QStringList({"Tag 0", "Tag 1", "Tag 2"}));
    QFile::remove(temp.filePath("exp.mdb"));
    expectSound(before);
}

TEST_F(ExportTest, CatalogueHeldOpenByAnotherProgram)
{
    const auto opened = catalogue::Connection::open(local.path()); // merely open: works
    ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
    const QSqlDatabase other = (*opened)->db();
    EXPECT_TRUE(catalogue::fetchOne(other, "select count(*) from tabella1"));
    ASSERT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    // Compacted in place, never replaced: what that connection writes lands in the live file.
    EXPECT_TRUE(catalogue::run(other, "insert into tabella1 (titolo) values ('after')"));
    EXPECT_EQ(local.count("titolo = 'after'"), 1);
    QFile::remove(destination);
    { // in the middle of a write: the compaction cannot finish, nothing is lost
        catalogue::WriteTransaction held(other);
        EXPECT_TRUE(catalogue::run(other, "insert into tabella1 (titolo) values ('pending')"));
        EXPECT_EQ(exportTo(destination, 100), std::pair(false, -1));
        EXPECT_TRUE(error.startsWith("Export failed at \"Compact Vantrel Database\""))
            << error.toStdString();
        EXPECT_TRUE(held.commit());
    }
    EXPECT_FALSE(QFile::exists(destination));
    EXPECT_EQ(local.count("titolo = 'pending'"), 1);
    expectSound(dumpGames(local.db()));
}

// Another program (vantrel saving, an import) holds the write lock when the export starts and
// commits while the export waits for it: its game and its edit stay, in the backup as well.
TEST_F(ExportTest, AWriteThatCommitsWhileTheExportWaitsIsKept)
{
    const auto opened = catalogue::Connection::open(local.path());
    ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
    const QSqlDatabase other = (*opened)->db();
    std::optional<Result<int>> result;
    {
        catalogue::WriteTransaction held(other);
        ASSERT_TRUE(held.isOpen()) << held.error().toStdString();
        EXPECT_TRUE(catalogue::run(
            other, "insert into tabella1 (titolo, dbver) values ('New', 'Private')"));
        EXPECT_TRUE(
            catalogue::run(other, "update tabella1 set titolo = 'Saved' where titolo = 'Tag 0'"));
        std::promise<void> compacting;
        std::thread exporter([&] {
            ExportPipeline p(local.path(), temp.path(), destination);
            p.setBusyTimeout(4000);
            RecordingProgress progress;
            progress.whenNoted = [&](const QString &status) {
                if (status == ExportPipeline::statusText(ExportPipeline::Compact))
                    compacting.set_value();
            };
            result = p.run(progress);
        });
        compacting.get_future().wait();
        // Long enough for the compaction to be waiting on the lock, short of its timeout.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(held.commit()) << held.error().toStdString();
        exporter.join();
    }
    ASSERT_TRUE(result->ok()) << result->error().toStdString();
    const QStringList titles{"New", "Saved", "Tag 1", "Tag 2", "Tag 3", "Tag 4"};
    EXPECT_EQ(column(local.path()), titles);
    EXPECT_EQ(column(backup), titles);
    EXPECT_EQ(column(destination), QStringList({"New", "Saved", "Tag 1", "Tag 2"}));
    EXPECT_EQ(integrityOf(local.path()), "ok");
}

// What killed runs left is swept by the next run: only names this program makes, only when
// older than an hour, and never a work folder whose run is still alive.
TEST_F(ExportTest, SweepsWhatKilledRunsLeftBehind)
{
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("keep.txt"));
    const QString live = temp.filePath("vantrel-Ij56Kl");
    QLockFile held(live + "/.lock");
    ASSERT_TRUE(QDir().mkpath(live));
    ASSERT_TRUE(held.tryLock(0));
    const struct {
        QString path;
        bool folder;
        int hours; // its age
        bool swept;
    } cases[] = {
        {temp.filePath("vantrel-Ab12Cd"), true, 2, true},
        {temp.filePath("vantrel-Ef34Gh"), true, 0, false}, // another run's, working now
        {live, true, 2, false},                            // a long run that is still alive
        {temp.filePath("vantrel-tests-Mn78Op"), true, 2, false},
        {temp.filePath("vantrel-Qr90St"), false, 2, false}, // a link, made below
        {floppy.filePath("export.mdb.part-1a2b3c4d"), false, 2, true},
        {floppy.filePath("export.mdb.part-ff"), false, 0, false},
        {floppy.filePath("export.mdb.part-xyz"), false, 2, false},
        {floppy.filePath("notes.txt.part-1a2b"), false, 2, false},
        {backup + ".part-9f", false, 2, true},
    };
    ASSERT_TRUE(QFile::link(elsewhere.path(), cases[4].path));
    for (const auto &c : cases) {
        if (c.folder)
            writeFile(c.path + "/work.mdb");
        else if (!QFileInfo(c.path).isSymLink())
            writeFile(c.path);
        std::filesystem::last_write_time(c.path.toStdString(),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(c.hours));
    }
    ASSERT_EQ(exportTo(destination), std::pair(true, 3)) << error.toStdString();
    for (const auto &c : cases)
        EXPECT_NE(QFileInfo::exists(c.path), c.swept) << c.path.toStdString();
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("keep.txt")));
}

TEST(ImportFile, ChecksTheCopyBeforeListingAndRefusesBadFiles)
{
    QTemporaryDir dir;
    const QString junkFile = dir.filePath("export.mdb"), working = dir.filePath("work.mdb");
    QString why;
    bool unfit = true;
    const auto open = [&](const QString &source) {
        ImportFile::Opened file = ImportFile::open(source, working, &unfit);
        why = file.error();
        return file;
    };
    {
        TestCatalogue file;
        file.addGame({{"titolo", "Zak"}, {"formato", "C64"}});
        file.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
        file.addGame({{"titolo", QVariant()}, {"formato", "Weird format"}});
        file.addGame({{"titolo", "X"}, {"formato", "c64"}}); // another case is another format
        file.addGame({{"titolo", "Y"}, {"formato", QVariant()}});
        EXPECT_TRUE(catalogue::run(file.db(),
                                   "alter table tabella1 add column rating TEXT")); // does no harm
        auto copy = open(file.path());
        ASSERT_TRUE(copy) << why.toStdString();
        QStringList lines;
        const QList<ListEntry> entries = (*copy)->entries().value();
        for (const ListEntry &e : entries)
            lines << e.line;
        EXPECT_EQ(lines, QStringList({"C64   Zak", "Amiga Agony", "Weird ", "c64   X", "      Y"}));
    }
    EXPECT_FALSE(open(junkFile));
    EXPECT_FALSE(unfit);
    EXPECT_TRUE(why.contains("does not exist")) << why.toStdString();
    const QByteArray jet = QByteArray(4096, '\0').replace(4, 15, "Standard Jet DB");
    for (const auto &[bytes, says] :
         {std::pair(jet, "cannot be read"), {"not the games you look for", ""}, {{}, ""}}) {
        writeFile(junkFile, bytes);
        EXPECT_FALSE(open(junkFile));
        EXPECT_TRUE(unfit) << says;
        EXPECT_TRUE(why.contains(says)) << why.toStdString();
    }
    TestCatalogue spoilt; // a real export file that lost a column
    EXPECT_TRUE(catalogue::run(spoilt.db(), "alter table tabella1 drop column music"));
    EXPECT_FALSE(open(spoilt.path()));
    EXPECT_TRUE(unfit);
    EXPECT_TRUE(why.contains("music")) << why.toStdString();
}

TEST(CompareTest, FourteenFieldsInOrderMatchedCaseBlindWithQuotes)
{
    TestCatalogue local, exported;
    const auto diff = [&](int id) {
        const Result<GameDiff> d = compareGame(local.db(), exported.db(), id);
        if (!d)
            return QStringList{"failed: " + d.error()};
        return d->isNew ? QStringList{"NEW"} : d->lines;
    };
    QVariantMap e{{"titolo", "Elite"},  {"formato", "C64"}, {"sh", "Firebird"}, {"year", "1985"},
                  {"note", QVariant()}, {"dbver", "other"}, {"df1", "/b.d64"}};
    local.addGame(e);
    EXPECT_TRUE(catalogue::run(
        local.db(),
        "update tabella1 set year = '', note = 'kept', dbver = 'Private', df1 = '/a.d64'"));
    for (const char *c : {"team", "tipo", "design", "programming", "graphics", "music", "adddesign",
                          "addprogramming", "addgraphics", "addmusic", "others"})
        e[c] = c;
    EXPECT_EQ(diff(exported.addGame(e)),
              QStringList({"Team       : EMPTY -> team", "Year       : EMPTY -> 1985",
                           "Genre      : EMPTY -> tipo", "Design     : EMPTY -> design",
                           "Programming: EMPTY -> programming", "Graphics   : EMPTY -> graphics",
                           "Music/Sfx  : EMPTY -> music", "Add. Design: EMPTY -> adddesign",
                           "Add. Progr.: EMPTY -> addprogramming",
                           "Add. Grfx  : EMPTY -> addgraphics", "Add. Music : EMPTY -> addmusic",
                           "Others     : EMPTY -> others", "Note       : kept -> EMPTY"}));
    local.addGame({{"titolo", "Dragon's Lair \"II\""}, {"formato", "amiga"}, {"sh", "a"}});
    local.addGame({{"titolo", "ÉLITE"}, {"formato", "C64"}, {"sh", "B"}});
    const struct {
        QVariant title;
        const char *format;
        QStringList expected;
    } cases[] = {
        {"DRAGON'S LAIR \"ii\"", "Amiga", {"Publisher  : a -> b"}},
        {"élite", "C64", {"Publisher  : B -> b"}}, // values compare exactly
        {"élite", "C128", {"NEW"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(diff(exported.addGame({{"titolo", c.title}, {"formato", c.format}, {"sh", "b"}})),
                  c.expected)
            << c.title.toString().toStdString();
    EXPECT_EQ(compareGame(local.db(), exported.db(), 999).error(), CatalogueStore::gameGoneText());
}
