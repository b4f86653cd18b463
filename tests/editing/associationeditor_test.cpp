#include "associationeditor.h"
#include "editingtest.h"

#include <QListWidget>

#include <utility>

namespace
{

class AssociationEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Stand-ins for the player windows: a window with the boxes Form3 reads.
        for (const auto &[name, boxes] : {std::pair{"Form5", 1}, {"amiplayer", 4}, {"Form8", 1}})
            tc.app().windows.addFactory(name, [name = name, boxes = boxes] {
                auto *w = new QWidget;
                w->setObjectName(name);
                for (int i = 1; i <= boxes; ++i)
                    (new QLineEdit(w))->setObjectName(QStringLiteral("Text%1").arg(i));
                return w;
            });
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
        tc.panel.gameLamp = tc.panel.musicLamp = false;
    }
    // The player fills its boxes, sets assocmode and opens the editor, as "Associate" does.
    Form3 *openFrom(const char *player, const QString &mode, const QStringList &boxes)
    {
        QWidget *p = showWindow(tc.app(), player);
        for (int i = 0; i < boxes.size(); ++i)
            box(p, QStringLiteral("Text%1").arg(i + 1))->setText(boxes.at(i));
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
    // Chooses the game (0: none) and clicks "OK".
    static void ok(Form3 *w, int id)
    {
        control<QListWidget>(w, "List1")->setCurrentRow(listed(w).indexOf(id));
        click(w, "Command1");
    }
    void okUpdated(Form3 *w, int id)
    {
        ok(w, id);
        EXPECT_EQ(tc.dialogs.messages(), QStringList{"Configuration UPDATED!"});
        EXPECT_EQ(tc.dialogs.shown.value(0).kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
        EXPECT_FALSE(isOpen(tc.app(), "Form3"));
        tc.dialogs.clear();
    }

    EditingContext tc;
    int zork = 0, bard = 0, lemmings = 0, another = 0;
};

} // namespace

TEST_F(AssociationEditor, EachKindListsItsMachinesAndWritesItsFields)
{
    const QList<int> c64s{bard, zork}, amigas{another, lemmings}; // by title, case-blind
    Form3 *w = openFrom("Form5", "C64", {"/c64/zork.d64"});
    EXPECT_EQ(listed(w), c64s);
    okUpdated(w, zork);
    EXPECT_EQ(tc.text(zork, "emul1") + tc.text(zork, "dbver"), "/c64/zork.d64v1");
    EXPECT_TRUE(tc.null(zork, "song") && tc.panel.gameLamp && !tc.panel.musicLamp);

    w = openFrom("amiplayer", "Amiga", {"/ami/1", "/ami/2", "", ""});
    EXPECT_EQ(listed(w), amigas);
    okUpdated(w, lemmings);
    EXPECT_EQ(tc.text(lemmings, "emul1") + tc.text(lemmings, "df1"), "/ami/1/ami/2");
    EXPECT_TRUE(tc.null(lemmings, "df2") && tc.null(lemmings, "df3")) << "empty boxes clear";
    EXPECT_EQ(tc.text(lemmings, "song"), "/old/l.mod");

    tc.panel.gameLamp = false;
    w = openFrom("Form8", "AmigaM", {"/MUSIC~1/LEMMIN~1.MOD"});
    EXPECT_EQ(listed(w), amigas);
    okUpdated(w, lemmings);
    EXPECT_EQ(tc.text(lemmings, "song") + tc.text(lemmings, "emul1"),
              "/MUSIC~1/LEMMIN~1.MOD/ami/1");
    EXPECT_TRUE(tc.panel.musicLamp && !tc.panel.gameLamp);

    tc.panel.musicLamp = false;
    w = openFrom("Form8", "C64M", {""});
    EXPECT_EQ(listed(w), c64s);
    okUpdated(w, zork);
    EXPECT_TRUE(tc.null(zork, "song") && !tc.panel.musicLamp) << "no song, no lamp";
}

TEST_F(AssociationEditor, WritesNothingAndSaysWhyWhenItCannot)
{
    // No game chosen; the chosen game deleted meanwhile; an unknown kind; the player closed.
    Form3 *w = openFrom("Form5", "C64", {"/c64/x.d64"});
    ok(w, 0);
    tc.remove(bard);
    ok(w, bard);
    w->close();
    w = openFrom("Form5", "Spectrum", {"/x"});
    EXPECT_EQ(listed(w).size(), 3) << "every game whose machine has a value";
    ok(w, zork);
    w->close();
    w = openFrom("amiplayer", "Amiga", {"/a", "/b", "/c", "/d"});
    tc.app().windows.find("amiplayer")->close();
    flushDeletes();
    ok(w, lemmings);
    const QStringList said = tc.dialogs.messages();
    ASSERT_EQ(said.size(), 4);
    EXPECT_TRUE(said.at(0).contains("Select a game") &&
                said.at(1).contains("no longer in the catalogue"));
    EXPECT_TRUE(!said.contains("Configuration UPDATED!") && said.at(3).contains("closed"));
    EXPECT_TRUE(isOpen(tc.app(), "Form3"));
    EXPECT_EQ(tc.catalogue.count("emul1 is not null"), 1) << "only the Amiga game had one";
    EXPECT_TRUE(tc.text(lemmings, "df3") == "/old/4" && !tc.panel.gameLamp);
    const auto shown = tc.dialogs.shown.size();
    click(w, "Command2");
    EXPECT_FALSE(isOpen(tc.app(), "Form3"));
    EXPECT_EQ(tc.dialogs.shown.size(), shown) << "Cancel says nothing";
}

// Reopened by another player while inactive, it must not write the first player's boxes.
TEST_F(AssociationEditor, ReopenedByAnotherPlayerItReloadsInsteadOfWriting)
{
    Form3 *w = openFrom("Form5", "C64", {"/c64/zork.d64"});
    control<QListWidget>(w, "List1")->setCurrentRow(listed(w).indexOf(zork));
    box(showWindow(tc.app(), "Form8"), "Text1")->setText("/music/zork.sid");
    tc.app().assocmode = "AmigaM";
    click(w, "Command1");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("Nothing was written"));
    EXPECT_TRUE(tc.null(zork, "emul1"));
    EXPECT_EQ(listed(w), (QList<int>{another, lemmings})) << "the music player's machine";
    tc.dialogs.clear();
    okUpdated(w, lemmings);
    EXPECT_EQ(tc.text(lemmings, "song") + tc.text(lemmings, "emul1"), "/music/zork.sid/old/1");
}
