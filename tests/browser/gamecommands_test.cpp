#include "database.h"
#include "gamecommands.h"
#include "testcatalogue.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace browser;

TEST(GameCommands, PlayTargetOfEveryFormatCode)
{
    EXPECT_EQ(playTarget("C64"), PlayTarget::C64);
    EXPECT_EQ(playTarget("C128"), PlayTarget::C64);
    for (const char *amiga : {"Amiga", "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"})
        EXPECT_EQ(playTarget(amiga), PlayTarget::Amiga) << amiga;
    // The list's machine filter compares case-blind, so PLAY does too.
    EXPECT_EQ(playTarget("c128"), PlayTarget::C64);
    EXPECT_EQ(playTarget("AMIGA 2.X"), PlayTarget::Amiga);
    for (const char *other : {"", "C16", "C64 ", "Amiga CD32", "Amiga 4.0", "Spectrum", "64"})
        EXPECT_EQ(playTarget(other), PlayTarget::None) << other;
}

TEST(GameCommands, ChooserFoldersFollowTheFirstLetter)
{
    EXPECT_TRUE(usesC64Folders("C64"));
    EXPECT_TRUE(usesC64Folders("C128"));
    EXPECT_TRUE(usesC64Folders("c64"));
    EXPECT_FALSE(usesC64Folders("Amiga 3.x"));
    EXPECT_FALSE(usesC64Folders(""));
    EXPECT_FALSE(usesC64Folders(" C64"));
}

TEST(GameCommands, UtilityAndNewsFileBesideTheProgram)
{
    const QString dir = QDir::tempPath() + "/with blank";
    const Command merrow = merrowCommand(dir, "/data/my games/commodore.mdb");
#ifdef Q_OS_WIN
    EXPECT_EQ(merrow.program, QDir::toNativeSeparators(dir + "/merrow.exe"));
#else
    EXPECT_EQ(merrow.program, dir + "/merrow");
#endif
    // One argument each: the blanks of the path need no quoting.
    EXPECT_EQ(merrow.arguments, (QStringList{"--catalogue", "/data/my games/commodore.mdb"}));
    EXPECT_EQ(merrow.windowStyle, WindowStyle::NormalFocus);
    EXPECT_EQ(newsFile(dir), QDir::toNativeSeparators(dir + "/readme.txt"));
}

class DeleteGameTest : public testing::Test
{
protected:
    TestCatalogue c;
};

TEST_F(DeleteGameTest, DeletesExactlyThatGame)
{
    const int a = c.addGame({{"titolo", "A"}, {"formato", "C64"}});
    const int b = c.addGame({{"titolo", "B' or 1=1 --"}, {"formato", "C64"}});
    const int d = c.addGame({{"titolo", "D"}, {"formato", "Amiga"}});
    QString error;
    EXPECT_TRUE(deleteGame(c.db(), b, &error)) << error.toStdString();
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(c.count("id=?", {b}), 0);
    EXPECT_EQ(c.count("id in (?, ?)", {a, d}), 2);
}

TEST_F(DeleteGameTest, AMissingGameIsAnErrorAndDeletesNothing)
{
    const int a = c.addGame({{"titolo", "A"}});
    QString error;
    EXPECT_FALSE(deleteGame(c.db(), a + 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(deleteGame(c.db(), 0, &error));
    EXPECT_EQ(c.count(), 1);
    // The same game twice: the second time it is gone.
    EXPECT_TRUE(deleteGame(c.db(), a, &error));
    EXPECT_FALSE(deleteGame(c.db(), a, &error));
}

TEST_F(DeleteGameTest, ARefusedDeleteKeepsTheRowAndLeavesNoTransactionOpen)
{
    const int a = c.addGame({{"titolo", "A"}});
    catalogue::run(c.db(), "create trigger keep before delete on tabella1 "
                           "begin select raise(abort, 'kept by a rule'); end");
    QString error;
    EXPECT_FALSE(deleteGame(c.db(), a, &error));
    EXPECT_TRUE(error.contains("kept by a rule")) << error.toStdString();
    EXPECT_EQ(c.count(), 1);
    // The failed attempt rolled back: a later write on the connection works.
    catalogue::run(c.db(), "drop trigger keep");
    EXPECT_TRUE(deleteGame(c.db(), a, &error)) << error.toStdString();
}

TEST_F(DeleteGameTest, AReadOnlyCatalogueIsReported)
{
    const int a = c.addGame({{"titolo", "A"}});
    QString error;
    auto readOnly =
        catalogue::Connection::open(c.path(), &error, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(readOnly) << error.toStdString();
    EXPECT_FALSE(deleteGame(readOnly->db(), a, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(c.count(), 1);
}
