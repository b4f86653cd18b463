// The utility's long operations on collection-sized catalogues: merging an export file,
// the whole export, and opening the import window.
#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "importwindow.h"
#include "launcher.h"
#include "transfer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
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
    bool ask(const QString &, Icon, const QString &) override { return true; }
};

QString title(int n)
{
    static const char *const words[] = {"Space", "Dragon", "Quest", "Turbo", "Night", "Castle",
                                        "Rally", "Star",   "Ninja", "Lost",  "City",  "Race"};
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(words[n % 12]), QLatin1String(words[(n / 12) % 12]))
        .arg(n);
}

// Games numbered first..first+count-1; every 10th is the user's own ("Private").
bool writeCatalogue(const QString &path, int first, int count, quint32 seed)
{
    if (!catalogue::createCatalogue(path).isEmpty())
        return false;
    QString why;
    auto c = catalogue::Connection::open(path, &why);
    if (!c)
        return false;
    static const char *const formats[] = {"C64",       "C128",      "Amiga",
                                          "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"};
    QRandomGenerator random(seed);
    catalogue::WriteTransaction tx(c->db());
    QSqlQuery q(c->db());
    q.prepare(QStringLiteral(
        "insert into tabella1 (titolo, formato, sh, team, year, tipo, design, programming, "
        "graphics, music, note, df1, dbver) values (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (int n = first; n < first + count; ++n) {
        const QVariantList values = {
            title(n),
            QLatin1String(formats[n % 6]),
            QStringLiteral("Publisher %1").arg(random.bounded(400)),
            QStringLiteral("Team %1").arg(random.bounded(900)),
            QString::number(1982 + random.bounded(15)),
            QStringLiteral("Genre %1").arg(random.bounded(30)),
            QStringLiteral("Designer %1").arg(random.bounded(3000)),
            QStringLiteral("Coder %1").arg(random.bounded(3000)),
            QStringLiteral("Artist %1").arg(random.bounded(3000)),
            QStringLiteral("Musician %1").arg(random.bounded(800)),
            random.bounded(4) ? QVariant()
                              : QVariant(QStringLiteral("A note about game %1").arg(n)),
            QStringLiteral("/games/%1.d64").arg(n),
            n % 10 == 0 ? QVariant(QStringLiteral("Private")) : QVariant(QStringLiteral("v2"))};
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        if (!q.exec())
            return false;
    }
    return tx.commit();
}

struct Fixture {
    QTemporaryDir dir;
    QString base = dir.filePath(QStringLiteral("base.mdb"));
    QString exportFile = dir.filePath(QStringLiteral("export.mdb"));
    bool ok = false;
    Fixture()
    {
        // Half of the export file's games are in the catalogue already.
        ok = writeCatalogue(base, 0, kCatalogueGames, 1) &&
             writeCatalogue(exportFile, kCatalogueGames - kExportGames / 2, kExportGames, 2);
    }
    static Fixture &get()
    {
        static Fixture f;
        return f;
    }
};

void BM_TransferAll(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError("cannot build the catalogues");
    const QString live = f.dir.filePath(QStringLiteral("commodore.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(live);
        QFile::copy(f.base, live);
        QString why;
        auto local = catalogue::Connection::open(live, &why);
        auto source =
            catalogue::Connection::open(f.exportFile, &why, catalogue::Connection::Mode::ReadOnly);
        state.ResumeTiming();
        merrow::Transfer t(local->db(), source->db());
        const merrow::TransferResult r = t.run(merrow::TransferMode::All);
        if (!r.ok || r.added != kExportGames / 2 || r.modified != kExportGames / 2)
            state.SkipWithError(qPrintable(r.error));
    }
}
BENCHMARK(BM_TransferAll)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportPipeline(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError("cannot build the catalogues");
    QTemporaryDir work;
    const QString live = work.filePath(QStringLiteral("commodore.mdb"));
    QFile::copy(f.base, live);
    QDir().mkpath(work.filePath(QStringLiteral("temp")));
    QDir().mkpath(work.filePath(QStringLiteral("floppy")));
    for (auto _ : state) {
        merrow::ExportPipeline p(live, work.filePath(QStringLiteral("temp")),
                                 work.filePath(QStringLiteral("floppy/export.mdb")));
        const merrow::ExportPipeline::Result r = p.run();
        if (!r.ok || r.exported != kCatalogueGames / 10)
            state.SkipWithError(qPrintable(r.error));
    }
}
BENCHMARK(BM_ExportPipeline)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenImportWindow(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    if (!f.ok)
        return state.SkipWithError("cannot build the catalogues");
    QTemporaryDir work;
    Paths paths;
    paths.catalogue = work.filePath(QStringLiteral("commodore.mdb"));
    paths.programDir = work.path();
    paths.tempDir = work.path();
    QFile::copy(f.base, paths.catalogue);
    SilentDialogs dialogs;
    ProcessLauncher launcher;
    AppContext ctx(paths, dialogs, launcher);
    ctx.nomef = f.exportFile;
    for (auto _ : state) {
        auto *w = new merrow::Form1(ctx);
        if (!w->loaded())
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
