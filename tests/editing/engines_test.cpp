#include "choosermodes.h"
#include "editingtest.h"
#include "editorrules.h"
#include "fieldcodes.h"
#include "gamerecords.h"

using namespace gamerecords;

TEST(EditingRules, EdgesOfTheMachineTextCodesAndModes)
{
    // The first character decides the family; only the exact "Amiga" asks for more drives.
    using namespace editorrules;
    EXPECT_EQ(startColumn(PickButton::Game, "Commodore") + startColumn(PickButton::Screen1, ""),
              "game64screenamiga");
    EXPECT_FALSE(showsDiskButton("Amig") || asksOtherDrives("Amiga "));
    EXPECT_TRUE(lacksTitleOrMachine("   ", "C64") && !findFieldCode("") && !findFieldCode("MU"));
    EXPECT_FALSE(chooserMode("GAME").known || chooserMode("GAME").opensInStartdir);
    EXPECT_TRUE(gameDiskColumn(kMaxGameDisks).isEmpty() && gameDiskColumn(-1).isEmpty());
    EXPECT_TRUE(storedText("").isNull() && !offersOtherDisk(""));
}

TEST(GameRecords, HostileTextIsStoredVerbatimAndBadWritesLeaveNoTrace)
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
