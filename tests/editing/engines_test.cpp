#include "editingtest.h"
#include "gamerecords.h"

using namespace gamerecords;

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
    EXPECT_EQ(tc.text(id, "titolo"), tricky);
    // No transaction was left open.
    EXPECT_GT(insertGame(db, {{"titolo", "Next"}}, &error), 0) << error.toStdString();
    EXPECT_EQ(tc.catalogue.count(), 2);
}
