// The utility's long operations on collection-sized catalogues: merging an export file,
// the whole export, and opening the import window.
#include "appcontext.h"
#include "benchcatalogue.h"
#include "database.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "importwindow.h"
#include "launcher.h"
#include "transfer.h"
#include "windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

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

// Gives the export file half of its games from the catalogue (so they are "present")
// and half freshly generated.
bool writeExportFile(const QString &path, const QString &catalogueFile, QString *error)
{
    if (!writeBenchCatalogue(path, kExportGames / 2, 2, error))
        return false;
    auto c = catalogue::Connection::open(path, error);
    if (!c)
        return false;
    const QString columns = catalogue::gameColumns().join(QStringLiteral(", "));
    // Generated titles repeat words; a mark keeps the fresh half apart from the catalogue.
    if (!catalogue::run(c->db(),
                        QStringLiteral("update tabella1 set titolo = titolo || ' #' || id"), {},
                        error)
             .isActive())
        return false;
    return catalogue::run(c->db(), QStringLiteral("attach database ? as base"), {catalogueFile},
                          error)
               .isActive() &&
           catalogue::run(c->db(),
                          QStringLiteral("insert into tabella1 (%1) select %1 from base.tabella1 "
                                         "where id % 10 = 3 order by id limit ?")
                              .arg(columns),
                          {kExportGames / 2}, error)
               .isActive();
}

struct Fixture {
    QTemporaryDir dir;
    QString base = dir.filePath(QStringLiteral("base.mdb"));
    QString exportFile = dir.filePath(QStringLiteral("export.mdb"));
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
std::unique_ptr<catalogue::Connection> freshCatalogue(const Fixture &f, const QString &live)
{
    QFile::remove(live);
    QFile::copy(f.base, live);
    QString why;
    auto local = catalogue::Connection::open(live, &why);
    catalogue::run(local->db(), QStringLiteral("update tabella2 set dbver = dbver"));
    return local;
}

void BM_TransferAll(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    const QString live = f.dir.filePath(QStringLiteral("commodore.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QString why;
        auto local = freshCatalogue(f, live);
        auto source =
            catalogue::Connection::open(f.exportFile, &why, catalogue::Connection::Mode::ReadOnly);
        state.ResumeTiming();
        merrow::Transfer t(local->db(), source->db());
        const merrow::TransferResult r = t.run(merrow::TransferMode::All);
        if (!r.ok || r.added + r.modified != kExportGames)
            state.SkipWithError(qPrintable(r.error));
        state.counters["added"] = r.added;
        state.counters["modified"] = r.modified;
    }
}
BENCHMARK(BM_TransferAll)->Unit(benchmark::kMillisecond)->Iterations(3);

// The yardstick for the merge above: the same files merged by SQLite alone, one UPDATE ...
// FROM and one INSERT ... SELECT over the attached export file, with no log and no counts.
void BM_SetBasedMerge(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError(qPrintable(f.error));
    const QString live = f.dir.filePath(QStringLiteral("commodore.mdb"));
    QStringList sets, fields;
    for (const QString &n : merrow::Transfer::fields()) {
        sets << n + QStringLiteral(" = s.") + n;
        fields << n;
    }
    const QString list = fields.join(QStringLiteral(", "));
    const QString update =
        QStringLiteral("update tabella1 set %1 from x.tabella1 as s where tabella1.titolo is "
                       "s.titolo and tabella1.formato is s.formato")
            .arg(sets.join(QStringLiteral(", ")));
    const QString insert =
        QStringLiteral("insert into tabella1 (%1) select %1 from x.tabella1 as s "
                       "where not exists (select 1 from main.tabella1 t where "
                       "t.titolo is s.titolo and t.formato is s.formato)")
            .arg(list);
    for (auto _ : state) {
        state.PauseTiming();
        QString why;
        auto local = freshCatalogue(f, live);
        catalogue::run(local->db(), QStringLiteral("attach database ? as x"), {f.exportFile});
        state.ResumeTiming();
        catalogue::WriteTransaction tx(local->db());
        if (!catalogue::run(local->db(), update, {}, &why).isActive() ||
            !catalogue::run(local->db(), insert, {}, &why).isActive() || !tx.commit())
            state.SkipWithError(qPrintable(why));
    }
}
BENCHMARK(BM_SetBasedMerge)->Unit(benchmark::kMillisecond)->Iterations(3);

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
        const merrow::ExportPipeline::Result r = p.run();
        if (!r.ok)
            state.SkipWithError(qPrintable(r.error));
        state.counters["exported"] = r.exported;
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
