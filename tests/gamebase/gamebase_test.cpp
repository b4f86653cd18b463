#include "gamebasecommand.h"
#include "gamebasefeed.h"
#include "gamebaseimport.h"
#include "gamebasereader.h"
#include "gamebasetables.h"
#include "gamebasewindow.h"
#include "jetdamage.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A GameBase set of invented games as a Jet file: version 2.5 has no Artists or
// Developers; release 2 renames game 1 and adds game 4, an Amiga game on three disks.
QString writeSet(const QString &path, const char *version = "2.8", int release = 1)
{
    EXPECT_FALSE(writeGameBase(path, {QLatin1String(version), release, 3}).bytes.isEmpty());
    return path;
}

// The set's files, in another letter case than the database gives them.
GameBaseFolders writeFiles(const QString &root)
{
    for (const char *file :
         {"games/l/LOST_HARBOUR.ZIP", "screens/L/lost_harbour.png", "screens/L/lost_harbour_1.png",
          "music/Musicians/m/Marr_Cleo/Harbour.sid", "games/A/ace_disk1.zip",
          "games/A/ACE_DISK2.zip", "games/a/Ace_Disk3.zip"})
        writeFile(root + u'/' + QLatin1String(file));
    return {root + QStringLiteral("/games"), root + QStringLiteral("/music"),
            root + QStringLiteral("/screens")};
}

struct MerrowRun {
    int code = -1;
    QString out, err;
};

MerrowRun merrow(const QString &catalogue, const QStringList &arguments)
{
    QProcess merrow;
    merrow.start(QStringLiteral(MERROW), QStringList{"--catalogue", catalogue} + arguments);
    EXPECT_TRUE(merrow.waitForFinished(60000));
    return {merrow.exitCode(), QString::fromUtf8(merrow.readAllStandardOutput()),
            QString::fromUtf8(merrow.readAllStandardError())};
}

} // namespace

TEST(GameBaseMapper, TextsAsTheCatalogueKeepsThem)
{
    const std::pair<QString, QString> cases[] = {
        {GameBaseMapper::title(QStringLiteral("Lost Harbour, The")), "The Lost Harbour"},
        {GameBaseMapper::title(QStringLiteral("Theatre, Then")), "Theatre, Then"},
        {GameBaseMapper::year(QStringLiteral("9990")), ""},
        {GameBaseMapper::year(QStringLiteral("1989")), "1989"},
        {GameBaseMapper::value(QStringLiteral("(none)")), ""},
        {GameBaseMapper::genre(QStringLiteral("(Unknown)"), QStringLiteral("Misc")), "Misc"},
        {GameBaseMapper::genre(QStringLiteral("Sports"), QStringLiteral("[Uncategorized]")),
         "Sports"},
        {GameBaseImport::setName(QStringLiteral("/x/GBC_v18.mdb")), "GBC v18"},
        {GameBaseImport::setKey(QStringLiteral("GBC v18.1")), "gbc"},
        {QString::number(GameBaseMapper::playedAt(QStringLiteral("2009-01-02 03:04:05"))),
         QString::number(QDateTime(QDate(2009, 1, 2), QTime(3, 4, 5)).toSecsSinceEpoch())},
        {QString::number(GameBaseMapper::playedAt(QStringLiteral("12/31/99 23:59:59"))), "0"},
        {GameBaseMapper::start(QStringLiteral("\\A\\\\B.D64"), QStringLiteral("x")).image,
         "A/B.D64"},
        {QString::number(GameBaseMapper::start({}, QStringLiteral("x")).program), "-1"}};
    for (const auto &[got, expected] : cases)
        EXPECT_EQ(got, expected);
}

// A large set is mapped on two threads while it is read: the games come in their order and
// the counts add up; a feed left early stops its workers rather than map the rest.
TEST(GameBaseMapper, ALargeSetKeepsItsOrderAndCounts)
{
    QTemporaryDir dir;
    QList<GameBaseRecord> records(4001);
    QList<qint64> keys;
    for (qsizetype i = 0; i < records.size(); ++i) {
        records[i].id = i + 1;
        records[i].filename =
            i % 2 ? QStringLiteral("L\\Lost_Harbour.zip") : QStringLiteral("L\\Gone.zip");
        keys << i + 1;
    }
    GameBaseMapper mapper(writeFiles(dir.path()), QStringLiteral("GameBase GBC v18 (2.8)"));
    GameBaseFeed(mapper, records).at(0);
    GameBaseFeed feed(mapper, records);
    QList<qint64> mapped;
    for (qsizetype i = 0; i < feed.size(); ++i)
        mapped << feed.at(i).key;
    EXPECT_EQ(mapped, keys);
    for (const qsizetype i : {63, 64, 1999, 2000, 4000})
        EXPECT_EQ(feed.at(i).entry.game.gameFile,
                  dir.filePath(i % 2 ? QStringLiteral("games/l/LOST_HARBOUR.ZIP")
                                     : QStringLiteral("games/L/Gone.zip")));
    feed.finish();
    EXPECT_EQ(mapper.found().gameFiles.named, 4001);
    EXPECT_EQ(mapper.found().gameFiles.found, 2000);
}

// Debian's Jet library reads back every row the writer wrote, exactly.
TEST(JetWriter, MdbExportReadsEveryRowBack)
{
    QTemporaryDir dir;
    const QList<JetTable> tables = gameBaseTables({"2.8", 2, 40});
    const QString file =
        writeFile(dir.filePath(QStringLiteral("set.mdb")), JetWriter().write(tables).bytes);
    auto text = [](const QVariant &v) {
        return v.typeId() == QMetaType::Bool ? QString::number(v.toInt())
               : v.typeId() == QMetaType::QDateTime
                   ? v.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss")
                   : v.toString();
    };
    for (const JetTable &table : tables) {
        QStringList expected;
        for (const QVariantList &row : table.rows) {
            QStringList fields;
            for (const QVariant &v : row)
                fields << text(v);
            expected << fields.join(u'\t');
        }
        QProcess mdb;
        mdb.start(QStringLiteral("mdb-export"),
                  {"-H", "-Q", "-d", "\t", "-T", "%Y-%m-%d %H:%M:%S", file, table.name});
        ASSERT_TRUE(mdb.waitForFinished(30000));
        EXPECT_EQ(QString::fromUtf8(mdb.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                  expected)
            << table.name.toStdString();
    }
}

// The reader's output read back: games in key order (Null first, as the file lists ties),
// and ids matched alike whether the file keeps them as numbers or as text.
TEST(GameBaseReader, OrdersGamesByKeyAndMatchesIdsOfEitherKind)
{
    TestCatalogue catalogue;
    QSqlQuery q(catalogue.db());
    for (const char *sql :
         {"create table Config (MajorVersion, MinorVersion)", "insert into Config values (2, 8)",
          "create table Publishers (PU_Id, Publisher)",
          "insert into Publishers values (2, 'Two'), ('x', 'Ex'), ('07', 'Seven')",
          "create table Games (GA_Id, Name, PU_Id)",
          "insert into Games values (3, 'C', '2'), (null, 'N', 7), (1, 'A', 2), ('2', 'B', 'x'),"
          " (1, 'A2', '07')"})
        ASSERT_TRUE(q.exec(QLatin1String(sql))) << sql;
    const Result<GameBaseSet> set = GameBaseReader::readTables(catalogue.db(), {});
    ASSERT_TRUE(set.ok()) << set.error().toStdString();
    const std::pair<const char *, const char *> expected[] = {
        {"N", ""}, {"A", "Two"}, {"A2", "Seven"}, {"B", "Ex"}, {"C", "Two"}};
    ASSERT_EQ(set->games.size(), std::size(expected));
    for (qsizetype i = 0; i < set->games.size(); ++i) {
        EXPECT_EQ(set->games[i].name, QLatin1String(expected[i].first));
        EXPECT_EQ(set->games[i].publisher, QLatin1String(expected[i].second)) << i;
    }
}

class GameBaseVersions : public ::testing::TestWithParam<const char *>
{
};

TEST_P(GameBaseVersions, MapEveryFieldAndResolvePathsCaseBlind)
{
    QTemporaryDir dir;
    TestCatalogue catalogue;
    const QString version = QLatin1String(GetParam());
    const Result<GameBaseSet> set = GameBaseReader::read(
        writeSet(dir.filePath(QStringLiteral("GBC_v18.mdb")), GetParam()), dir.path(), {});
    ASSERT_TRUE(set.ok()) << set.error().toStdString();
    EXPECT_EQ(set->version, version);
    EXPECT_EQ(set->games.value(0).lastPlayed, QStringLiteral("2024-05-01 20:15:00"));
    CatalogueStore store(catalogue.db());
    const auto report = GameBaseImport::run(store, QStringLiteral("GBC_v18.mdb"), *set,
                                            writeFiles(dir.path()), Progress::none());
    ASSERT_TRUE(report.ok()) << report.error().toStdString();
    EXPECT_EQ(report->found.gameFiles.found, 1);
    EXPECT_EQ(report->found.gameFiles.named, 3);
    const Game g = store.game(1).valueOr({});
    const bool credits = version != QLatin1String("2.5");
    const Game expected{1,
                        "The Lost Harbour",
                        "Northsoft",
                        credits ? "Harbour Team" : "",
                        "1985",
                        "Sports - Football",
                        "C64",
                        "",
                        "Ada Varn",
                        credits ? "Eli Sandvik" : "",
                        "Cleo Marr",
                        "",
                        "",
                        "",
                        "",
                        "Fenna Roos",
                        "Two players",
                        "4",
                        "",
                        dir.filePath(QStringLiteral("games/l/LOST_HARBOUR.ZIP")),
                        "",
                        "",
                        "",
                        dir.filePath(QStringLiteral("music/Musicians/m/Marr_Cleo/Harbour.sid")),
                        dir.filePath(QStringLiteral("screens/L/lost_harbour.png")),
                        dir.filePath(QStringLiteral("screens/L/lost_harbour_1.png")),
                        "GameBase GBC v18 (" + version + ")"};
    EXPECT_EQ(g.differences(expected), QList<Game::Field>());
    const Game unknown = store.game(2).valueOr({});
    EXPECT_EQ(unknown.year, QString());
    EXPECT_EQ(unknown.publisher, QString());
    EXPECT_EQ(unknown.genre, QStringLiteral("Misc"));
    EXPECT_EQ(unknown.note, QStringLiteral("Vertical shooter"));
    EXPECT_EQ(unknown.gameFile, dir.filePath(QStringLiteral("games/0-9/1942.zip")));
}

INSTANTIATE_TEST_SUITE_P(Versions, GameBaseVersions, ::testing::Values("2.5", "2.8"));

// The real merrow and reader: a first release, then a newer one that updates its games in
// place, adds one and leaves the game the collector changed since.
TEST(GameBaseCommand, ImportsThenUpdatesFromANewRelease)
{
    QTemporaryDir dir;
    TestCatalogue catalogue;
    const GameBaseFolders f = writeFiles(dir.path());
    const QStringList folders{"--games", f.games, "--music", f.music, "--screens", f.screens};
    const QString v17 = writeSet(dir.filePath(QStringLiteral("GBC_v17.mdb")));
    const MerrowRun first =
        merrow(catalogue.path(), QStringList{"--import-gamebase", v17} + folders);
    EXPECT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(first.out,
              "GameBase GBC v17 (2.8): 3 games\nNew: 3\nUpdated: 0\nConflicts: 0\n"
              "Game files: 1 of 3 found\nMusic: 1 of 1 found\nScreenshots: 1 of 1 found\n");
    CatalogueStore store(catalogue.db());
    const qint64 played = QDateTime(QDate(2024, 5, 1), QTime(20, 15)).toSecsSinceEpoch();
    EXPECT_EQ(store.personalData(1).valueOr({}), (PersonalData{true, played, 3}));
    EXPECT_EQ(store.personalData(2).valueOr({}), PersonalData());
    ASSERT_TRUE(store.setFavourite(1, false).ok()); // the collector's own history from now on
    Game changed = store.game(3).valueOr({});
    changed.origin = Game::privateOrigin();
    ASSERT_TRUE(store.updateFields(changed, {Game::Field::Origin}).ok());
    const QStringList v18 =
        QStringList{"--import-gamebase",
                    writeSet(dir.filePath(QStringLiteral("GBC_v18.mdb")), "2.8", 2), "--machine",
                    "Amiga"} +
        folders;
    EXPECT_TRUE(merrow(catalogue.path(), v18 + QStringList{"--dry-run"})
                    .out.contains(QLatin1String("New: 1\nUpdated: 2\nConflicts: 1\n")));
    EXPECT_EQ(catalogue.count(), 3);
    const MerrowRun update = merrow(catalogue.path(), v18);
    EXPECT_EQ(update.code, 0);
    EXPECT_TRUE(update.out.endsWith(QLatin1String("left as it is: 1942\n")))
        << update.out.toStdString();
    EXPECT_EQ(catalogue.count(), 4);
    EXPECT_EQ(catalogue.count(QStringLiteral("titolo='1942'")), 2);
    EXPECT_EQ(store.game(1).valueOr({}).title, QStringLiteral("The Lost Harbour II"));
    EXPECT_EQ(store.game(3).valueOr({}).origin, Game::privateOrigin());
    const Game amiga = store.game(4).valueOr({});
    EXPECT_EQ(amiga.machine, QStringLiteral("Amiga"));
    EXPECT_EQ(amiga.gameFile, dir.filePath(QStringLiteral("games/A/ace_disk1.zip")));
    EXPECT_EQ(amiga.drive2, dir.filePath(QStringLiteral("games/A/ACE_DISK2.zip")));
    EXPECT_EQ(amiga.drive3, QString()); // games/a is another folder
    EXPECT_EQ(store.personalData(1).valueOr({}), (PersonalData{false, played, 3}));
    EXPECT_EQ(store.gameStart(1).valueOr({}), (GameStart{QStringLiteral("LOST HARBOUR.D64"), 1}));
    ASSERT_TRUE(store.deleteGame(1).ok());
    EXPECT_EQ(store.gameStart(1).valueOr({{}, 9}), GameStart());
}

// Damaged sets are refused whole, with the rows or bytes found against those announced.
TEST(GameBaseCommand, RefusesWhatIsNoGameBaseDatabaseDamagedFilesAndBadArguments)
{
    QTemporaryDir dir;
    TestCatalogue catalogue;
    catalogue.addGame({{"titolo", "Kept"}});
    const JetImage set = writeGameBase(dir.filePath(QStringLiteral("set.mdb")), {"2.8", 1, 60});
    const QString other = writeFile(
        dir.filePath(QStringLiteral("other.mdb")),
        JetWriter().write({{QStringLiteral("Notes"), {{QStringLiteral("Id")}}, {{1}}}}).bytes);
    const std::pair<JetDamage, const char *> damages[] = {
        {JetDamage::CutInHalf, ": 0 rows of Games can be read, where it holds 60"},
        {JetDamage::CutBeforeLastPage, ": 57 rows of Games can be read, where it holds 60"},
        {JetDamage::PageMapZeroed, ": 0 rows of Games can be read, where it holds 60"},
        {JetDamage::RowCountZeroed, ": 45 rows of Games can be read, where it holds 60"},
        {JetDamage::RowFlagFlipped, ": 59 rows of Games can be read, where it holds 60"},
        {JetDamage::BytesFlipped, "its list of tables cannot be read"},
        {JetDamage::MemoChainLooping,
         "the MemoText of row 3 of Games holds 1960 bytes, where its length is 3960"}};
    for (const auto &[how, says] : damages) {
        const QString file = dir.filePath(QStringLiteral("damaged%1.mdb").arg(int(how)));
        const MerrowRun run = merrow(
            catalogue.path(), {"--import-gamebase", writeFile(file, damageJet(set, "Games", how)),
                               "--games", catalogue.dir()});
        EXPECT_EQ(run.code, 1) << says;
        EXPECT_TRUE(run.err.contains(QLatin1String(says))) << run.err.toStdString();
    }
    const struct {
        QStringList arguments;
        int code;
        const char *says;
    } cases[] = {
        {{"--import-gamebase", other, "--games", catalogue.dir()}, 1, "is not a GameBase database"},
        {{"--import-gamebase", other}, 2, "not given (--games DIR)"},
        {{"--import-gamebase", other, "--games", catalogue.dir(), "--machine", "Atari"},
         2,
         "--machine"},
        {{"--dry-run"}, 2, "go with --import-gamebase"}};
    for (const auto &c : cases) {
        const MerrowRun run = merrow(catalogue.path(), c.arguments);
        EXPECT_EQ(run.code, c.code) << c.says;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    }
    EXPECT_EQ(catalogue.count(), 1);
}

TEST(GameBaseWindow, PreviewsTheCountsThenImports)
{
    TestContext t;
    QTemporaryDir dir;
    const GameBaseFolders folders = writeFiles(dir.path());
    GameBaseWindow w(*t.ctx);
    w.show();
    t.dialogs.files << writeSet(dir.filePath(QStringLiteral("GBC_v18.mdb")));
    click(&w, QStringLiteral("gameBaseFileButton"));
    t.dialogs.folders << folders.games;
    click(&w, QStringLiteral("gameBaseGamesButton"));
    control<QLineEdit>(&w, QStringLiteral("gameBaseScreens"))->setText(folders.screens);
    auto *report = control<QLabel>(&w, QStringLiteral("reportLabel"));
    auto reportSays = [report](const char *text) {
        return QTest::qWaitFor([&] { return report->text().startsWith(QLatin1String(text)); });
    };
    click(&w, QStringLiteral("previewButton"));
    ASSERT_TRUE(reportSays("The import would bring:")) << report->text().toStdString();
    EXPECT_TRUE(report->text().contains(QLatin1String("New: 3\n"))) << report->text().toStdString();
    EXPECT_TRUE(report->text().contains(QLatin1String("Screenshots: 1 of 1 found")));
    EXPECT_EQ(t.catalogue.count(), 0);
    click(&w, QStringLiteral("importButton"));
    ASSERT_TRUE(reportSays("GameBase GBC v18 (2.8): 3 games")) << report->text().toStdString();
    EXPECT_EQ(t.catalogue.count(), 3);
}
