// The library list at 500,000 games: the window's load up to the list on screen, a sort by
// a header click, each keystroke of a five-letter search (the debounce pause left out) and
// the resident memory after the load. The catalogue is generated once per run.
#include "appcontext.h"
#include "benchcatalogue.h"
#include "benchwindow.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "launcher.h"
#include "mainwindow.h"
#include "windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <memory>

namespace
{

constexpr int kGames = 500000;
const char kWord[] = "drago";

Bench *bench = nullptr;

std::unique_ptr<MainWindow> shownWindow()
{
    auto window = std::make_unique<MainWindow>(*bench->ctx);
    window->resize(1280, 800);
    window->show();
    QCoreApplication::processEvents();
    window->repaint();
    return window;
}

void press(QLineEdit *find, int key, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(find, &event);
}

// Types one letter and lets the list follow at once: the pause is set to nothing.
void type(MainWindow &window, QTimer *pause, QLineEdit *find, char letter)
{
    press(find, Qt::Key_A + (letter - 'a'), QString(QLatin1Char(letter)));
    while (pause->isActive())
        QCoreApplication::processEvents();
    window.repaint();
}

void BM_Load500k(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = shownWindow();
        state.PauseTiming();
        state.counters["rows"] = window->listCount();
        // Memory once the columns and the index are in: a sort waits for them.
        window->findChild<QTreeView *>(QStringLiteral("gameList"))
            ->sortByColumn(3, Qt::AscendingOrder);
        state.counters["rss_MB"] = residentMegabytes();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Load500k)->Unit(benchmark::kMillisecond)->Iterations(3);

// What each part of the list costs, as resident memory once the allocator has given back
// what it holds free: the titles, every column, the search index, then the whole window.
void BM_MemoryParts500k(benchmark::State &state)
{
    for (auto _ : state) {
        const CatalogueStore store(bench->ctx->db());
        const GameFilter everything{true, true, false, false, true};
        const auto settled = [] {
#if defined(__GLIBC__)
            malloc_trim(0);
#endif
            return residentMegabytes();
        };
        const double start = settled();
        auto titles = store.gameTitles({everything, {}});
        const double afterTitles = settled();
        auto rows = store.games({everything, {}});
        const double afterRows = settled();
        auto index = store.searchIndex(everything);
        const double afterIndex = settled();
        state.counters["titles_MB"] = afterTitles - start;
        state.counters["columns_MB"] = afterRows - afterTitles;
        state.counters["index_MB"] = afterIndex - afterRows;
        titles = rows = QList<GameSummary>();
        index = SearchIndex();
        const double before = settled();
        auto window = shownWindow();
        window->findChild<QTreeView *>(QStringLiteral("gameList"))
            ->sortByColumn(3, Qt::AscendingOrder);
        state.counters["window_MB"] = settled() - before;
        state.counters["rss_MB"] = residentMegabytes();
    }
}
BENCHMARK(BM_MemoryParts500k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SortClick500k(benchmark::State &state)
{
    auto window = shownWindow();
    auto *view = window->findChild<QTreeView *>(QStringLiteral("gameList"));
    const int columns[] = {3, 4, 2, 0};        // year, publisher, machine, title
    view->sortByColumn(0, Qt::AscendingOrder); // waits for the columns once
    view->sortByColumn(3, Qt::DescendingOrder);
    int click = 0;
    for (auto _ : state) {
        // As a header click does: the same column again reverses.
        const int column = columns[click++ % 4];
        QHeaderView *header = view->header();
        const bool again = header->sortIndicatorSection() == column;
        header->setSortIndicator(column, again && header->sortIndicatorOrder() == Qt::AscendingOrder
                                             ? Qt::DescendingOrder
                                             : Qt::AscendingOrder);
        window->repaint();
    }
}
BENCHMARK(BM_SortClick500k)->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_Keystroke500k(benchmark::State &state)
{
    auto window = shownWindow();
    auto *find = window->findChild<QLineEdit *>(QStringLiteral("findEdit"));
    auto *pause = find->parentWidget()->findChild<QTimer *>();
    auto *count = window->findChild<QLabel *>(QStringLiteral("countLabel"));
    pause->setInterval(0);
    type(*window, pause, find, 'x'); // waits for the index once
    press(find, Qt::Key_Escape);
    double slowest = 0;
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            type(*window, pause, find, kWord[i]);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            slowest = std::max(slowest, ms);
            state.counters[QStringLiteral("key%1_ms").arg(i + 1).toStdString()] = ms;
        }
        state.PauseTiming();
        state.counters["rows"] = count->text().toDouble();
        press(find, Qt::Key_Escape);
        state.ResumeTiming();
    }
    state.counters["slowest_key_ms"] = slowest;
}
BENCHMARK(BM_Keystroke500k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench b;
    // VANTREL_BENCH_500K names a file to keep the catalogue in between runs.
    const QString kept = qEnvironmentVariable("VANTREL_BENCH_500K");
    const QString catalogue =
        kept.isEmpty() ? b.dir.filePath(QStringLiteral("commodore.mdb")) : kept;
    QString error;
    QElapsedTimer made;
    made.start();
    if (!QFile::exists(catalogue) && !writeBenchCatalogue(catalogue, kGames, 1, &error)) {
        std::fprintf(stderr, "cannot write the catalogue: %s\n", qPrintable(error));
        return 1;
    }
    std::fprintf(stderr, "%d games written in %lld ms\n", kGames,
                 static_cast<long long>(made.elapsed()));
    Paths paths;
    paths.programDir = b.dir.path();
    paths.catalogue = catalogue;
    paths.stateFile = b.dir.filePath(QStringLiteral("Vantrel.ini"));
    paths.tempDir = b.dir.path();
    b.ctx = std::make_unique<AppContext>(paths, b.dialogs, b.launcher, b.windows);
    bench = &b;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    b.ctx.reset();
    return 0;
}
