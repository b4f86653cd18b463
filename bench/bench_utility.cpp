// The utility's long operations on collection-sized catalogues: merging an export file,
// the whole export, and opening the import window.
#include "appcontext.h"
#include "batch.h"
#include "benchcatalogue.h"
#include "benchmain.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "importwindow.h"
#include "launcher.h"
#include "paths.h"
#include "transfer.h"
#include "windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <ctime>

namespace
{

constexpr int kCatalogueGames = 50000;
constexpr int kExportGames = 10000;

class SilentDialogs : public Dialogs
{
public:
    void beep() override {}
    void message(const QString &, Icon, const QString &) override {}
    bool ask(const QString &, Icon, const QString &, Button) override { return true; }
};

// Gives the export file half of its games from the catalogue (so they are "present"),
// revised so that the merge has to write them, and half freshly generated.
bool writeExportFile(const QString &path, const QString &catalogueFile, QString *error)
{
    if (!writeBenchCatalogue(path, kExportGames / 2, 2, error))
        return false;
    const auto c = catalogue::Connection::open(path);
    if (!c) {
        *error = c.error();
        return false;
    }
    const QString columns = CatalogueStore::gameColumns().join(QStringLiteral(", "));
    // Generated titles repeat words; a mark keeps the fresh half apart from the catalogue.
    const QString statements[] = {
        QStringLiteral("update tabella1 set titolo = titolo || ' #' || id"),
        QStringLiteral("attach database ? as base"),
        QStringLiteral("insert into tabella1 (%1) select %1 from base.tabella1 "
                       "where id % 10 = 3 order by id limit ?")
            .arg(columns),
        QStringLiteral(
            "update tabella1 set note = coalesce(note, '') || ' (revised)' where id > ?")};
    const QVariantList params[] = {{}, {catalogueFile}, {kExportGames / 2}, {kExportGames / 2}};
    for (int i = 0; i < 4; ++i)
        if (const auto done = catalogue::run((*c)->db(), statements[i], params[i]); !done) {
            *error = done.error();
            return false;
        }
    return true;
}

struct Fixture {
    QTemporaryDir dir;
    QString base = dir.filePath(QStringLiteral("base.mdb"));
    QString exportFile = dir.filePath(QStringLiteral("export.mdb"));
    QString live = dir.filePath(QStringLiteral("commodore.mdb"));
    bool ok = false;
    QString error;
    Fixture()
    {
        ok = writeBenchCatalogue(base, kCatalogueGames, 1, &error) &&
             writeExportFile(exportFile, base, &error);
    }
    static Fixture &get()
    {
        static Fixture f;
        return f;
    }
};

// A fresh copy of the base catalogue at live, its first commit's sync already paid: a commit
// syncs the whole file, and the copy's own writes must not be timed with the merge.
void freshCatalogue(const Fixture &f)
{
    QFile::remove(f.live);
    QFile::copy(f.base, f.live);
    const auto local = catalogue::Connection::open(f.live);
    if (local)
        (void)catalogue::run((*local)->db(), QStringLiteral("update tabella2 set dbver = dbver"));
}

// Plain SQLite, as the sqlite3 shell has it: none of the programs' dialect.
class ShellConnection
{
public:
    explicit ShellConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~ShellConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name = QStringLiteral("shell");
};

// The floor for the merge: what the sqlite3 shell does with the same files. A private copy
// of the export file, its quick_check, then one UPDATE ... FROM of the games that differ and
// one INSERT ... SELECT of the missing ones, in one transaction; no log and no counts.
bool setBasedMerge(const Fixture &f, QString *error)
{
    QTemporaryDir work(f.dir.filePath(QStringLiteral("floor-XXXXXX")));
    const QString copy = work.filePath(QStringLiteral("import.mdb"));
    if (!QFile::copy(f.exportFile, copy))
        return false;
    {
        ShellConnection check(copy);
        const auto r = catalogue::fetchOne(check.db(), QStringLiteral("PRAGMA quick_check"));
        if (!r || !r->has_value() || (*r)->value(0).toString() != QLatin1String("ok"))
            return false;
    }
    QStringList sets, fields, differs;
    for (const Game::Field field : merrow::Transfer::fields()) {
        const QString n = CatalogueStore::column(field);
        sets << n + QStringLiteral(" = s.") + n;
        fields << n;
        differs << QStringLiteral("tabella1.%1 is not s.%1 collate binary").arg(n);
    }
    const QString list = fields.join(QStringLiteral(", "));
    const QString update =
        QStringLiteral("update tabella1 set %1 from x.tabella1 as s where tabella1.titolo is "
                       "s.titolo and tabella1.formato is s.formato and (%2)")
            .arg(sets.join(QStringLiteral(", ")), differs.join(QStringLiteral(" or ")));
    const QString insert =
        QStringLiteral("insert into tabella1 (%1) select %1 from x.tabella1 as s "
                       "where not exists (select 1 from main.tabella1 t where "
                       "t.titolo is s.titolo and t.formato is s.formato)")
            .arg(list);
    ShellConnection shell(f.live);
    QSqlDatabase db = shell.db();
    const auto exec = [&db, error](const QString &sql, const QVariantList &params = {}) {
        const auto done = catalogue::run(db, sql, params);
        if (!done)
            *error = done.error();
        return done.ok();
    };
    return exec(QStringLiteral("attach database ? as x"), {copy}) &&
           exec(QStringLiteral("begin immediate")) && exec(update) && exec(insert) &&
           exec(QStringLiteral("commit"));
}

// Wall-clock and processor seconds of one run; negative when it failed. On a shared
// machine the processor time is the steadier of the two.
struct Seconds {
    double wall = -1;
    double cpu = 0;
};

template <class Work> Seconds timed(const Work &work)
{
    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    if (!work())
        return {};
    return {clock.nsecsElapsed() / 1e9, double(std::clock() - cpu) / CLOCKS_PER_SEC};
}

Seconds timedFloor(const Fixture &f, QString *error)
{
    freshCatalogue(f);
    return timed([&] { return setBasedMerge(f, error); });
}

void BM_SetBasedMerge(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    for (auto _ : state) {
        QString why;
        const Seconds s = timedFloor(f, &why);
        if (s.wall < 0)
            return state.SkipWithError(qPrintable(why));
        state.SetIterationTime(s.wall);
    }
}
BENCHMARK(BM_SetBasedMerge)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// merrow --import FILE --all as the program runs it.
Seconds timedImport(const Fixture &f, QString *error)
{
    freshCatalogue(f);
    const Paths paths{f.dir.path(), f.live, {}, f.dir.path()};
    const merrow::BatchRequest all{merrow::BatchRequest::Kind::Import,
                                   merrow::BatchRequest::Import::All, f.exportFile};
    QString out;
    QTextStream o(&out), e(error);
    return timed([&] {
        const int code = merrow::runBatch(all, paths, o, e);
        o.flush();
        const QString counts = QStringLiteral("Games Added: %1\nGames Modified: %1\n");
        return code == 0 && out.endsWith(counts.arg(kExportGames / 2));
    });
}

// The program's merge, the private copy and its checks included, against the floor above.
// Each iteration times both, so that the ratios compare them under the same load.
void BM_TransferAll(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    Seconds floor{0, 0}, merge{0, 0};
    for (auto _ : state) {
        QString why;
        const Seconds base = timedFloor(f, &why);
        const Seconds s = base.wall < 0 ? base : timedImport(f, &why);
        if (s.wall < 0)
            return state.SkipWithError(qPrintable(why));
        state.SetIterationTime(s.wall);
        floor = {floor.wall + base.wall, floor.cpu + base.cpu};
        merge = {merge.wall + s.wall, merge.cpu + s.cpu};
    }
    state.counters["floor_ms"] = floor.wall * 1000 / state.iterations();
    state.counters["ratio"] = merge.wall / floor.wall;
    state.counters["cpu_ratio"] = merge.cpu / floor.cpu;
}
BENCHMARK(BM_TransferAll)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_ExportPipeline(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    QTemporaryDir work;
    const QString live = work.filePath(QStringLiteral("commodore.mdb"));
    QFile::copy(f.base, live);
    QDir().mkpath(work.filePath(QStringLiteral("temp")));
    QDir().mkpath(work.filePath(QStringLiteral("floppy")));
    for (auto _ : state) {
        merrow::ExportPipeline p(live, work.filePath(QStringLiteral("temp")),
                                 work.filePath(QStringLiteral("floppy/export.mdb")));
        const Result<int> r = p.run();
        if (!r)
            state.SkipWithError(qPrintable(r.error()));
        state.counters["exported"] = r.valueOr(0);
    }
}
BENCHMARK(BM_ExportPipeline)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenImportWindow(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    QTemporaryDir work;
    Paths paths;
    paths.catalogue = work.filePath(QStringLiteral("commodore.mdb"));
    paths.programDir = work.path();
    paths.tempDir = work.path();
    QFile::copy(f.base, paths.catalogue);
    SilentDialogs dialogs;
    ProcessLauncher launcher;
    WindowRegistry windows;
    AppContext ctx(paths, dialogs, launcher, windows);
    for (auto _ : state) {
        auto *w = new merrow::ImportWindow(ctx);
        w->takeRequest(ImportRequest{f.exportFile});
        if (!w->isLoaded())
            state.SkipWithError("the import window did not load");
        state.PauseTiming();
        delete w;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenImportWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runBenchmarks<QApplication>(argc, argv);
    return 0;
}
