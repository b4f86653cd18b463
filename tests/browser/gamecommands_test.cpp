#include "database.h"
#include "gamecommands.h"
#include "testcatalogue.h"

#include <gtest/gtest.h>

using namespace browser;

TEST(GameCommands, ChooserFoldersFollowTheFirstLetter)
{
    for (const char *c64 : {"C64", "C128", "c64"})
        EXPECT_TRUE(usesC64Folders(c64)) << c64;
    for (const char *other : {"Amiga 3.x", "", " C64"})
        EXPECT_FALSE(usesC64Folders(other)) << other;
}

TEST(GameCommands, DeleteGameRemovesExactlyThatGameOrReports)
{
    TestCatalogue c;
    const int a = c.addGame({{"titolo", "A"}, {"formato", "C64"}});
    const int b = c.addGame({{"titolo", "B' or 1=1 --"}, {"formato", "C64"}});
    QString error;
    EXPECT_TRUE(deleteGame(c.db(), b, &error)) << error.toStdString();
    EXPECT_EQ(c.count("id=?", {a}), 1);
    // Missing games: an error, nothing deleted (the same game twice included).
    for (int id : {b, a + b, 0})
        EXPECT_FALSE(deleteGame(c.db(), id, &error)) << id;
    EXPECT_EQ(c.count(), 1);

    auto readOnly =
        catalogue::Connection::open(c.path(), &error, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(readOnly) << error.toStdString();
    error.clear();
    EXPECT_FALSE(deleteGame(readOnly->db(), a, &error));
    EXPECT_FALSE(error.isEmpty());

    // A refused delete keeps the row and leaves no transaction open.
    catalogue::run(c.db(), "create trigger keep before delete on tabella1 "
                           "begin select raise(abort, 'kept by a rule'); end");
    EXPECT_FALSE(deleteGame(c.db(), a, &error));
    EXPECT_TRUE(error.contains("kept by a rule")) << error.toStdString();
    EXPECT_EQ(c.count(), 1);
    catalogue::run(c.db(), "drop trigger keep");
    EXPECT_TRUE(deleteGame(c.db(), a, &error)) << error.toStdString();
    EXPECT_EQ(c.count(), 0);
}
