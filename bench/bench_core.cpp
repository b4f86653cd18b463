// The search dialect on hostile and large inputs: compiling a long pattern, finding a word
// in a very long title and the worst patterns known must all stay linear in the title.
#include "database.h"
#include "dialect.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

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

// A catalogue holding one game whose title is the given text.
class OneTitle
{
public:
    explicit OneTitle(const QString &title)
    {
        const QString path = m_dir.filePath(QStringLiteral("big.mdb"));
        m_error = catalogue::createCatalogue(path).error();
        if (!m_error.isEmpty())
            return;
        auto opened = catalogue::Connection::open(path);
        if (!opened) {
            m_error = opened.error();
            return;
        }
        m_connection = std::move(opened).value();
        m_error =
            catalogue::run(m_connection->db(),
                           QStringLiteral("insert into tabella1 (titolo) values (?)"), {title})
                .error();
    }
    QString error() const { return m_error; }
    // Whether the title matches, through SQL as the list runs it.
    bool matches(const QString &pattern) const
    {
        const auto r = catalogue::fetchOne(
            m_connection->db(), QStringLiteral("select count(*) from tabella1 where titolo like ?"),
            {pattern});
        return r && r->has_value() && (*r)->value(0).toInt() == 1;
    }

private:
    QTemporaryDir m_dir;
    QString m_error;
    std::unique_ptr<catalogue::Connection> m_connection;
};

// One word against a 10 MB title.
void BM_WordInTenMegabyteTitle(benchmark::State &state)
{
    const OneTitle title(QString(10 * 1000 * 1000, QLatin1Char('a')) + QStringLiteral("end"));
    if (!title.error().isEmpty())
        return state.SkipWithError(qPrintable(title.error()));
    const QString pattern =
        state.range(0) ? QStringLiteral("*aaaaaaaaab*") : QStringLiteral("*end*");
    for (auto _ : state)
        benchmark::DoNotOptimize(title.matches(pattern));
}
BENCHMARK(BM_WordInTenMegabyteTitle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The searches that once ran for minutes, as --find binds them, against a title of
// 999,999 letters where every place starts a partial match: "a?" 20,000 times then "b",
// and "[a]" 10,000 times then "c". Each must take well under a second.
void BM_PathologicalSearch(benchmark::State &state)
{
    const OneTitle title(QString(999999, QLatin1Char('a')));
    if (!title.error().isEmpty())
        return state.SkipWithError(qPrintable(title.error()));
    const QString word = state.range(0) == 0 ? QStringLiteral("a?").repeated(20000) + u'b'
                                             : QStringLiteral("[a]").repeated(10000) + u'c';
    const QString pattern = u'*' + word + u'*';
    for (auto _ : state)
        if (title.matches(pattern))
            return state.SkipWithError("the search found what is not there");
}
BENCHMARK(BM_PathologicalSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
