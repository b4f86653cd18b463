#include "choosermodes.h"
#include "editingtest.h"
#include "editorrules.h"
#include "fieldcodes.h"
#include "gamerecords.h"

using namespace gamerecords;

TEST(EditingRules, EdgesOfTheMachineTextCodesAndModes)
{
    // The first character decides the family; only the exact "Amiga" asks for more drives.
    EXPECT_EQ(editorrules::startColumn(editorrules::PickButton::Game, "Commodore"), "game64");
    EXPECT_EQ(editorrules::startColumn(editorrules::PickButton::Screen1, ""), "screenamiga");
    EXPECT_FALSE(editorrules::showsDiskButton("Amig") || editorrules::asksOtherDrives("Amiga "));
    EXPECT_TRUE(editorrules::lacksTitleOrMachine("   ", "C64"));
    EXPECT_TRUE(!findFieldCode("xx") && !findFieldCode("") && !findFieldCode("MU"));
    EXPECT_FALSE(chooserMode("GAME").known || chooserMode("GAME").opensInStartdir);
    EXPECT_TRUE(gameDiskColumn(kMaxGameDisks).isEmpty() && gameDiskColumn(-1).isEmpty());
    EXPECT_TRUE(storedText("").isNull() && !offersOtherDisk(""));
}

TEST(GameRecords, HostileTextIsStoredVerbatimAndUnknownColumnsWriteNothing)
{
    EditingContext tc;
    QSqlDatabase db = tc.catalogue.db();
    const QString tricky = "It's \"100%\" [fun] * ?; drop table tabella1; --";
    QString error;
    const int id = insertGame(db, {{"titolo", tricky}, {"FORMATO", "C64"}}, &error);
    ASSERT_GT(id, 0) << error.toStdString();
    EXPECT_EQ(tc.text(id, "titolo") + tc.text(id, "formato"), tricky + "C64");
    EXPECT_EQ(insertGame(db, {{"titolo", "X"}, {"id", 99}}, &error), 0);
    EXPECT_EQ(insertGame(db, {{"titolo=titolo;--", "X"}}, &error), 0);
    EXPECT_FALSE(updateGame(db, id, {{"titolo", "Changed"}, {"nosuch", "x"}}, &error));
    EXPECT_TRUE(error.contains("nosuch"));
    EXPECT_EQ(tc.text(id, "titolo"), tricky);

    tc.remove(id);
    EXPECT_FALSE(updateGame(db, id, {}, &error));
    EXPECT_EQ(error, recordGoneText());
    // The failed writes left no transaction open.
    const int next = insertGame(db, {{"titolo", "Next"}}, &error);
    EXPECT_GT(next, 0) << error.toStdString();

    QString why;
    auto reader = catalogue::Connection::open(tc.catalogue.path(), &why,
                                              catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(reader) << why.toStdString();
    EXPECT_FALSE(updateGame(reader->db(), next, {{"titolo", "Changed"}}, &error));
    EXPECT_EQ(insertGame(reader->db(), {{"titolo", "New"}}, &error), 0);
    EXPECT_EQ(tc.catalogue.count("titolo = 'Next'"), 1);
    EXPECT_EQ(tc.catalogue.count(), 1);
}

TEST(GameRecords, ConfigurationIsTheFirstRowAndGamesListByMachinePrefix)
{
    EditingContext tc;
    tc.catalogue.setConfig({{"game64", "/games/c64/"}});
    catalogue::run(tc.catalogue.db(), "insert into tabella2 (game64) values ('/elsewhere/')");
    EXPECT_EQ(loadConfiguration(tc.catalogue.db()).value("game64").toString(), "/games/c64/");
    const int zak = tc.catalogue.addGame({{"titolo", "zak"}, {"formato", "C64"}});
    const int alpha = tc.catalogue.addGame({{"titolo", "Alpha"}, {"formato", "C128"}});
    const int mid = tc.catalogue.addGame({{"titolo", "Mid's [100%]"}, {"formato", "c64"}});
    tc.catalogue.addGame({{"titolo", "Empty machine"}, {"formato", ""}});
    tc.catalogue.addGame({{"titolo", "No machine"}});
    QList<int> ids;
    for (const GameEntry &g : gamesByFormatPrefix(tc.catalogue.db(), "C"))
        ids << g.id;
    EXPECT_EQ(ids, (QList<int>{alpha, mid, zak})) << "by title, case-blind";
    EXPECT_EQ(gamesByFormatPrefix(tc.catalogue.db(), "").size(), 4) << "even the empty text";
}
