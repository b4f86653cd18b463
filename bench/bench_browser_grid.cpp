// The screenshot grid on a generated 500,000-game catalogue: from the toggle to every tile
// in sight painted with its thumbnail, in a 1920x1080 window, with the thumbnail cache
// emptied before each run (cold) and filled by the run before (warm). Every game's first
// screenshot is one of a few hundred generated PNGs, so the tiles in sight differ.
#include "appcontext.h"
#include "benchcatalogue.h"
#include "benchwindow.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "gamegridview.h"
#include "launcher.h"
#include "mainwindow.h"
#include "screenshots.h"
#include "thumbnailcache.h"
#include "windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace
{

constexpr int kGames = 500000;
constexpr int kPictures = 400;

Bench *bench = nullptr;

// Points every game's first screenshot at one of the generated pictures.
bool writePictures(const QString &catalogue, const QString &folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < kPictures; ++i)
        if (!sampledata::makeC64Screenshot(QString::number(i), 1, quint32(i))
                 .save(folder + QStringLiteral("/%1.png").arg(i)))
            return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grid"));
    db.setDatabaseName(catalogue);
    if (!db.open())
        return false;
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("update %1 set %2 = ? || (id % %3) || '.png'")
            .arg(CatalogueStore::gameTable(), CatalogueStore::column(Game::Field::Screenshot1))
            .arg(kPictures));
    q.addBindValue(QString(folder + QLatin1Char('/')));
    const bool done = q.exec();
    q.finish();
    db.close();
    return done;
}

// Shows the grid in a new window and waits for every tile in sight to be drawn whole.
void showGrid(benchmark::State &state, bool cold)
{
    int tiles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (cold)
            QDir(browser::ThumbnailCache::defaultFolder()).removeRecursively();
        auto window = std::make_unique<MainWindow>(*bench->ctx);
        window->resize(1920, 1080);
        window->show();
        QCoreApplication::processEvents();
        auto *grid = window->findChild<browser::GameGridView *>(QStringLiteral("gameGrid"));
        auto *toggle = window->findChild<QAction *>(QStringLiteral("gridAction"));
        state.ResumeTiming();
        toggle->trigger();
        grid->viewport()->repaint();
        while (grid->isLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        grid->viewport()->repaint();
        state.PauseTiming();
        tiles = int(QDir(browser::ThumbnailCache::defaultFolder()).entryList(QDir::Files).size());
        toggle->trigger(); // the next window starts on the list again
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = kGames;
    state.counters["tiles"] = tiles;
}

void BM_GridColdCache(benchmark::State &state)
{
    showGrid(state, true);
}
BENCHMARK(BM_GridColdCache)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_GridWarmCache(benchmark::State &state)
{
    showGrid(state, false);
}
BENCHMARK(BM_GridWarmCache)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    Bench b;
    // A full-HD screen, so that the window is not shrunk to the offscreen default.
    const QString screen = b.dir.filePath(QStringLiteral("screen.json"));
    if (QFile file(screen); file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1920, "height": 1080,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.toUtf8());
    // The thumbnails go to the benchmark's own folder, never the user's cache.
    qputenv("XDG_CACHE_HOME", b.dir.filePath(QStringLiteral("cache")).toUtf8());
    QApplication app(argc, argv);
    Paths paths;
    paths.programDir = b.dir.path();
    paths.catalogue = b.dir.filePath(QStringLiteral("commodore.mdb"));
    paths.stateFile = b.dir.filePath(QStringLiteral("Vantrel.ini"));
    paths.tempDir = b.dir.path();
    QString error;
    if (!writeBenchCatalogue(paths.catalogue, kGames, 1, &error) ||
        !writePictures(paths.catalogue, b.dir.filePath(QStringLiteral("shots")))) {
        std::fprintf(stderr, "cannot write the catalogue: %s\n", qPrintable(error));
        return 1;
    }
    b.ctx = std::make_unique<AppContext>(paths, b.dialogs, b.launcher, b.windows);
    bench = &b;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    b.ctx.reset();
    return 0;
}
