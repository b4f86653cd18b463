// The reading side of the GameBase import on a 30,000-game set the Jet writer makes: the Jet
// reader copying the set's tables into its SQLite output (a child process), and that output
// read back into the games with their lookups resolved.
#include "benchmain.h"
#include "database.h"
#include "gamebasereader.h"
#include "gamebasetables.h"
#include "legacyreader.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

constexpr int kGames = 30000;

struct ReadSet {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("GBC_v18.mdb"));
    QString output = dir.filePath(QStringLiteral("read.sqlite"));
    bool written = !writeGameBase(file, {QStringLiteral("2.8"), 1, kGames}).bytes.isEmpty();

    bool read()
    {
        QFile::remove(output);
        return legacy::readJetTables(file, GameBaseReader::tableList(), output).ok();
    }
};

ReadSet &readSet()
{
    static ReadSet set;
    return set;
}

void BM_JetReaderTables(benchmark::State &state)
{
    ReadSet &set = readSet();
    for (auto _ : state)
        if (!set.written || !set.read())
            return state.SkipWithError("the Jet reader failed");
}
BENCHMARK(BM_JetReaderTables)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ReadGameBaseTables(benchmark::State &state)
{
    ReadSet &set = readSet();
    if (!set.written || !set.read())
        return state.SkipWithError("the Jet reader failed");
    const auto connection =
        catalogue::Connection::open(set.output, catalogue::Connection::Mode::Foreign);
    if (!connection)
        return state.SkipWithError("the reader's output does not open");
    for (auto _ : state) {
        const Result<GameBaseSet> games = GameBaseReader::readTables((*connection)->db(), set.file);
        if (!games || games->games.size() != kGames)
            return state.SkipWithError("the games are not all read");
    }
}
BENCHMARK(BM_ReadGameBaseTables)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    return 0;
}
