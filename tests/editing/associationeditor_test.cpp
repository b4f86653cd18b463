#include "associationeditor.h"
#include "editingtest.h"

#include <QListWidget>
#include <QSignalSpy>

namespace
{

class AssociationEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zork = tc.catalogue.addGame({{"titolo", "zork"}, {"formato", "C64"}, {"dbver", "v1"}});
        bard = tc.catalogue.addGame({{"titolo", "Bard's Tale"}, {"formato", "C128"}});
        lemmings = tc.catalogue.addGame({{"titolo", "Lemmings"},
                                         {"formato", "Amiga"},
                                         {"emul1", "/old/1"},
                                         {"df1", "/old/2"},
                                         {"df2", "/old/3"},
                                         {"df3", "/old/4"},
                                         {"song", "/old/l.mod"}});
        another = tc.catalogue.addGame({{"titolo", "Another World"}, {"formato", "Amiga 1.3"}});
        tc.catalogue.addGame({{"titolo", "Unknown machine"}});
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
    // Chooses the game (0: none) and clicks "OK".
    static void ok(QWidget *w, int id)
    {
        control<QListWidget>(w, "gameList")->setCurrentRow(listed(w).indexOf(id));
        click(w, "okButton");
    }

    EditingContext tc;
    int zork = 0, bard = 0, lemmings = 0, another = 0;
};

} // namespace

TEST_F(AssociationEditorTest, EachKindListsItsMachineAndWritesItsColumns)
{
    const QList<int> c64s{bard, zork}, amigas{another, lemmings}; // by title, case-blind
    const struct {
        AssociationKind kind;
        QStringList files;
        int game;
        QList<int> listed;
        const char *column, *expected;
    } cases[] = {
        {AssociationKind::C64Game, {"/c64/zork.d64"}, 0, c64s, "emul1", "/c64/zork.d64"},
        {AssociationKind::AmigaGame, {"/ami/1", "/ami/2", "", ""}, 2, amigas, "df1", "/ami/2"},
        {AssociationKind::AmigaMusic,
         {"/MUSIC~1/LEMMIN~1.MOD"},
         2,
         amigas,
         "song",
         "/MUSIC~1/LEMMIN~1.MOD"},
        {AssociationKind::C64Music, {"/c64/zork.sid"}, 0, c64s, "song", "/c64/zork.sid"},
    };
    QSignalSpy made(&tc.events(), &WindowEvents::associationMade);
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column);
        const int id = c.game == 0 ? zork : lemmings;
        AssociationEditor *w = open(c.kind, c.files);
        EXPECT_EQ(listed(w), c.listed);
        tc.dialogs.clear();
        ok(w, id);
        EXPECT_EQ(tc.text(id, c.column), c.expected);
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Configuration UPDATED!"});
        EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
        EXPECT_FALSE(tc.isOpen(WindowKey::AssociationEditor));
        EXPECT_EQ(made.last().at(0).value<AssociationKind>(), c.kind);
        EXPECT_EQ(made.last().at(1).toInt(), id);
        EXPECT_EQ(saved.last().at(0).toInt(), id);
    }
    EXPECT_TRUE(tc.null(lemmings, "df2")) << "empty files clear";
    EXPECT_EQ(tc.text(lemmings, "emul1"), "/ami/1") << "the music kind keeps the game file";
    EXPECT_EQ(tc.text(zork, "dbver"), "v1");
}

TEST_F(AssociationEditorTest, WritesNothingWithoutAGameOrForADeletedOne)
{
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    AssociationEditor *w = open(AssociationKind::C64Game, {"/c64/x.d64"});
    ok(w, 0);
    tc.remove(bard);
    ok(w, bard);
    const QStringList said = tc.dialogs.messages();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said.at(0).contains("Select a game"));
    EXPECT_TRUE(said.at(1).contains("no longer in the catalogue"));
    EXPECT_TRUE(tc.isOpen(WindowKey::AssociationEditor));
    EXPECT_EQ(tc.catalogue.count("emul1 is not null"), 1) << "only the Amiga game had one";
    EXPECT_EQ(saved.size(), 0);
    const auto shown = tc.dialogs.shown.size();
    click(w, "cancelButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::AssociationEditor));
    EXPECT_EQ(tc.dialogs.shown.size(), shown) << "Cancel says nothing";
}

// Opened again by another player, it lists that player's games and writes its files.
TEST_F(AssociationEditorTest, OpenedAgainItFollowsTheLastOpener)
{
    AssociationEditor *w = open(AssociationKind::C64Game, {"/c64/zork.d64"});
    control<QListWidget>(w, "gameList")->setCurrentRow(listed(w).indexOf(zork));
    EXPECT_EQ(open(AssociationKind::AmigaMusic, {"/music/zork.mod"}), w);
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings}));
    ok(w, lemmings);
    EXPECT_EQ(tc.text(lemmings, "song"), "/music/zork.mod");
    EXPECT_EQ(tc.text(lemmings, "emul1"), "/old/1");
    EXPECT_TRUE(tc.null(zork, "emul1"));
}
