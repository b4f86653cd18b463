// Writing a community set's 30,000 new games into an empty catalogue, as the GameBase import
// hands them over: the game rows with their title index, the set's keys, where each game
// starts and the set's own play history. Only the store's writing is timed.
#include "benchmain.h"
#include "cataloguestore.h"
#include "database.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace
{

constexpr int kGames = 30000;

QString word(std::mt19937 &random)
{
    static const char *const words[] = {"Lost",   "Harbour", "Night", "Raid",   "Castle",
                                        "Zero",   "Galaxy",  "Pro",   "Soccer", "Quest",
                                        "Dragon", "Turbo",   "Moon",  "Patrol", "Island"};
    return QString::fromLatin1(words[random() % std::size(words)]);
}

// Games shaped like a mapped GameBase set: credits from small lists, paths in letter
// folders, a start for most games and a history for a few.
QList<SetGame> setGames()
{
    std::mt19937 random(64);
    QList<SetGame> games;
    games.reserve(kGames);
    for (int i = 0; i < kGames; ++i) {
        SetGame g;
        g.key = i + 1;
        Game &game = g.entry.game;
        game.title = word(random) + u' ' + word(random) + u' ' + QString::number(random() % 500);
        game.publisher = word(random) + QStringLiteral(" Soft");
        game.year = QString::number(1982 + random() % 12);
        game.genre = word(random) + QStringLiteral(" - ") + word(random);
        game.machine = QStringLiteral("C64");
        game.programming = word(random) + QStringLiteral(" Smith");
        game.music = word(random) + QStringLiteral(" Jones");
        game.note = i % 3 ? QString() : QStringLiteral("A note on the game, line of the memo");
        game.rating = i % 4 ? QString() : QString::number(1 + random() % 5);
        const QString file = game.title.toLower().replace(u' ', u'_');
        game.gameFile = QStringLiteral("/home/collector/gb64/games/%1/%2.zip").arg(file[0], file);
        game.musicFile = QStringLiteral("/home/collector/hvsc/C64Music/%1.sid").arg(file);
        game.screenshot1 = QStringLiteral("/home/collector/gb64/screens/%1.png").arg(file);
        game.origin = QStringLiteral("GameBase GBC v18 (2.8)");
        g.start = {i % 2 ? QString() : file.toUpper() + QStringLiteral(".D64"), int(i % 3)};
        if (i % 50 == 0)
            g.personal = {i % 100 == 0, 1714594500 + i, 1 + i % 7};
        games.append(std::move(g));
    }
    return games;
}

void BM_ImportSetGamesNew(benchmark::State &state)
{
    static const QList<SetGame> games = setGames();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        if (!catalogue::createCatalogue(path))
            return state.SkipWithError("no empty catalogue");
        const auto connection = catalogue::Connection::open(path);
        if (!connection)
            return state.SkipWithError("the catalogue does not open");
        CatalogueStore store((*connection)->db());
        state.ResumeTiming();
        const Result<SetImport> import =
            store.importSetGames(QStringLiteral("gamebase:bench"), games, Progress::none());
        if (!import || import->added != kGames)
            return state.SkipWithError("not every game was added");
    }
}
BENCHMARK(BM_ImportSetGamesNew)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    return 0;
}
