#include "gamebasecommand.h"
#include "gamebaseimport.h"
#include "gamebasereader.h"
#include "gamebasewindow.h"
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

// A set as the Jet reader hands it over: text tables named as in the file. Version 2.5 has
// no Artists or Developers. Release 2 renames game 1 and adds game 4.
QString writeSet(const QString &path, const QString &version, int release = 1)
{
    const bool credits = version != QLatin1String("2.5");
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        QStringList sql{
            "create table Config (MajorVersion, MinorVersion)",
            QStringLiteral("insert into Config values (%1)")
                .arg(QString(version).replace(u'.', u',')),
            "create table Years (YE_Id, Year)",
            "insert into Years values (1, '1985'), (2, '9991')",
            "create table Publishers (PU_Id, Publisher)",
            "insert into Publishers values (1, 'Northsoft'), (2, '(Unknown)')",
            "create table PGenres (PG_Id, ParentGenre)",
            "insert into PGenres values (1, 'Sports'), (2, '[Uncategorized]')",
            "create table Genres (GE_Id, PG_Id, Genre)",
            "insert into Genres values (1, 1, 'Football'), (2, 2, 'Misc')",
            "create table Programmers (PR_Id, Programmer)",
            "insert into Programmers values (1, 'Ada Varn')",
            "create table Musicians (MU_Id, Musician)",
            "insert into Musicians values (1, 'Cleo Marr')",
            "create table Crackers (CR_Id, Cracker)",
            "insert into Crackers values (1, 'Fenna Roos')",
            QStringLiteral(
                "create table Games (GA_Id, Name, YE_Id, PU_Id, GE_Id, PR_Id, MU_Id, CR_Id, "
                "Filename, ScrnshotFilename, SidFilename, MemoText, Comment, Rating%1)")
                .arg(credits ? QStringLiteral(", AR_Id, DE_Id") : QString()),
            QStringLiteral(
                "insert into Games values (1, '%1', 1, 1, 1, 1, 1, 1, 'L\\Lost_Harbour.zip', "
                "'L\\Lost_Harbour.png', 'MUSICIANS\\M\\Marr_Cleo\\Harbour.sid', '', "
                "'Two players', 4%2), (2, '1942', 2, 2, 2, 0, 0, 0, '0-9\\1942.zip', "
                "'', '', 'Vertical shooter', 'x', 0%3), (3, '1942', 1, 1, 1, 1, 1, 0, "
                "'0-9\\1942_(Alt).zip', '', '', '', '', 2%3)")
                .arg(release == 1 ? "Lost Harbour, The" : "Lost Harbour II, The",
                     credits ? ", 1, 1" : "", credits ? ", 0, 0" : ""),
            credits ? "create table Artists (AR_Id, Artist)" : "select 1",
            credits ? "insert into Artists values (1, 'Eli Sandvik')" : "select 1",
            credits ? "create table Developers (DE_Id, Developer)" : "select 1",
            credits ? "insert into Developers values (1, 'Harbour Team')" : "select 1"};
        if (release == 2)
            sql << QStringLiteral(
                "insert into Games (GA_Id, Name, Filename) values (4, 'Quay', 'Q\\Quay.zip')");
        // The set's own play history and start, as libmdb writes a Jet date and Yes/No.
        sql << "alter table Games add FileToRun"
            << "alter table Games add FilenameIndex"
            << "alter table Games add Fav"
            << "alter table Games add TimesPlayed"
            << "alter table Games add DateLastPlayed"
            << QStringLiteral("update Games set FileToRun='DISKS\\SIDE B.D64', Fav=1, "
                              "FilenameIndex=%1, TimesPlayed=%1, DateLastPlayed='03/14/08 "
                              "21:05:00' where GA_Id=1")
                   .arg(release + 1);
        for (const QString &statement : sql)
            EXPECT_TRUE(q.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(path);
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

// Reads the set at tables through the reader's protocol, as a file named file.
GameBaseSet readSet(const QString &tables, const QString &file)
{
    legacy::ReaderRun run;
    run.program = QStringLiteral(FAKE_READER);
    const QString input = writeFile(file, "copy " + tables.toUtf8());
    Result<GameBaseSet> set = GameBaseReader::read(input, QFileInfo(file).absolutePath(), run);
    EXPECT_TRUE(set.ok()) << set.error().toStdString();
    return set.valueOr({});
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
        {QString::number(GameBaseMapper::playedAt(QStringLiteral("12/31/99 23:59:59"))),
         QString::number(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)).toSecsSinceEpoch())},
        {QString::number(GameBaseMapper::playedAt(QStringLiteral("2009-01-02 03:04:05"))),
         QString::number(QDateTime(QDate(2009, 1, 2), QTime(3, 4, 5)).toSecsSinceEpoch())},
        {QString::number(GameBaseMapper::playedAt(QStringLiteral("31.12.1999"))), "0"},
        {GameBaseMapper::start(QStringLiteral("A\\B.D64"), QStringLiteral("x")).image, "A/B.D64"},
        {QString::number(GameBaseMapper::start({}, QStringLiteral("x")).program), "-1"}};
    for (const auto &[got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(GameBaseMapper, AmigaDisksAreFoundBesideTheFirst)
{
    QTemporaryDir dir;
    GameBaseFolders folders = writeFiles(dir.path());
    folders.machine = QStringLiteral("Amiga");
    GameBaseMapper mapper(folders, QStringLiteral("GameBase Ami (2.8)"));
    GameBaseRecord record;
    record.filename = QStringLiteral("A\\Ace_Disk1.zip");
    const GameEntry entry = mapper.map(record);
    EXPECT_EQ(entry.game.gameFile, dir.filePath(QStringLiteral("games/A/ace_disk1.zip")));
    EXPECT_EQ(entry.game.drive2, dir.filePath(QStringLiteral("games/A/ACE_DISK2.zip")));
    EXPECT_EQ(entry.game.drive3, QString()); // games/a is another folder
}

class GameBaseVersions : public ::testing::TestWithParam<const char *>
{
};

TEST_P(GameBaseVersions, MapEveryFieldAndResolvePathsCaseBlind)
{
    QTemporaryDir dir;
    TestCatalogue catalogue;
    const QString version = QLatin1String(GetParam());
    const GameBaseSet set = readSet(writeSet(dir.filePath(QStringLiteral("t.sqlite")), version),
                                    dir.filePath(QStringLiteral("GBC_v18.mdb")));
    EXPECT_EQ(set.version, version);
    CatalogueStore store(catalogue.db());
    const auto report = GameBaseImport::run(store, QStringLiteral("GBC_v18.mdb"), set,
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

TEST(GameBaseImport, NewReleaseUpdatesInPlaceAddsAndLeavesPrivateGames)
{
    QTemporaryDir dir;
    TestCatalogue catalogue;
    CatalogueStore store(catalogue.db());
    const GameBaseFolders folders = writeFiles(dir.path());
    auto import = [&](int release, const char *file, bool keep = true) {
        const QString tables = dir.filePath(QStringLiteral("r%1.sqlite").arg(release));
        const GameBaseSet set =
            readSet(QFileInfo::exists(tables) ? tables : writeSet(tables, "2.8", release),
                    dir.filePath(QLatin1String(file)));
        return GameBaseImport::run(store, QLatin1String(file), set, folders, Progress::none(), keep)
            .valueOr({})
            .import;
    };
    EXPECT_EQ(import(1, "GBC_v17.mdb").added, 3);
    const qint64 played = QDateTime(QDate(2008, 3, 14), QTime(21, 5)).toSecsSinceEpoch();
    EXPECT_EQ(store.personalData(1).valueOr({}), (PersonalData{true, played, 2}));
    EXPECT_EQ(store.personalData(2).valueOr({}), PersonalData());
    ASSERT_TRUE(store.setFavourite(1, false).ok()); // the collector's own history from now on
    Game changed = store.game(3).valueOr({});
    changed.origin = Game::privateOrigin();
    ASSERT_TRUE(store.updateFields(changed, {Game::Field::Origin}).ok());
    for (const bool keep : {false, true}) {
        const SetImport second = import(2, "GBC_v18.mdb", keep);
        EXPECT_EQ(second.added, 1);
        EXPECT_EQ(second.updated, 2); // the origin names the new release
        EXPECT_EQ(second.conflicts, QStringList{QStringLiteral("1942")});
        EXPECT_EQ(catalogue.count(), keep ? 4 : 3);
    }
    EXPECT_EQ(store.game(1).valueOr({}).title, QStringLiteral("The Lost Harbour II"));
    EXPECT_EQ(store.game(3).valueOr({}).origin, Game::privateOrigin());
    EXPECT_EQ(catalogue.count(QStringLiteral("titolo='1942'")), 2);
    EXPECT_EQ(store.personalData(1).valueOr({}), (PersonalData{false, played, 2}));
    EXPECT_EQ(store.gameStart(1).valueOr({}), (GameStart{QStringLiteral("DISKS/SIDE B.D64"), 3}));
    ASSERT_TRUE(store.deleteGame(1).ok());
    EXPECT_EQ(store.gameStart(1).valueOr({{}, 9}), GameStart());
}

TEST(GameBaseCommand, RefusesWhatIsNoGameBaseDatabaseAndBadArguments)
{
    TestCatalogue catalogue;
    catalogue.addGame({{"titolo", "Kept"}});
    const QString jet = QStringLiteral(VANTREL_LEGACY_FIXTURES "/catalogue-jet4.mdb");
    const struct {
        QStringList arguments;
        int code;
        const char *says;
    } cases[] = {
        {{"--import-gamebase", jet, "--games", catalogue.dir()}, 1, "is not a GameBase database"},
        {{"--import-gamebase", jet}, 2, "not given (--games DIR)"},
        {{"--import-gamebase", jet, "--games", catalogue.dir(), "--machine", "Atari"},
         2,
         "--machine"},
        {{"--dry-run"}, 2, "go with --import-gamebase"}};
    for (const auto &c : cases) {
        QProcess merrow;
        merrow.start(MERROW, QStringList{"--catalogue", catalogue.path()} + c.arguments);
        ASSERT_TRUE(merrow.waitForFinished(60000));
        EXPECT_EQ(merrow.exitCode(), c.code) << c.says;
        EXPECT_TRUE(merrow.readAllStandardError().contains(c.says)) << c.says;
    }
    EXPECT_EQ(catalogue.count(), 1);
}

TEST(GameBaseWindow, PreviewsTheCountsThenImports)
{
    TestContext t;
    QTemporaryDir dir;
    const GameBaseFolders folders = writeFiles(dir.path());
    GameBaseWindow w(*t.ctx, QStringLiteral(FAKE_READER));
    w.show();
    control<QLineEdit>(&w, QStringLiteral("gameBaseFile"))
        ->setText(writeFile(
            dir.filePath(QStringLiteral("GBC_v18.mdb")),
            "copy " + writeSet(dir.filePath(QStringLiteral("t.sqlite")), "2.8").toUtf8()));
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
