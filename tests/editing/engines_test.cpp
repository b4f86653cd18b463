#include "associationcolumns.h"
#include "choosersetup.h"
#include "editingtest.h"
#include "editorrules.h"
#include "gamerecords.h"

using namespace gamerecords;

TEST(EditingRules, EdgesOfTheMachineTextAndTheDiskSeries)
{
    // The first character decides the family; only the exact "Amiga" asks for more drives.
    using namespace editorrules;
    EXPECT_EQ(startColumn(PickButton::Game, "Commodore"), "game64");
    EXPECT_EQ(startColumn(PickButton::Screenshot1, ""), "screenamiga");
    EXPECT_FALSE(showsDiskButton("Amig"));
    EXPECT_FALSE(asksOtherDrives("Amiga "));
    EXPECT_TRUE(lacksTitleOrMachine("   ", "C64"));
    EXPECT_TRUE(gameDiskColumn(kMaxGameDisks).isEmpty());
    EXPECT_TRUE(gameDiskColumn(-1).isEmpty());
    EXPECT_FALSE(offersOtherDisk(""));
    EXPECT_TRUE(storedText("").isNull());
    // Only the purposes that store write into a game by themselves.
    EXPECT_EQ(chooserSetup(ChooserPurpose::GameFile).store, ChooserStore::None);
    EXPECT_EQ(chooserSetup(ChooserPurpose::StoreGameDisks).store, ChooserStore::GameDisks);
    EXPECT_EQ(associationColumns(AssociationKind::AmigaGame).columns.size(), 4);
}

TEST(GameRecords, HostileTextIsStoredVerbatimAndBadWritesLeaveNoTrace)
{
    EditingContext tc;
    QSqlDatabase db = tc.catalogue.db();
    const QString tricky = "It's \"100%\" [fun] * ?; drop table tabella1; --";
    QString error;
    const int id = insertGame(db, {{"titolo", tricky}, {"FORMATO", "C64"}}, &error);
    ASSERT_GT(id, 0) << error.toStdString();
    EXPECT_EQ(tc.text(id, "titolo"), tricky);
    EXPECT_EQ(tc.text(id, "formato"), "C64");
    EXPECT_EQ(insertGame(db, {{"titolo", "X"}, {"id", 99}}, &error), 0);
    EXPECT_EQ(insertGame(db, {{"titolo=titolo;--", "X"}}, &error), 0);
    EXPECT_FALSE(updateGame(db, id, {{"titolo", "Changed"}, {"nosuch", "x"}}, &error));
    EXPECT_TRUE(error.contains("nosuch"));
    EXPECT_EQ(tc.text(id, "titolo"), tricky);
    // No transaction was left open, and a read-only connection writes nothing.
    QString why;
    auto reader = catalogue::Connection::open(tc.catalogue.path(), &why,
                                              catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(reader) << why.toStdString();
    EXPECT_FALSE(updateGame(reader->db(), id, {{"titolo", "Changed"}}, &error));
    EXPECT_EQ(insertGame(reader->db(), {{"titolo", "New"}}, &error), 0);
    EXPECT_GT(insertGame(db, {{"titolo", "Next"}}, &error), 0) << error.toStdString();
    EXPECT_EQ(tc.catalogue.count(), 2);
}
