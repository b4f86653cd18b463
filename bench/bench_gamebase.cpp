// Importing a 30,000-game GameBase set against the Jet library's own export of all its tables
// (mdb-export, a child process per table): merrow --import-gamebase runs the reader, maps the
// games, resolves every path case-blind in folders that hold the set's files and writes the
// catalogue; it should take at most three times as long. Both are timed by the wall clock
// and by the processor time of the child processes (the reader's included), which other
// work on the machine cannot tilt; the export runs beside each import for the ratio.
#include "benchmain.h"
#include "database.h"
#include "gamebasetables.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace
{

constexpr int kGames = 30000;
struct Seconds {
    double wall = 0; // summed over runs, or the mean of one
    double cpu = 0;
};
Seconds exportTime, importTime;

double childCpuSeconds()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
    return 0;
#endif
}

// The set and its files, each in another letter case than the set names it.
struct BenchSet {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("GBC_v18.mdb"));
    QStringList tables;

    BenchSet()
    {
        const QList<JetTable> set = gameBaseTables({QStringLiteral("2.8"), 1, kGames});
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(JetWriter().write(set).bytes) < 0)
            return;
        const JetTable &games = set.last();
        const auto column = [&](const char *name) {
            for (qsizetype i = 0; i < games.columns.size(); ++i)
                if (games.columns[i].name == QLatin1String(name))
                    return i;
            return qsizetype(-1);
        };
        const struct {
            const char *column, *folder;
        } files[] = {
            {"Filename", "games"}, {"ScrnshotFilename", "screens"}, {"SidFilename", "music"}};
        for (const auto &f : files)
            for (const QVariantList &row : games.rows)
                touch(QLatin1String(f.folder), row.value(column(f.column)).toString());
        for (const JetTable &t : set)
            tables << t.name;
    }

    void touch(const QString &folder, const QString &path)
    {
        if (path.isEmpty())
            return;
        const QString name = dir.filePath(folder + u'/' + path.toLower().replace(u'\\', u'/'));
        QDir().mkpath(QFileInfo(name).path());
        QFile(name).open(QIODevice::WriteOnly);
    }
};

BenchSet &benchSet()
{
    static BenchSet set;
    return set;
}

bool runs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// One export of every table by the Jet library's own tool; false when it failed.
bool exportAllTables(Seconds &spent)
{
    static const QString program = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
    const BenchSet &set = benchSet();
    QElapsedTimer timer;
    timer.start();
    const double cpu = childCpuSeconds();
    for (const QString &table : set.tables)
        if (program.isEmpty() || !runs(program, {set.file, table}))
            return false;
    spent.wall += timer.nsecsElapsed() / 1e9;
    spent.cpu += childCpuSeconds() - cpu;
    return true;
}

void BM_MdbExportAllTables(benchmark::State &state)
{
    benchSet(); // written before the clock runs
    Seconds spent;
    for (auto _ : state)
        if (!exportAllTables(spent))
            return state.SkipWithError("mdb-export is not installed or failed");
}
BENCHMARK(BM_MdbExportAllTables)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

// Games in the catalogue: a quick but lossy import is no result.
qint64 gamesIn(const QString &path)
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return -1;
    const auto r = catalogue::fetchOne((*c)->db(), QStringLiteral("select count(*) from tabella1"));
    return r && r->has_value() ? (*r)->value(0).toLongLong() : -1;
}

void BM_ImportGameBase(benchmark::State &state)
{
    BenchSet &set = benchSet();
    const QString target = set.dir.filePath(QStringLiteral("catalogue.mdb"));
    const QStringList arguments{"--catalogue",       target,
                                "--import-gamebase", set.file,
                                "--games",           set.dir.filePath(QStringLiteral("games")),
                                "--music",           set.dir.filePath(QStringLiteral("music")),
                                "--screens",         set.dir.filePath(QStringLiteral("screens"))};
    Seconds exported, imported;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        if (!catalogue::createCatalogue(target))
            return state.SkipWithError("no empty catalogue");
        // The yardstick beside each import: load that comes and goes weighs on both alike.
        if (!exportAllTables(exported))
            return state.SkipWithError("mdb-export is not installed or failed");
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const double start = childCpuSeconds();
        if (!runs(QStringLiteral(MERROW), arguments))
            return state.SkipWithError("merrow --import-gamebase failed");
        imported.wall += timer.nsecsElapsed() / 1e9;
        imported.cpu += childCpuSeconds() - start;
    }
    if (gamesIn(target) != kGames)
        return state.SkipWithError("the catalogue lacks games");
    const double runs = double(state.iterations());
    exportTime = {exported.wall / runs, exported.cpu / runs};
    importTime = {imported.wall / runs, imported.cpu / runs};
    state.counters["vs_mdb_export"] = importTime.wall / exportTime.wall;
    if (exportTime.cpu > 0)
        state.counters["cpu_vs_mdb_export"] = importTime.cpu / exportTime.cpu;
}
BENCHMARK(BM_ImportGameBase)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    if (exportTime.wall > 0 && importTime.wall > 0)
        std::printf("%d games, %.1f MB: mdb-export %.2f s (processor %.2f s), import %.2f s "
                    "(processor %.2f s), ratio %.2f (processor %.2f)\n",
                    kGames, QFileInfo(benchSet().file).size() / 1e6, exportTime.wall,
                    exportTime.cpu, importTime.wall, importTime.cpu,
                    importTime.wall / exportTime.wall,
                    exportTime.cpu > 0 ? importTime.cpu / exportTime.cpu : 0.0);
    return 0;
}
