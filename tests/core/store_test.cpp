#include "backgroundjob.h"
#include "boundrow.h"
#include "cancelat.h"
#include "cataloguestore.h"
#include "database.h"
#include "statementcache.h"
#include "testcatalogue.h"

#include <QSignalSpy>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <atomic>
#include <numeric>

namespace
{

Game sampleGame()
{
    Game g;
    int n = 0;
    for (const Game::Field f : Game::fields())
        g.value(f) = QStringLiteral("value %1").arg(++n);
    g.machine = QStringLiteral("C64");
    return g;
}

QList<GameId> ids(const QList<GameSummary> &rows)
{
    QList<GameId> list;
    for (const GameSummary &r : rows)
        list << r.id;
    return list;
}

} // namespace

TEST(CatalogueStore, AGameReadsBackFieldForFieldWithNullKept)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    Game game = sampleGame();
    game.note = QString();           // Null
    game.rating = QLatin1String(""); // the empty text
    const auto id = store.addGame(game);
    ASSERT_TRUE(id.ok()) << id.error().toStdString();
    const auto back = store.game(*id);
    ASSERT_TRUE(back.ok());
    game.id = *id;
    for (const Game::Field f : Game::fields())
        EXPECT_EQ(back->value(f), game.value(f)) << int(f);
    EXPECT_EQ(store.findGame(*id).value(), std::optional(game));
    EXPECT_TRUE(cat.value(int(*id), QStringLiteral("note")).isNull());
    EXPECT_FALSE(cat.value(int(*id), QStringLiteral("voto")).isNull());
    // The columns are the schema's, in its order: a field mapped to the wrong column shows.
    EXPECT_EQ(cat.value(int(*id), QStringLiteral("sh")).toString(), game.publisher);
    EXPECT_EQ(cat.value(int(*id), QStringLiteral("df3")).toString(), game.drive4);
    EXPECT_EQ(cat.value(int(*id), QStringLiteral("dbver")).toString(), game.origin);
}

TEST(CatalogueStore, AnUpdateWritesOnlyTheChangedFields)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const GameId id = cat.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}});
    const Game loaded = store.game(id).value();
    // Another program changes the publisher after the window read the game.
    cat.addGame({});
    QSqlQuery(cat.db()).exec(QStringLiteral("update tabella1 set sh='Torus' where id=1"));
    Game edited = loaded;
    edited.year = QStringLiteral("1985");
    ASSERT_TRUE(store.updateGame(loaded, edited).ok());
    EXPECT_EQ(cat.value(int(id), QStringLiteral("year")).toString(), QStringLiteral("1985"));
    EXPECT_EQ(cat.value(int(id), QStringLiteral("sh")).toString(), QStringLiteral("Torus"));
    EXPECT_EQ(loaded.differences(edited), QList<Game::Field>{Game::Field::Year});
}

// Another program changed the note between the editor's read and its save.
TEST(CatalogueStore, AGuardedUpdateIsHeldBackOnlyByAChangeItWouldUndo)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    using F = Game::Field;
    const QString null;
    const struct {
        const char *what;
        QString loaded, stored, edited;
        bool shown, heldBack;
        QString after;
    } cases[] = {
        {"changed here only", "A", "A", "B", true, false, "B"},
        {"changed elsewhere", "A", "C", "A", true, true, "C"},
        {"changed on both sides", "A", "C", "B", true, true, "C"},
        {"the same change", "A", "C", "C", true, false, "C"},
        {"letter case", "elite", "Elite", "elite", true, true, "Elite"},
        {"Null and empty are one", null, "", null, true, false, ""},
        {"emptied elsewhere", "x", null, "x", true, true, ""},
        {"not shown, not overwritten", "A", "C", "A", false, false, "C"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Game game = sampleGame();
        game.note = c.stored;
        game.id = store.addGame(game).value();
        Game loaded = game;
        loaded.note = c.loaded;
        Game edited = loaded;
        edited.note = c.edited;
        edited.origin = Game::privateOrigin();
        const QList<F> shown = c.shown ? QList<F>{F::Title, F::Note} : QList<F>{F::Title};
        const auto update = store.updateGameUnlessChanged(loaded, edited, shown);
        ASSERT_TRUE(update.ok()) << update.error().toStdString();
        EXPECT_EQ(update->written(), !c.heldBack);
        EXPECT_EQ(cat.value(int(game.id), QStringLiteral("note")).toString(), c.after);
        EXPECT_EQ(cat.value(int(game.id), QStringLiteral("dbver")).toString(),
                  c.heldBack ? game.origin : Game::privateOrigin());
        EXPECT_EQ(update->stored, c.heldBack ? game : Game());
    }

    Game game = sampleGame();
    game.id = store.addGame(game).value();
    Game elsewhere = game;
    elsewhere.title = elsewhere.publisher = elsewhere.drive2 = QStringLiteral("theirs");
    ASSERT_TRUE(store.updateGame(game, elsewhere).ok());
    const auto update =
        store.updateGameUnlessChanged(game, game, {F::SecondDrive, F::Note, F::Title});
    ASSERT_TRUE(update.ok());
    EXPECT_EQ(update->changedElsewhere, (QList<F>{F::Title, F::SecondDrive})) << "in field order";
}

TEST(CatalogueStore, AGoneGameIsSaidSoByEveryCall)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    Game ghost = sampleGame();
    ghost.id = 42;
    const QString gone = CatalogueStore::gameGoneText();
    EXPECT_EQ(store.game(42).error(), gone);
    EXPECT_EQ(store.title(42).error(), gone);
    EXPECT_EQ(store.updateFields(ghost, {Game::Field::Year}).error(), gone);
    EXPECT_EQ(store.updateFields(ghost, {}).error(), gone);
    EXPECT_EQ(store.updateGameUnlessChanged(ghost, ghost, {Game::Field::Year}).error(), gone);
    EXPECT_EQ(store.deleteGame(42).error(), gone);
    // To findGame a gone game is no failure; an unreadable catalogue is.
    const auto found = store.findGame(42);
    ASSERT_TRUE(found.ok()) << found.error().toStdString();
    EXPECT_FALSE(found->has_value());
    EXPECT_FALSE(CatalogueStore(QSqlDatabase()).findGame(42).ok());
}

TEST(SearchIndex, FindsLettersWhereverTheyFallInALongColumn)
{
    // The scan looks at sixteen places at once: a match may start or end in any of them.
    SearchIndex index;
    std::vector<quint32> all(40);
    for (quint32 at = 0; at < 40; ++at) {
        all[at] = at;
        index.add(at + 1, {QString(at, u'x') + "Drago" + QString(40 - at, u'x'), "dr"});
    }
    index.add(99, {QString(30, u'x') + "drag", "o"}); // never across two columns
    EXPECT_EQ(index.find("drago"), all);
    EXPECT_EQ(index.find("dr").size(), 41u);
}

TEST(CatalogueStore, ListsFilterSearchAndSortByFoldedTitle)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const GameId zak = cat.addGame({{"titolo", "zak"}, {"formato", "C64"}, {"emul1", "/z.d64"}});
    const GameId eric = cat.addGame({{"titolo", "Éric"}, {"formato", "Amiga 1.3"}});
    const GameId apb = cat.addGame({{"titolo", "APB"}, {"formato", "c128"}, {"song", ""}});
    const GameId odd =
        cat.addGame({{"titolo", "Odd"}, {"formato", "Spectrum"}, {"screen1", "/o.png"}});
    const GameId none = cat.addGame({{"formato", "C64"}, {"programming", "Eric Cœur"}});
    const GameId mod = cat.addGame({{"titolo", "Rock'n [1] \"Hi\""},
                                    {"formato", "Amiga 2.x"},
                                    {"emul1", ""},
                                    {"song", "r.mod"},
                                    {"year", "1990"},
                                    {"note", "eric"}});
    const GameId lig = cat.addGame({{"titolo", "Straße ﬁnal"}, {"formato", "C64"}, {"sh", ""}});
    const GameId bare = cat.addGame({{"titolo", ""}, {"note", "x"}}); // empty, not Null
    struct Case {
        const char *what;
        GameQuery query;
        QList<GameId> expected;
    } cases[] = {
        {"both machines", {}, {none, apb, mod, lig, zak, eric}},
        {"any code",
         {{true, true, false, false, true}, {}},
         {none, bare, apb, odd, mod, lig, zak, eric}},
        {"C64 only, case-blind", {{true, false}, {}}, {none, apb, lig, zak}},
        {"Amiga only", {{false, true}, {}}, {mod, eric}},
        {"playable: empty text is no file", {{true, true, true}, {}}, {zak}},
        {"sound: empty text is no file", {{true, true, false, true}, {}}, {mod}},
        {"search is accent-blind, skips the note", {{}, QStringLiteral("eric")}, {none, eric}},
        {"search with a wildcard", {{}, QStringLiteral("z?k")}, {zak}},
        {"two searches", {{}, QStringLiteral("eric+C64")}, {none}},
        {"an empty first part", {{}, QStringLiteral("+1990")}, {mod}},
        {"a trailing + is text", {{}, QStringLiteral("APB+")}, {}},
        {"three parts: the rest is one text", {{}, QStringLiteral("rock+n+hi")}, {}},
        {"quotes are text", {{}, QStringLiteral("\"hi\"")}, {mod}},
        {"an unbalanced bracket is literal", {{}, QStringLiteral("[1")}, {mod}},
        {"a set", {{}, QStringLiteral("[lr]o")}, {mod}},
        {"bound, never SQL", {{}, QStringLiteral("'; drop table tabella1; --")}, {}},
        {"ligatures spelt out", {{}, QStringLiteral("STRASSE FI")}, {lig}},
        {"a ligature in a set", {{}, QStringLiteral("stra[ß]e")}, {lig}},
        {"a star: any column set, also empty",
         {{true, true, false, false, true}, "*"},
         {none, bare, apb, odd, mod, lig, zak, eric}},
        {"? never spans two columns", {{}, QStringLiteral("1990?Rock")}, {}},
        {"a digit", {{}, QStringLiteral("[1] \"#")}, {}},
        {"a digit after text", {{}, QStringLiteral("19#0")}, {mod}},
        {"an accent in the search", {{}, QStringLiteral("ÉRIC+cœur")}, {none}},
    };
    for (const Case &c : cases) {
        const auto rows = store.games(c.query);
        ASSERT_TRUE(rows.ok()) << c.what;
        EXPECT_EQ(ids(*rows), c.expected) << c.what;
        EXPECT_EQ(ids(store.gameTitles(c.query).value()), c.expected) << c.what;
        // The search in memory finds what the catalogue's finds, also narrowing a shorter one.
        const QString &search = c.query.search;
        if (search.isEmpty())
            continue;
        const SearchIndex index = store.searchIndex(c.query.filter).value();
        const auto found = [&](const std::vector<quint32> &entries) {
            QList<GameId> out;
            for (const quint32 entry : entries)
                out << index.ids()[entry];
            std::sort(out.begin(), out.end());
            return out;
        };
        QList<GameId> expected = c.expected;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found(index.find(search)), expected) << c.what;
        const QString shorter = search.chopped(1);
        const std::vector<quint32> before = index.find(shorter);
        if (SearchIndex::narrows(shorter, search)) {
            EXPECT_EQ(found(index.find(search, &before)), expected) << c.what;
        }
    }
    EXPECT_EQ(store.games({}).value().at(1).machine, QStringLiteral("c128"));
    EXPECT_EQ(store.gameTitles({}).value().at(1).machine, QString());
    EXPECT_EQ(ids(store.allGames().value()),
              (QList<GameId>{zak, eric, apb, odd, none, mod, lig, bare}));
    // A match is case-blind, the first by id, and a Null title matches Null only.
    cat.addGame({{"titolo", "ZAK"}, {"formato", "c64"}});
    EXPECT_EQ(store.matchingGame("Zak", "C64").value()->gameFile, QStringLiteral("/z.d64"));
    EXPECT_EQ(store.matchingGame(QString(), "c64").value()->id, none);
    EXPECT_FALSE(store.matchingGame("", "C64").value().has_value());
    EXPECT_TRUE(store.anyGame({false, true}).value());
    EXPECT_FALSE(store.anyGame({true, false, true, true}).value());
    const auto machines = store.machines({apb, odd, 999});
    ASSERT_TRUE(machines.ok());
    EXPECT_EQ(machines->value(apb), QStringLiteral("c128"));
    EXPECT_EQ(machines->value(odd), QStringLiteral("Spectrum"));
    EXPECT_FALSE(machines->contains(999));
    const auto shots = store.firstScreenshots({apb, odd, 999}).value();
    EXPECT_EQ(shots.value(odd), QStringLiteral("/o.png"));
    EXPECT_EQ(shots.value(apb, QStringLiteral("?")), QString());
    EXPECT_FALSE(shots.contains(999));
}

TEST(CatalogueStore, TheListSortsAsTheCatalogueDoesKeepingEqualTitlesInOrder)
{
    TestCatalogue cat;
    for (const char *title :
         {"Élite", "eagle", "Zed", "émile 2", "Ärger", "apple", "ARGON", "ß-Team", "10 Great",
          "1942", "Δelta", "delta", "", "  spaced", "Ölfass", "APPLE", "\U0001D538 x", "\uE000 y"})
        cat.addGame({{"titolo", QString::fromUtf8(title)}, {"formato", "C64"}});
    cat.addGame({{"formato", "C64"}}); // Null title
    QSqlQuery q(cat.db());
    ASSERT_TRUE(q.exec(QStringLiteral("select id from tabella1 order by titolo, id")));
    QList<GameId> bySql;
    while (q.next())
        bySql << q.value(0).toLongLong();
    EXPECT_EQ(ids(CatalogueStore(cat.db()).gameTitles({}).value()), bySql);
}

TEST(CatalogueStore, TheListReadsBytesNumbersAndNullAsQtDoes)
{
    TestCatalogue cat;
    for (const QVariant &value :
         {QVariant(QByteArray("\xc3\xa9t\xff")), QVariant(1984), QVariant(2.5), QVariant()})
        cat.addGame({{"titolo", value}, {"year", value}, {"formato", "C64"}});
    QSqlQuery q(cat.db());
    ASSERT_TRUE(q.exec(QStringLiteral("select id, titolo, year from tabella1")));
    QHash<GameId, QVariant> titles, years;
    while (q.next()) {
        titles.insert(q.value(0).toLongLong(), q.value(1));
        years.insert(q.value(0).toLongLong(), q.value(2));
    }
    const QList<GameSummary> rows = CatalogueStore(cat.db()).games({}).value();
    ASSERT_EQ(rows.size(), 4);
    for (const GameSummary &row : rows) {
        EXPECT_EQ(row.title, titles.value(row.id).toString());
        EXPECT_EQ(row.title.isNull(), titles.value(row.id).isNull());
        EXPECT_EQ(row.year, years.value(row.id).toString());
    }
}

TEST(CatalogueStore, ARefusedDeleteKeepsTheRowAndNoTransactionOpen)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const GameId a = cat.addGame({{"titolo", "A"}});
    const GameId b = cat.addGame({{"titolo", "B' or 1=1 --"}});
    ASSERT_TRUE(store.deleteGame(b).ok());
    EXPECT_EQ(cat.count(), 1);
    QSqlQuery(cat.db()).exec(QStringLiteral("create trigger keep before delete on tabella1 "
                                            "begin select raise(abort, 'kept by a rule'); end"));
    EXPECT_TRUE(store.deleteGame(a).error().contains(QStringLiteral("kept by a rule")));
    EXPECT_EQ(cat.count(), 1);
    EXPECT_TRUE(store.addGame(Game()).ok()); // the write lock was given back
}

TEST(CatalogueStore, TheConfigurationRoundTripsWithEmptyPathsAsNull)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    EXPECT_EQ(store.configuration().value(), Configuration());
    Configuration config;
    int n = 0;
    for (const Configuration::Path p : Configuration::paths())
        config.value(p) = QStringLiteral("/path/%1").arg(++n);
    config.c64s = QString();
    ASSERT_TRUE(store.saveConfiguration(config).ok());
    EXPECT_EQ(store.configuration().value(), config);
    EXPECT_EQ(cat.value(0, QStringLiteral("musicamiga")).toString(), config.amigaMusic);
    EXPECT_EQ(cat.value(0, QStringLiteral("game64")).toString(), config.c64Games);

    Configuration other;
    other.vice = QStringLiteral("/usr/bin/x64sc");
    other.uae = QStringLiteral("");
    ASSERT_TRUE(
        store.saveConfiguration(other, {Configuration::Path::Vice, Configuration::Path::Uae}).ok());
    EXPECT_EQ(store.configuration()->vice, other.vice);
    EXPECT_TRUE(cat.value(0, QStringLiteral("uae")).isNull());
    EXPECT_EQ(store.configuration()->player1, config.player1);
    // Every window reads the same row when a file holds several: the lowest id.
    ASSERT_TRUE(QSqlQuery(cat.db()).exec("insert into tabella2 (id, vice) values (0, 'first')"));
    EXPECT_EQ(store.configuration()->vice, QStringLiteral("first"));
}

TEST(BackgroundJob, ReportsInOrderBeforeFinishingAndGivesItsResult)
{
    BackgroundJob<int> job;
    QSignalSpy noted(&job, &Job::noted);
    QSignalSpy progressed(&job, &Job::progressed);
    QSignalSpy finished(&job, &Job::finished);
    job.start([](Progress &p) {
        p.setTotal(3);
        for (int i = 1; i <= 3; ++i) {
            p.note(QStringLiteral("line %1").arg(i));
            p.setDone(i);
        }
        return 7;
    });
    EXPECT_TRUE(job.isRunning());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(job.result(), 7);
    ASSERT_EQ(noted.size(), 3);
    EXPECT_EQ(noted.at(2).at(0).toString(), QStringLiteral("line 3"));
    ASSERT_FALSE(progressed.isEmpty());
    EXPECT_EQ(progressed.last().at(0).toLongLong(), 3);
    EXPECT_EQ(progressed.last().at(1).toLongLong(), 3);
}

// Notes made while none has been delivered travel in one queued event, in order.
TEST(BackgroundJob, NotesMadeFastArriveTogetherInOrder)
{
    struct : QObject {
        int calls = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            calls += e->type() == QEvent::MetaCall;
            return false;
        }
    } counter;
    BackgroundJob<int> job;
    job.installEventFilter(&counter);
    QSignalSpy noted(&job, &Job::noted);
    QSignalSpy finished(&job, &Job::finished);
    job.start([](Progress &p) {
        for (int i = 0; i < 1000; ++i)
            p.note(QString::number(i));
        return 0;
    });
    job.waitForFinished(); // this thread delivers nothing meanwhile
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(counter.calls, 1);
    ASSERT_EQ(noted.size(), 1000);
    EXPECT_EQ(noted.at(999).at(0).toString(), QStringLiteral("999"));
}

TEST(BackgroundJob, ACancelReachesTheWorkAndDeletingWaitsForIt)
{
    std::atomic_bool ended = false;
    {
        BackgroundJob<bool> job;
        QSignalSpy finished(&job, &Job::finished);
        job.start([&ended](Progress &p) {
            while (!p.isCancelled())
                QThread::msleep(1);
            ended = true;
            return true;
        });
        job.cancel();
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_TRUE(job.result());

        ended = false;
        std::atomic_bool started = false;
        std::atomic_bool startedUncancelled = false;
        job.start([&](Progress &p) {
            startedUncancelled = !p.isCancelled();
            started = true;
            while (!p.isCancelled())
                QThread::msleep(1);
            ended = true;
            return true;
        });
        while (!started)
            QThread::msleep(1);
        EXPECT_TRUE(startedUncancelled); // a new run starts uncancelled
    }
    EXPECT_TRUE(ended);
}

TEST(CatalogueStore, FurtherDisksLiveBesideTheGameAndGoWithIt)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    Game game;
    game.title = QStringLiteral("Six Disks");
    game.gameFile = QStringLiteral("/g/d1.adf");
    game.drive2 = QStringLiteral("/g/d2.adf");
    EXPECT_TRUE(store.moreDisks(1)->isEmpty()); // no disk table yet
    const auto ids = store.addGames(
        {{game, {QStringLiteral("/g/d5.adf"), QStringLiteral("/g/d6.adf")}}, {Game{}, {}}},
        Progress::none());
    ASSERT_TRUE(ids.ok()) << ids.error().toStdString();
    ASSERT_EQ(ids->size(), 2);
    game.id = ids->first();
    EXPECT_EQ(store.allDisks(game).valueOr({}),
              QStringList({QStringLiteral("/g/d1.adf"), QStringLiteral("/g/d2.adf"),
                           QStringLiteral("/g/d5.adf"), QStringLiteral("/g/d6.adf")}));
    EXPECT_TRUE(store.referencedPaths().valueOr({}).contains(QStringLiteral("/g/d6.adf")));
    ASSERT_TRUE(store.setMoreDisks(game.id, {QStringLiteral("/g/d7.adf")}).ok());
    EXPECT_EQ(store.moreDisks(game.id).valueOr({}), QStringList{QStringLiteral("/g/d7.adf")});
    // The editors write a set's disks with its row.
    Game edited = game;
    edited.title = QStringLiteral("Seven Disks");
    const QStringList eight{QStringLiteral("/g/d8.adf")};
    ASSERT_TRUE(store
                    .updateGameUnlessChanged(game, edited, {},
                                             DiskEdit{{QStringLiteral("/g/d7.adf")}, eight})
                    .ok());
    EXPECT_EQ(store.moreDisks(game.id).valueOr({}), eight);
    EXPECT_EQ(store.moreDisks(store.addGame(edited, eight).valueOr(0)).valueOr({}), eight);
    ASSERT_TRUE(store.deleteGame(game.id).ok());
    EXPECT_EQ(cat.count(), 2);
    EXPECT_TRUE(store.moreDisks(game.id).valueOr({QStringLiteral("?")}).isEmpty());
}

// Makes each game only when the store asks for it, and notes the order it was asked in.
class LazyFeed final : public SetGameFeed
{
public:
    explicit LazyFeed(QList<SetGame> games) : m_games(std::move(games)), m_made(m_games.size()) {}
    qsizetype size() const override { return m_games.size(); }
    qint64 key(qsizetype i) const override { return m_games.at(i).key; }
    const SetGame &at(qsizetype i) override
    {
        asked << i;
        return m_made[i] = m_games.at(i);
    }
    QList<qsizetype> asked;

private:
    QList<SetGame> m_games, m_made;
};

TEST(CatalogueStore, ACancelledAddAddsNothing)
{
    CancelAt cancel(0);
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const auto ids = store.addGames({{Game{}, {QStringLiteral("/x.d64")}}}, cancel);
    ASSERT_TRUE(ids.ok());
    EXPECT_TRUE(ids->isEmpty());
    EXPECT_EQ(cat.count(), 0);
    LazyFeed feed({{7, {Game{}, {}}, {}, {}}, {8, {Game{}, {}}, {}, {}}});
    const auto set = store.importSetGames(QStringLiteral("s"), feed, cancel);
    ASSERT_TRUE(set.ok());
    EXPECT_TRUE(set->cancelled);
    EXPECT_EQ(cat.count(), 0);
    EXPECT_EQ(feed.asked, QList<qsizetype>{0}); // nothing made beyond the cancel
}

TEST(StatementCache, RebindsOnePreparedStatementAndReportsItsErrors)
{
    TestCatalogue cat;
    StatementCache cache(cat.db());
    const QString insert = QStringLiteral("insert into tabella1 (id, titolo) values (?, ?)");
    for (const int id : {4, 9}) {
        const auto q = cache.run(insert, {id, QStringLiteral("Game %1").arg(id)});
        ASSERT_TRUE(q.ok()) << q.error().toStdString();
        EXPECT_EQ(*q, id);
    }
    const auto again = cache.run(insert, {9, QStringLiteral("Twice")});
    ASSERT_FALSE(again.ok());
    EXPECT_TRUE(again.error().contains(QLatin1String("UNIQUE"))) << again.error().toStdString();
    EXPECT_FALSE(cache.run(QStringLiteral("select nothing from nowhere")).ok());
    EXPECT_TRUE(cache.run(insert, {5, QStringLiteral("After")}).ok());
    // A null text is Null, as Qt's driver binds it; an empty one stays text.
    EXPECT_TRUE(cache.run(insert, {6, QString()}).ok());
    EXPECT_TRUE(cache.run(insert, {7, QStringLiteral("")}).ok());
    // Typed rows the same, texts as UTF-8.
    EXPECT_TRUE(cache.run(insert, BoundRow().add(10).add(QString())).ok());
    EXPECT_TRUE(cache.run(insert, BoundRow().add(11).add(QStringLiteral(""))).ok());
    EXPECT_TRUE(cache.run(insert, BoundRow().add(12).add(QStringLiteral("Æon Straße 🎮"))).ok());
    EXPECT_EQ(cat.count(QStringLiteral("titolo is null")), 2);
    EXPECT_EQ(cat.count(QStringLiteral("id in (7, 11) and titolo = ''")), 2);
    EXPECT_EQ(cat.value(12, QStringLiteral("titolo")).toString(), QStringLiteral("Æon Straße 🎮"));
}

// New games go in many to a statement, each with its key, start, disks and history on its
// own id; an import into a small catalogue rebuilds the title index after its rows; a start
// that a game deleted elsewhere left behind does not pass to the game that takes its id.
TEST(CatalogueStore, ASetImportWritesEachNewGameWholeAndKeepsTheIndex)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const QList<SetGame> first{{1, {Game{}, {}}, {QStringLiteral("A.D64"), 1}, {}}};
    ASSERT_TRUE(store.importSetGames(QStringLiteral("s"), first, Progress::none()).ok());
    ASSERT_TRUE(
        catalogue::run(cat.db(), QStringLiteral("insert into game_start values (2, 'LEFT.D64', 3)"))
            .ok());
    QList<SetGame> second = first; // known: updated, not added
    for (int key = 2; key <= 40; ++key) {
        SetGame &g = second.emplace_back(SetGame{key, {Game{}, {}}, {}, {}});
        g.entry.game.title = QStringLiteral("G%1").arg(key);
        if (key % 2)
            g.start = {QStringLiteral("S%1.D64").arg(key), key};
        if (key % 7 == 0)
            g.entry.moreDisks = {QStringLiteral("/d/%1.d64").arg(key)};
        if (key % 5 == 0)
            g.personal = {true, key, key};
    }
    LazyFeed feed(second); // each game asked for once, in order, while it is being made
    const auto imported = store.importSetGames(QStringLiteral("s"), feed, Progress::none());
    ASSERT_TRUE(imported.ok()) << imported.error().toStdString();
    QList<qsizetype> inOrder(40);
    std::iota(inOrder.begin(), inOrder.end(), 0);
    EXPECT_EQ(feed.asked, inOrder);
    EXPECT_EQ(imported->added, 39);
    EXPECT_EQ(cat.count(), 40);
    for (GameId id = 2; id <= 40; ++id) {
        EXPECT_EQ(store.game(id).valueOr({}).title, QStringLiteral("G%1").arg(id));
        const GameStart start =
            id % 2 ? GameStart{QStringLiteral("S%1.D64").arg(id), int(id)} : GameStart();
        EXPECT_EQ(store.gameStart(id).valueOr({{}, 9}), start) << id;
        EXPECT_EQ(store.moreDisks(id).valueOr({}).size(), id % 7 ? 0 : 1) << id;
        EXPECT_EQ(store.personalData(id).valueOr({}).plays, id % 5 ? 0 : id) << id;
    }
    const auto keys = catalogue::fetchOne(
        cat.db(), QStringLiteral("select count(*) from set_games where set_key = game"));
    ASSERT_TRUE(keys.ok());
    EXPECT_EQ(keys->value_or(QSqlRecord()).value(0).toInt(), 40);
    EXPECT_EQ(store.gameStart(1).valueOr({}), (GameStart{QStringLiteral("A.D64"), 1}));
    const auto index =
        catalogue::fetchOne(cat.db(), QStringLiteral("select sql from sqlite_master where name=?"),
                            {QStringLiteral("tabella1_titolo_formato")});
    ASSERT_TRUE(index.ok());
    ASSERT_TRUE(index->has_value());
    EXPECT_EQ((**index).value(0).toString(),
              QStringLiteral("CREATE INDEX tabella1_titolo_formato ON tabella1 (titolo, formato)"));
}

TEST(CatalogueStore, PersonalDataLivesBesideTheGamesAndGoesWithThem)
{
    TestCatalogue cat;
    CatalogueStore store(cat.db());
    const GameId a = cat.addGame({{"titolo", "A"}, {"formato", "C64"}});
    const GameId b = cat.addGame({{"titolo", "B"}, {"formato", "Amiga"}});
    const GameId c = cat.addGame({{"titolo", "C"}, {"formato", "C64"}});
    const GameQuery favourites{{.favourites = true}, {}}, recent{{.recent = true}, {}};
    // An older catalogue has no table: it lists, also read-only, and filters find nothing.
    const auto readOnly =
        catalogue::Connection::open(cat.path(), catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(readOnly.ok());
    CatalogueStore old((*readOnly)->db());
    EXPECT_EQ(old.games({}).value().size(), 3);
    EXPECT_TRUE(old.games(recent).value().isEmpty());
    EXPECT_FALSE(old.anyGame(favourites.filter).value());
    EXPECT_EQ(old.personalData(a).value(), PersonalData());
    EXPECT_FALSE(old.setFavourite(a, true).ok());

    ASSERT_TRUE(store.setFavourite(b, true).ok());
    ASSERT_TRUE(store.recordPlay(a, 100).ok());
    ASSERT_TRUE(store.recordPlay(c, 300).ok());
    ASSERT_TRUE(store.recordPlay(a, 200).ok());
    EXPECT_EQ(store.personalData(a).value(), (PersonalData{false, 200, 2}));
    EXPECT_EQ(store.recordPlay(99, 1).error(), CatalogueStore::gameGoneText());
    EXPECT_EQ(store.setFavourite(99, true).error(), CatalogueStore::gameGoneText());
    const QList<GameSummary> rows = store.gameTitles({}).value();
    EXPECT_TRUE(rows.at(1).favourite);
    EXPECT_EQ(rows.at(0).plays, 2);
    EXPECT_EQ(rows.at(2).lastPlayed, 300);
    EXPECT_EQ(ids(store.games(favourites).value()), QList<GameId>{b});
    EXPECT_EQ(ids(store.games(recent).value()), (QList<GameId>{c, a}));
    EXPECT_EQ(ids(store.games({{.amiga = false, .recent = true}, {}}).value()),
              (QList<GameId>{c, a}));
    ASSERT_TRUE(store.setFavourite(b, false).ok());
    EXPECT_FALSE(store.anyGame(favourites.filter).value());

    ASSERT_TRUE(store.deleteGame(a).ok());
    EXPECT_EQ(cat.count(), 2);
    EXPECT_FALSE(store.allPersonalData().value().contains(a));
    EXPECT_EQ(store.allPersonalData().value().size(), 2);
}
