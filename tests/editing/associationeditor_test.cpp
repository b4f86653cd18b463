#include "associationeditor.h"
#include "database.h"
#include "editingtest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace
{

// Stands in for a player window: a window with the boxes Form3 reads.
QWidget *fakePlayer(const QString &name, int boxes)
{
    auto *w = new QWidget;
    w->setObjectName(name);
    for (int i = 1; i <= boxes; ++i) {
        auto *box = new QLineEdit(w);
        box->setObjectName(QStringLiteral("Text%1").arg(i));
    }
    return w;
}

class AssociationEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tc.app().windows.addFactory("Form5", [] { return fakePlayer("Form5", 1); });
        tc.app().windows.addFactory("amiplayer", [] { return fakePlayer("amiplayer", 4); });
        tc.app().windows.addFactory("Form8", [] { return fakePlayer("Form8", 1); });
        zork = tc.catalogue.addGame({{"titolo", "zork"}, {"formato", "C64"}, {"dbver", "v1"}});
        bard = tc.catalogue.addGame({{"titolo", "Bard's Tale"}, {"formato", "C128"}});
        lemmings = tc.catalogue.addGame({{"titolo", "Lemmings"},
                                         {"formato", "Amiga"},
                                         {"emul1", "/old/l1.adf"},
                                         {"df1", "/old/l2.adf"},
                                         {"df2", "/old/l3.adf"},
                                         {"df3", "/old/l4.adf"},
                                         {"song", "/old/l.mod"}});
        another = tc.catalogue.addGame({{"titolo", "Another World"}, {"formato", "Amiga 1.3"}});
        tc.catalogue.addGame({{"titolo", "Unknown machine"}});
    }

    // The player sets assocmode and opens the editor, as its "Associate" button does.
    Form3 *openFrom(const QString &player, const QString &mode, const QStringList &boxes)
    {
        QWidget *p = showWindow(tc.app(), player);
        for (int i = 0; i < boxes.size(); ++i)
            p->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(boxes.at(i));
        tc.app().assocmode = mode;
        return qobject_cast<Form3 *>(showWindow(tc.app(), "Form3"));
    }

    static QList<int> listed(Form3 *w)
    {
        QList<int> ids;
        auto *list = control<QListWidget>(w, "List1");
        for (int i = 0; i < list->count(); ++i)
            ids << list->item(i)->data(Qt::UserRole).toInt();
        return ids;
    }

    static void choose(Form3 *w, int id)
    {
        auto *list = control<QListWidget>(w, "List1");
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toInt() == id)
                list->setCurrentRow(i);
    }

    static void ok(Form3 *w) { control<QPushButton>(w, "Command1")->click(); }

    void expectUpdated()
    {
        ASSERT_EQ(tc.dialogs.shown.size(), 2);
        EXPECT_EQ(tc.dialogs.shown.at(0).kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown.at(1).text, "Configuration UPDATED!");
        EXPECT_EQ(tc.dialogs.shown.at(1).title, "Configuration");
        EXPECT_EQ(tc.dialogs.shown.at(1).icon, Dialogs::Icon::Exclamation);
        EXPECT_FALSE(isOpen(tc.app(), "Form3"));
    }

    EditingContext tc;
    int zork = 0, bard = 0, lemmings = 0, another = 0;
};

} // namespace

TEST_F(AssociationEditor, C64PlayerListsTheC64FamilyAndWritesTheGameFile)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/zork.d64"});
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Associate Game");
    EXPECT_EQ(listed(w), (QList<int>{bard, zork})) << "C64 and C128 by title";
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(0)->text(), "Bard's Tale");
    tc.panel.gameLamp = false;
    choose(w, zork);
    ok(w);
    expectUpdated();
    EXPECT_EQ(tc.catalogue.value(zork, "emul1").toString(), "/c64/zork.d64");
    EXPECT_TRUE(tc.catalogue.value(zork, "song").isNull());
    EXPECT_EQ(tc.catalogue.value(zork, "dbver").toString(), "v1");
    EXPECT_TRUE(tc.panel.gameLamp);
    EXPECT_FALSE(tc.panel.musicLamp);
}

TEST_F(AssociationEditor, AmigaPlayerWritesAllFourDrivesEmptyOnesClear)
{
    Form3 *w = openFrom("amiplayer", "Amiga", {"/ami/l1.adf", "/ami/l2.adf", "", ""});
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings}));
    choose(w, lemmings);
    ok(w);
    expectUpdated();
    EXPECT_EQ(tc.catalogue.value(lemmings, "emul1").toString(), "/ami/l1.adf");
    EXPECT_EQ(tc.catalogue.value(lemmings, "df1").toString(), "/ami/l2.adf");
    EXPECT_TRUE(tc.catalogue.value(lemmings, "df2").isNull());
    EXPECT_TRUE(tc.catalogue.value(lemmings, "df3").isNull());
    EXPECT_EQ(tc.catalogue.value(lemmings, "song").toString(), "/old/l.mod");
    EXPECT_TRUE(tc.panel.gameLamp);
}

TEST_F(AssociationEditor, MusicBrowserWritesOnlyTheSong)
{
    tc.panel.gameLamp = false;
    tc.panel.musicLamp = false;
    Form3 *w = openFrom("Form8", "AmigaM", {"/MUSIC~1/LEMMIN~1.MOD"});
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings}));
    choose(w, lemmings);
    ok(w);
    expectUpdated();
    EXPECT_EQ(tc.catalogue.value(lemmings, "song").toString(), "/MUSIC~1/LEMMIN~1.MOD");
    EXPECT_EQ(tc.catalogue.value(lemmings, "emul1").toString(), "/old/l1.adf");
    EXPECT_TRUE(tc.panel.musicLamp);
    EXPECT_FALSE(tc.panel.gameLamp);

    tc.dialogs.clear();
    w = openFrom("Form8", "C64M", {"/sid/zork.sid"});
    EXPECT_EQ(listed(w), (QList<int>{bard, zork}));
    choose(w, bard);
    ok(w);
    expectUpdated();
    EXPECT_EQ(tc.catalogue.value(bard, "song").toString(), "/sid/zork.sid");
}

TEST_F(AssociationEditor, AnEmptyBoxClearsTheFieldAndLightsNoLamp)
{
    tc.panel.musicLamp = false;
    Form3 *w = openFrom("Form8", "AmigaM", {""});
    choose(w, lemmings);
    ok(w);
    expectUpdated();
    EXPECT_TRUE(tc.catalogue.value(lemmings, "song").isNull());
    EXPECT_FALSE(tc.panel.musicLamp);
}

TEST_F(AssociationEditor, NoSelectionWritesNothingAndSaysWhy)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/x.d64"});
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("Select a game"));
    EXPECT_NE(tc.dialogs.messages().first(), "Configuration UPDATED!");
    EXPECT_TRUE(isOpen(tc.app(), "Form3"));
    EXPECT_EQ(tc.catalogue.count("emul1 is not null"), 1) << "only the Amiga game had one";
}

TEST_F(AssociationEditor, ClosedPlayerWindowWritesNothingAndSaysWhy)
{
    Form3 *w = openFrom("amiplayer", "Amiga", {"/a", "/b", "/c", "/d"});
    tc.app().windows.find("amiplayer")->close();
    flushDeletes();
    choose(w, lemmings);
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("closed"));
    EXPECT_TRUE(isOpen(tc.app(), "Form3"));
    EXPECT_EQ(tc.catalogue.value(lemmings, "emul1").toString(), "/old/l1.adf");
    EXPECT_EQ(tc.catalogue.value(lemmings, "df3").toString(), "/old/l4.adf");
}

TEST_F(AssociationEditor, CancelWritesNothing)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/x.d64"});
    choose(w, zork);
    control<QPushButton>(w, "Command2")->click();
    EXPECT_FALSE(isOpen(tc.app(), "Form3"));
    EXPECT_TRUE(tc.catalogue.value(zork, "emul1").isNull());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(AssociationEditor, GameDeletedMeanwhileIsReported)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/x.d64"});
    choose(w, zork);
    catalogue::run(tc.catalogue.db(), "delete from tabella1 where id=?", {zork});
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("no longer in the catalogue"));
    EXPECT_EQ(tc.catalogue.count("emul1 = '/c64/x.d64'"), 0);
    EXPECT_FALSE(tc.panel.gameLamp);
    EXPECT_TRUE(isOpen(tc.app(), "Form3"));
}

TEST_F(AssociationEditor, UnknownKindListsEveryMachineButWritesNothing)
{
    Form3 *w = openFrom("Form5", "Spectrum", {"/x"});
    EXPECT_EQ(listed(w).size(), 4) << "every game whose machine has a value";
    choose(w, zork);
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_NE(tc.dialogs.messages().first(), "Configuration UPDATED!");
    EXPECT_TRUE(tc.catalogue.value(zork, "emul1").isNull());
}

TEST_F(AssociationEditor, OpenedAgainFromAnotherPlayerItListsThatPlayersGames)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/x.d64"});
    ASSERT_EQ(listed(w), (QList<int>{bard, zork}));
    w->Form_Activate();
    EXPECT_EQ(listed(w), (QList<int>{bard, zork}));
    EXPECT_EQ(openFrom("amiplayer", "Amiga", {"/a"}), w);
    w->Form_Activate();
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings}));
    choose(w, another);
    ok(w);
    EXPECT_EQ(tc.catalogue.value(another, "emul1").toString(), "/a");
}

// Shown again by another player while inactive, the editor must not write the first
// player's boxes into a game chosen from the old list.
TEST_F(AssociationEditor, OkAfterAnotherPlayerOpenedItReloadsInsteadOfWriting)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/zork.d64"});
    choose(w, zork);
    QWidget *music = showWindow(tc.app(), "Form8");
    music->findChild<QLineEdit *>("Text1")->setText("/music/zork.sid");
    tc.app().assocmode = "AmigaM";
    ok(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().at(0).contains("Nothing was written"));
    EXPECT_TRUE(tc.catalogue.value(zork, "emul1").isNull());
    EXPECT_EQ(w->kind().mode, "AmigaM");
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings})) << "the music player's machine";
    tc.dialogs.clear();
    choose(w, lemmings);
    ok(w);
    expectUpdated();
    EXPECT_EQ(tc.catalogue.value(lemmings, "song").toString(), "/music/zork.sid");
    EXPECT_EQ(tc.catalogue.value(lemmings, "emul1").toString(), "/old/l1.adf");
}
