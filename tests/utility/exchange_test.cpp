#include "batch.h"
#include "cataloguestore.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "importfile.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <clocale>
#include <functional>
#include <optional>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace merrow;

namespace
{

using Kind = BatchRequest::Kind;
using Mode = BatchRequest::Import;

struct BatchRun {
    int code = -1;
    QString out, err;
};

BatchRun batch(const QString &cataloguePath, const QString &tempDir, Kind kind,
               const QString &target, Mode mode = Mode::All)
{
    BatchRun r;
    QTextStream o(&r.out), e(&r.err);
    Paths paths{QFileInfo(cataloguePath).absolutePath(), cataloguePath, {}, tempDir};
    r.code = runBatch({kind, mode, target}, paths, o, e);
    return r;
}

void exec(TestCatalogue &file, const QString &sql)
{
    const auto done = catalogue::run(file.db(), sql);
    EXPECT_TRUE(done.ok()) << done.error().toStdString();
}

} // namespace

TEST(HostileImportFile, RefusedWithItsReasonOrImportedExactly)
{
    const QString over(catalogue::kForeignValueLimit + 1, 'x');
    const struct {
        const char *name;
        std::function<void(TestCatalogue &)> spoil;
        bool withWal;
        int code;
        const char *says; // in the refusal
        int games;        // in the catalogue afterwards
    } cases[] = {
        {"view",
         [](auto &f) {
             exec(f, "alter table tabella1 rename to t0");
             exec(f, "create view tabella1 as select * from t0");
         },
         false, 1, "tabella1 is a view", 0},
        {"generated column",
         [](auto &f) {
             exec(f, "alter table tabella1 add column x TEXT generated always as (titolo || 1)");
         },
         false, 1, "generated or hidden", 0},
        {"virtual table",
         [](auto &f) {
             exec(f, "alter table tabella1 rename to t0");
             exec(f, "create virtual table tabella1 using fts4(titolo)");
         },
         false, 1, "virtual table", 0},
        {"oversized value",
         [&](auto &f) {
             f.addGame({{"titolo", over}, {"formato", "C64"}});
         },
         false, 1, "size limit of 1000000 bytes", 0},
        {"games only in the -wal",
         [](auto &f) {
             exec(f, "PRAGMA journal_mode = WAL");
             exec(f, "PRAGMA wal_autocheckpoint = 0");
             addGames(f, 10);
         },
         true, 0, "", 12},
        {"column name with a terminal command",
         [](auto &f) {
             exec(f, "alter table tabella1 add column \"x\x1b[2J\" TEXT generated always as (1)");
         },
         false, 1, "the column x\\x1b[2J of tabella1 is generated or hidden", 0},
        {"numbers and blobs",
         [](auto &f) {
             exec(f, "insert into tabella1 (titolo, formato, sh) values (42, 'C64', x'414243')");
         },
         false, 0, "", 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestCatalogue local, file;
        QTemporaryDir temp, store;
        file.addGame({{"titolo", "Elite"}, {"formato", "C64"}});
        file.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
        c.spoil(file);
        // Copied (with its -wal) while its writer holds it open.
        const QString path = store.filePath("export.mdb");
        EXPECT_TRUE(QFile::copy(file.path(), path));
        if (c.withWal) {
            EXPECT_TRUE(QFile::copy(file.path() + "-wal", path + "-wal"));
        }
        // A sidecar someone left in the temporary folder under the old fixed name.
        writeFile(temp.filePath("export.mdb-wal"), QByteArray(4096, 'w'));
        const BatchRun r = batch(local.path(), temp.path(), Kind::Import, path);
        EXPECT_EQ(r.code, c.code) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QChar(0x1b)))
            << "names from the file reach the terminal escaped";
        EXPECT_FALSE(r.err.contains(temp.path())) << "names the user's file, not the copy";
        EXPECT_EQ(local.count(), c.games);
        EXPECT_EQ(local.count("typeof(titolo) <> 'text' or typeof(sh) not in ('text', 'null')"), 0);
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST(SharedTemporaryFolder, TwoExportsAndTwoImportsEachGetTheirOwn)
{
    QTemporaryDir temp, floppyA, floppyB;
    TestCatalogue a, b;
    addGames(a, 30);
    addGames(b, 5);
    std::optional<Result<int>> ra, rb;
    {
        std::thread ta([&] {
            ra = ExportPipeline(a.path(), temp.path(), floppyA.filePath("export.mdb")).run();
        });
        std::thread tb([&] {
            rb = ExportPipeline(b.path(), temp.path(), floppyB.filePath("export.mdb")).run();
        });
        ta.join();
        tb.join();
    }
    EXPECT_EQ(ra->valueOr(-1), 30) << ra->error().toStdString();
    EXPECT_EQ(rb->valueOr(-1), 5) << rb->error().toStdString();
    const auto fileA = ImportFile::open(floppyA.filePath("export.mdb"), temp.path());
    const auto fileB = ImportFile::open(floppyB.filePath("export.mdb"), temp.path());
    ASSERT_TRUE(fileA) << fileA.error().toStdString();
    ASSERT_TRUE(fileB) << fileB.error().toStdString();
    EXPECT_EQ((*fileA)->entries()->size(), 30);
    EXPECT_EQ((*fileB)->entries()->size(), 5);
    EXPECT_NE((*fileA)->path(), (*fileB)->path());
    EXPECT_EQ(QFileInfo(QFileInfo((*fileA)->path()).absolutePath()).permissions() & 0x0077, 0)
        << "the work folder is the owner's alone";
}

// Any name works, and a name is echoed escaped like everything else on the terminal.
TEST(AnyPath, NonAsciiAndControlCharactersUnderTheCLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    QTemporaryDir root;
    TestCatalogue source, target;
    addGames(source, 4);
    // The collector's own data stays home: not exported, not touched by an import.
    ASSERT_TRUE(CatalogueStore(source.db()).setFavourite(1, true).ok());
    const int played = target.addGame({{"titolo", gameTitle(0)}, {"formato", "C64"}});
    ASSERT_TRUE(CatalogueStore(target.db()).recordPlay(played, 7).ok());
    const QString home = root.filePath("catalogué é"), floppy = root.filePath("dést\x1b[2J"),
                  temp = root.filePath("tèmp ü");
    for (const QString &dir : {home, floppy, temp})
        ASSERT_TRUE(QDir().mkpath(dir));
    const QString mine = QDir(home).filePath("commodore.mdb");
    ASSERT_TRUE(QFile::copy(source.path(), mine));
    const BatchRun out = batch(mine, temp, Kind::Export, floppy);
    EXPECT_EQ(out.code, 0) << out.err.toStdString();
    EXPECT_TRUE(out.out.contains("dést\\x1b[2J")) << out.out.toStdString();
    const auto exported = catalogue::Connection::open(QDir(floppy).filePath("export.mdb"),
                                                      catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(exported.ok());
    EXPECT_TRUE(CatalogueStore((*exported)->db()).allPersonalData().value().isEmpty());
    const BatchRun none = batch(target.path(), temp, Kind::Import, floppy + "/none\n.mdb");
    EXPECT_TRUE(none.err.contains("dést\\x1b[2J/none\\n.mdb does not exist"))
        << none.err.toStdString();
    const BatchRun in =
        batch(target.path(), temp, Kind::Import, QDir(floppy).filePath("export.mdb"));
    EXPECT_EQ(in.code, 0) << in.err.toStdString();
    EXPECT_EQ(target.count(), 4);
    EXPECT_EQ(CatalogueStore(target.db()).personalData(played).value(),
              (PersonalData{false, 7, 1}));
    for (const BatchRun *r : {&out, &none, &in})
        EXPECT_FALSE(QString(r->out + r->err).contains(QChar(0x1b)));
    EXPECT_EQ(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(ExportDestination, TheCatalogueItselfIsRefusedThroughLinks)
{
    QTemporaryDir temp, linked;
    TestCatalogue source;
    addGames(source, 3);
    const QString named = QDir(source.dir()).filePath("export.mdb");
    ASSERT_TRUE(QFile::copy(source.path(), named));
    ASSERT_TRUE(QFile::link(named, linked.filePath("export.mdb")));
    for (const QString &folder : {source.dir(), linked.path()}) {
        const BatchRun r = batch(named, temp.path(), Kind::Export, folder);
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains("is the catalogue itself")) << r.err.toStdString();
    }
    EXPECT_EQ(column(named).size(), 3);
}

#ifdef Q_OS_UNIX
// A FIFO blocks whoever opens it, a device is read without end: neither is ever opened.
TEST(SpecialFiles, RefusedByNameBeforeAnythingOpensThem)
{
    const auto importing = [](const QString &dir, const QString &file) {
        return batch(QDir(dir).filePath("commodore.mdb"), dir, Kind::Import,
                     QDir(dir).filePath(file), Mode::New);
    };
    const auto exporting = [](const QString &dir, const QString &catalogue) {
        return batch(QDir(dir).filePath(catalogue), dir, Kind::Export, dir);
    };
    const auto converting = [](const QString &dir, const QString &jet) {
        BatchRun r;
        QTextStream o(&r.out), e(&r.err);
        r.code = convertLegacy(QDir(dir).filePath(jet), QDir(dir).filePath("new.mdb"), dir, o, e);
        return r;
    };
    const struct {
        const char *special;
        bool device; // a link to /dev/zero, else a FIFO
        std::function<BatchRun(const QString &, const QString &)> run;
        const char *argument;
    } cases[] = {
        {"floppy/export.mdb-wal", false, importing, "floppy/export.mdb"},
        {"floppy/export.mdb-journal", false, importing, "floppy/export.mdb"},
        {"floppy/export.mdb-wal", true, importing, "floppy/export.mdb"},
        {"floppy/fifo.mdb", false, importing, "floppy/fifo.mdb"},
        {"fifo.mdb", false, exporting, "fifo.mdb"},
        {"commodore.mdb-journal", false, exporting, "commodore.mdb"},
        {"commodore.mdb-wal", true, exporting, "commodore.mdb"},
        {"old.mdb", false, converting, "old.mdb"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.special);
        QTemporaryDir dir;
        TestCatalogue local, file;
        addGames(file, 2);
        ASSERT_TRUE(QDir().mkpath(dir.filePath("floppy")));
        ASSERT_TRUE(QFile::copy(local.path(), dir.filePath("commodore.mdb")));
        ASSERT_TRUE(QFile::copy(file.path(), dir.filePath("floppy/export.mdb")));
        const QString special = dir.filePath(c.special);
        ASSERT_TRUE(c.device ? QFile::link("/dev/zero", special)
                             : ::mkfifo(QFile::encodeName(special).constData(), 0600) == 0);
        const BatchRun r = c.run(dir.path(), c.argument);
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains(special + (c.device ? " is a device" : " is a FIFO")))
            << r.err.toStdString();
        QFile::remove(special);
        EXPECT_EQ(rowCount(dir.filePath("commodore.mdb")), 0);
        EXPECT_FALSE(QFile::exists(dir.filePath("export.mdb")));
    }
}
#endif
