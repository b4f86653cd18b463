// The core engines on hostile and large inputs. The search dialect: compiling a long
// pattern, finding a word in a very long title and the worst patterns known must all stay
// linear in the title. The relink: 100,000 lost paths against a tree of 100,000 files.
#include "benchmain.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialect.h"
#include "prefixmapping.h"
#include "relinker.h"

#include <QDir>
#include <QFile>
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

// A moved collection: 100,000 files in 100 folders, and a catalogue whose games name them
// as the Windows program stored them (another drive, other letter case).
class MovedCollection
{
public:
    static constexpr int kFiles = 100000;

    MovedCollection()
    {
        for (int i = 0; i < kFiles; ++i) {
            const QString folder = m_dir.filePath(QStringLiteral("tree/Folder%1").arg(i % 100));
            if (i < 100)
                QDir().mkpath(folder);
            QFile(folder + QStringLiteral("/Game%1.d64").arg(i)).open(QIODevice::WriteOnly);
        }
        m_template = m_dir.filePath(QStringLiteral("template.mdb"));
        if (const Outcome made = catalogue::createCatalogue(m_template); !made) {
            m_error = made.error();
            return;
        }
        auto connection = catalogue::Connection::open(m_template);
        if (!connection) {
            m_error = connection.error();
            return;
        }
        QList<GameEntry> games;
        for (int i = 0; i < kFiles; ++i) {
            GameEntry entry;
            entry.game.title = QStringLiteral("Game %1").arg(i);
            entry.game.gameFile =
                QStringLiteral("C:\\GIOCHI\\folder%1\\GAME%2.D64").arg(i % 100).arg(i);
            games << entry;
        }
        CatalogueStore store((*connection)->db());
        if (const auto added = store.addGames(games, Progress::none()); !added)
            m_error = added.error();
    }
    QString error() const { return m_error; }
    QString tree() const { return m_dir.filePath(QStringLiteral("tree")); }
    // A fresh copy of the catalogue, opened.
    std::unique_ptr<catalogue::Connection> copy()
    {
        const QString path = m_dir.filePath(QStringLiteral("run%1.mdb").arg(++m_runs));
        QFile::copy(m_template, path);
        auto connection = catalogue::Connection::open(path);
        if (!connection) {
            m_error = connection.error();
            return nullptr;
        }
        return std::move(connection).value();
    }

private:
    QTemporaryDir m_dir;
    QString m_template;
    QString m_error;
    int m_runs = 0;
};

// Arg 0: the old beginning mapped to the new folder; 1: every file searched by name.
void BM_Relink(benchmark::State &state)
{
    static MovedCollection collection;
    if (!collection.error().isEmpty())
        return state.SkipWithError(qPrintable(collection.error()));
    for (auto _ : state) {
        state.PauseTiming();
        const auto connection = collection.copy();
        CatalogueStore store(connection->db());
        Relinker relinker(store);
        state.ResumeTiming();
        RelinkPlan plan;
        if (state.range(0) == 0)
            plan.mappings << PrefixMapping(QStringLiteral("c:\\giochi"), collection.tree());
        else
            plan.searchFolder = collection.tree();
        const auto report = relinker.relink(plan, false, Progress::none());
        if (!report || report->relinked != MovedCollection::kFiles)
            return state.SkipWithError("not every path was relinked");
    }
}
BENCHMARK(BM_Relink)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    return 0;
}
