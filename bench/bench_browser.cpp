// The browser on a generated 50,000-game catalogue: opening the main window (list filled,
// first game shown), a one-word Find, a filter box click and the resident memory, beside a
// plain sqlite3 scan of the same list as the floor; and `--list --find` against the sqlite3
// shell's own LIKE scan of the same columns.
#include "appcontext.h"
#include "benchcatalogue.h"
#include "benchwindow.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "gamelistmodel.h"
#include "gamelistsql.h"
#include "headlesslist.h"
#include "launcher.h"
#include "mainwindow.h"
#include "windowregistry.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <memory>

namespace
{

constexpr int kGames = 50000;

Bench *bench = nullptr;

// The floor: the same list query straight through sqlite3, no Qt, no dialect.
void BM_PlainSqliteScan(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(bench->catalogue.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = (gamelistsql::listQuery({}, false).sql + QStringLiteral(" order by ") +
                            CatalogueStore::column(Game::Field::Title))
                               .toUtf8();
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int(stmt, 0));
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 1));
            ++rows;
        }
        sqlite3_finalize(stmt);
        state.counters["rows"] = rows;
    }
    sqlite3_close(db);
}
BENCHMARK(BM_PlainSqliteScan)->Unit(benchmark::kMillisecond);

double baselineMegabytes = 0;

void BM_MainWindowLoad(benchmark::State &state)
{
    double after = 0;
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(*bench->ctx);
        benchmark::DoNotOptimize(window->gameId());
        state.PauseTiming();
        after = residentMegabytes();
        state.counters["rows"] = window->listCount();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = after;
    state.counters["rss_start_MB"] = baselineMegabytes;
}
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMillisecond);

// The same, up to the window on screen with its first paint done.
void BM_MainWindowLoadShown(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(*bench->ctx);
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
        state.PauseTiming();
        state.counters["rss_MB"] = residentMegabytes();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowLoadShown)->Unit(benchmark::kMillisecond);

void BM_FindOneWord(benchmark::State &state)
{
    MainWindow window(*bench->ctx);
    auto *allButton = window.findChild<QPushButton *>(QStringLiteral("allButton"));
    for (auto _ : state) {
        window.searchFor(QStringLiteral("dragon"));
        state.PauseTiming();
        state.counters["rows"] = window.listCount();
        allButton->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FindOneWord)->Unit(benchmark::kMillisecond);

// Find's yardstick: what the sqlite3 shell does for a plain LIKE over the searched columns
// (ASCII-only folding, no wildcards of ours): open the file, scan, print "id|title" lines.
// Both count processor time, and Find runs the yardstick beside each of its own runs, so
// that other work on the machine, which comes and goes, cannot tilt the ratio.
const char kFindWord[] = "dragon";

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// The rows the shell's scan prints.
qsizetype shellLikeScan()
{
    static const QByteArray sql = [] {
        QByteArray text =
            gamelistsql::listQuery({{true, true, false, false, true}, {}}, false).sql.toUtf8();
        text += " where ";
        for (const QString &column : gamelistsql::searchColumns())
            text += column.toUtf8() + " like '%" + kFindWord + "%' or ";
        text.chop(4);
        return text;
    }();
    const QByteArray path = bench->catalogue.toUtf8();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    QByteArray out;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out += QByteArray::number(sqlite3_column_int(stmt, 0)) + '|' +
               reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1)) + '\n';
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out.count('\n');
}

void BM_ShellLikeScan(benchmark::State &state)
{
    for (auto _ : state)
        state.counters["rows"] = shellLikeScan();
}
BENCHMARK(BM_ShellLikeScan)->Unit(benchmark::kMillisecond);

// `vantrel --list --find WORD` without the process start: open, search, sort, print.
void BM_ListFind(benchmark::State &state)
{
    browser::ListingRequest request;
    request.find = QString::fromLatin1(kFindWord);
    double findCpu = 0, shellCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double shellStart = cpuSeconds();
        shellLikeScan();
        shellCpu += cpuSeconds() - shellStart;
        state.ResumeTiming();
        const double findStart = cpuSeconds();
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        if (browser::listGames(bench->catalogue, request, out, err) != 0)
            return state.SkipWithError("the search found nothing");
        findCpu += cpuSeconds() - findStart;
        state.counters["rows"] = out.data().count('\n');
    }
    if (shellCpu > 0)
        state.counters["vs_shell"] = findCpu / shellCpu;
}
BENCHMARK(BM_ListFind)->Unit(benchmark::kMillisecond);

void BM_FilterBoxClick(benchmark::State &state)
{
    MainWindow window(*bench->ctx);
    auto *playable = window.findChild<QCheckBox *>(QStringLiteral("playableBox"));
    for (auto _ : state) {
        playable->click(); // alternately ticks and unticks "Playable"
        state.counters["rows"] = window.listCount();
    }
}
BENCHMARK(BM_FilterBoxClick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench b;
    b.catalogue = b.dir.filePath(QStringLiteral("commodore.mdb"));
    QString error;
    if (!writeBenchCatalogue(b.catalogue, kGames, 1, &error)) {
        std::fprintf(stderr, "cannot write the catalogue: %s\n", qPrintable(error));
        return 1;
    }
    Paths paths;
    paths.programDir = b.dir.path();
    paths.catalogue = b.catalogue;
    paths.stateFile = b.dir.filePath(QStringLiteral("Vantrel.ini"));
    paths.tempDir = b.dir.path();
    b.ctx = std::make_unique<AppContext>(paths, b.dialogs, b.launcher, b.windows);
    bench = &b;
    baselineMegabytes = residentMegabytes();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    b.ctx.reset();
    return 0;
}
