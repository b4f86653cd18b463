// Playback's cost: 60 s of a SID and of a module rendered as the player renders them. The
// counter "realtime" is the multiple of real time one core reaches (the player needs 20x
// to stay under 5% of a core).
#include "musicfiles.h"
#include "tuneloader.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <vector>

namespace
{

void renderMinute(benchmark::State &state, const QByteArray &file)
{
    auto tune = music::loadTune(file, {}, {});
    if (!tune) {
        state.SkipWithError(tune.error().toStdString().c_str());
        return;
    }
    constexpr int kSeconds = 60;
    constexpr int kChunk = 1024; // frames, as the player's renderer asks
    std::vector<qint16> buffer(size_t(kChunk) * Tune::kChannels);
    for (auto _ : state) {
        (void)(*tune)->selectSubtune(1);
        for (qint64 left = qint64(kSeconds) * Tune::kSampleRate; left > 0;) {
            const int made = (*tune)->render(buffer.data(), kChunk);
            left -= made;
            if (made < kChunk) // the module's end: from the top again
                (void)(*tune)->selectSubtune(1);
        }
    }
    state.counters["realtime"] =
        benchmark::Counter(double(kSeconds), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RenderSidMinute(benchmark::State &state)
{
    renderMinute(state, sampledata::makePsid("Bench", "Vantrel", "2026", 7));
}
BENCHMARK(BM_RenderSidMinute)->Unit(benchmark::kMillisecond);

void BM_RenderModuleMinute(benchmark::State &state)
{
    renderMinute(state, sampledata::makeMod("Bench", 7));
}
BENCHMARK(BM_RenderModuleMinute)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
