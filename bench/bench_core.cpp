// The search dialect on hostile and large inputs: compiling a long pattern and finding a
// word in a very long title must both stay linear.
#include "database.h"
#include "dialect.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

// 100,000 unbalanced "[": each one used to look for its "]" to the end of the pattern.
void BM_CompileUnbalancedBrackets(benchmark::State &state)
{
    const QString pattern(100000, QLatin1Char('['));
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::legacyLike(pattern, u"Boulder Dash"));
}
BENCHMARK(BM_CompileUnbalancedBrackets)->Unit(benchmark::kMillisecond);

// One word against a 10 MB title in the catalogue, through SQL as the list runs it.
void BM_WordInTenMegabyteTitle(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.mdb"));
    QString why = catalogue::createCatalogue(path);
    auto c = why.isEmpty() ? catalogue::Connection::open(path, &why) : nullptr;
    if (!c)
        return state.SkipWithError(qPrintable(why));
    const QString title = QString(10 * 1000 * 1000, QLatin1Char('a')) + QStringLiteral("end");
    catalogue::run(c->db(), QStringLiteral("insert into tabella1 (titolo) values (?)"), {title});
    const QString pattern =
        state.range(0) ? QStringLiteral("*aaaaaaaaab*") : QStringLiteral("*end*");
    for (auto _ : state) {
        const auto r = catalogue::fetchOne(
            c->db(), QStringLiteral("select count(*) from tabella1 where titolo like ?"),
            {pattern});
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_WordInTenMegabyteTitle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
