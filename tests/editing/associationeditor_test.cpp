#include "associationeditor.h"
#include "editingtest.h"

#include <QTest>

namespace
{

class AssociationEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zork = tc.catalogue.addGame({{"titolo", "zork"}, {"formato", "C64"}});
        bard = tc.catalogue.addGame({{"titolo", "Bard's Tale"}, {"formato", "C128"}});
        lemmings = tc.catalogue.addGame(
            {{"titolo", "Lemmings"}, {"formato", "Amiga"}, {"emul1", "/old/1"}, {"df2", "/d2"}});
        another = tc.catalogue.addGame({{"titolo", "Another World"}, {"formato", "Amiga 1.3"}});
    }
    AssociationEditor *open(AssociationKind kind, const QStringList &files)
    {
        return tc.open<AssociationEditor>(AssociationRequest{kind, files});
    }
    static QList<int> listed(QWidget *w)
    {
        QList<int> ids;
        auto *list = control<QListWidget>(w, "gameList");
        for (int i = 0; i < list->count(); ++i)
            ids << list->item(i)->data(Qt::UserRole).toInt();
        return ids;
    }
    // Chooses the game (0: none) and clicks "OK", or presses Enter in the list.
    static void ok(QWidget *w, int id, bool enter = false)
    {
        auto *list = control<QListWidget>(w, "gameList");
        list->setCurrentRow(listed(w).indexOf(id));
        if (enter)
            QTest::keyClick(list, Qt::Key_Return);
        else
            click(w, "okButton");
    }

    EditingContext tc;
    int zork = 0, bard = 0, lemmings = 0, another = 0;
};

} // namespace

TEST_F(AssociationEditorTest, EachKindListsItsMachineAndWritesItsColumns)
{
    using K = AssociationKind;
    const QList<int> c64s{bard, zork}, amigas{another, lemmings}; // by title, case-blind
    const struct {
        K kind;
        QStringList files;
        int game;
        QList<int> listed;
        const char *column;
        bool enter;
    } cases[] = {{K::C64Game, {"/zork.d64"}, zork, c64s, "emul1", false},
                 {K::AmigaGame, {"/1", "/2"}, lemmings, amigas, "df1", true},
                 {K::AmigaMusic, {"/MUSIC~1/LEMMIN~1.MOD"}, lemmings, amigas, "song", false},
                 {K::C64Music, {"/zork.sid"}, zork, c64s, "song", true}};
    QSignalSpy made(&tc.events(), &WindowEvents::associationMade);
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column);
        AssociationEditor *w = open(c.kind, c.files);
        EXPECT_EQ(listed(w), c.listed);
        tc.dialogs.clear();
        ok(w, c.game, c.enter);
        EXPECT_EQ(tc.text(c.game, c.column), c.files.last());
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Configuration UPDATED!"});
        EXPECT_EQ(made.last().at(0).value<AssociationKind>(), c.kind);
        EXPECT_EQ(made.last().at(1).toInt(), c.game);
        EXPECT_EQ(saved.last().at(0).toInt(), c.game);
    }
    EXPECT_TRUE(tc.null(lemmings, "df2")) << "a missing file clears its column";
    EXPECT_EQ(tc.text(lemmings, "emul1"), "/1") << "the music kind keeps the game file";
}

// Opened again by another player, it lists that player's games and writes its files.
TEST_F(AssociationEditorTest, OpenedAgainItFollowsTheLastOpenerAndNeedsAGame)
{
    AssociationEditor *w = open(AssociationKind::C64Game, {"/c64/zork.d64"});
    control<QListWidget>(w, "gameList")->setCurrentRow(listed(w).indexOf(zork));
    EXPECT_EQ(open(AssociationKind::AmigaMusic, {"/music/zork.mod"}), w);
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings}));
    click(w, "okButton");
    EXPECT_TRUE(tc.lastMessage().contains("Select a game")) << "the old choice is gone";
    ok(w, lemmings);
    EXPECT_EQ(tc.text(lemmings, "song"), "/music/zork.mod");
    EXPECT_EQ(tc.text(lemmings, "emul1"), "/old/1");
    EXPECT_TRUE(tc.null(zork, "emul1"));
}
