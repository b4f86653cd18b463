// Converting a large legacy Jet catalogue against the Jet library's own export of the games
// table (mdb-export), side by side on the same file: the conversion runs the reader program,
// checks its output and writes the catalogue, and should take at most four times as long.
#include "benchmain.h"
#include "database.h"
#include "legacyconversion.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace
{

const QString jetFile = QStringLiteral(VANTREL_LEGACY_BENCH_FILE);
double exportSeconds = 0; // mean wall time of one run
double convertSeconds = 0;

void BM_MdbExport(benchmark::State &state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
    if (program.isEmpty())
        return state.SkipWithError("mdb-export is not installed");
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, {jetFile, QStringLiteral("tabella1")});
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return state.SkipWithError("mdb-export failed");
    }
    exportSeconds = timer.nsecsElapsed() / 1e9 / double(state.iterations());
}
BENCHMARK(BM_MdbExport)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

// Games and distinct ids in the converted catalogue: a quick but lossy conversion is no result.
bool holdsEveryGame(const QString &path)
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return false;
    const auto r = catalogue::fetchOne(
        (*c)->db(), QStringLiteral("select count(*), count(distinct id) from tabella1"));
    return r && r->has_value() && (*r)->value(0).toInt() == VANTREL_LEGACY_BENCH_GAMES &&
           (*r)->value(1).toInt() == VANTREL_LEGACY_BENCH_GAMES;
}

void BM_ConvertCatalogue(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("converted.mdb"));
    qint64 nanoseconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const Outcome converted = legacy::convertCatalogue(jetFile, target, dir.path());
        nanoseconds += timer.nsecsElapsed();
        if (!converted)
            return state.SkipWithError(qPrintable(converted.error()));
    }
    if (!holdsEveryGame(target))
        return state.SkipWithError("the converted catalogue lacks games");
    convertSeconds = nanoseconds / 1e9 / double(state.iterations());
    if (exportSeconds > 0)
        state.counters["vs_mdb_export"] = convertSeconds / exportSeconds;
}
BENCHMARK(BM_ConvertCatalogue)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    if (exportSeconds > 0 && convertSeconds > 0)
        std::printf("%d games, %.1f MB: mdb-export %.2f s, conversion %.2f s, ratio %.2f\n",
                    VANTREL_LEGACY_BENCH_GAMES, QFileInfo(jetFile).size() / 1e6, exportSeconds,
                    convertSeconds, convertSeconds / exportSeconds);
    return 0;
}
