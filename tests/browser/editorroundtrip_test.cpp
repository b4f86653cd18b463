// The main window with the real record editor: a command opens the editor, the editor
// saves, and the main window's reactivation shows the result.
#include "editingregistry.h"
#include "mainfixture.h"
#include "recordeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace
{

class EditorRoundTrip : public MainFixture
{
protected:
    void SetUp() override
    {
        registerEditingWindows(*t.ctx);
        alpha = add("Alpha", "C64");
        bravo = t.catalogue.addGame({{"titolo", "Bravo"}, {"formato", "C64"}, {"sh", "Old"}});
        charlie = add("Charlie", "Amiga");
        open();
    }

    Credits *editor() { return t.ctx->windows.find<Credits>("Credits"); }

    Credits *addGame(const QString &title, const QString &formato)
    {
        w->NmButton2->click();
        Credits *e = editor();
        EXPECT_TRUE(e && !e->isModifying());
        if (e) {
            e->findChild<QLineEdit *>("titolo")->setText(title);
            e->findChild<QComboBox *>("formato")->setEditText(formato);
            e->SaveRecord_Click();
            e->close();
        }
        return e;
    }

    int alpha = 0, bravo = 0, charlie = 0;
};

} // namespace

TEST_F(EditorRoundTrip, ModifyReselectsTheSameEntryWithoutRebuilding)
{
    w->setListIndex(1);
    w->NmButton3->click();
    Credits *e = editor();
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->isModifying());
    EXPECT_EQ(e->findChild<QLineEdit *>("titolo")->text(), "Bravo");
    e->findChild<QLineEdit *>("titolo")->setText("Bravo 2");
    e->findChild<QLineEdit *>("SH")->setText("New House");
    e->Modify_Click(); // Yes from the fake dialogs; saves and closes
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(t.catalogue.value(bravo, "sh"), "New House");

    w->Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(w->listIndex(), 1);
    EXPECT_EQ(w->currentId(), bravo);
    EXPECT_EQ(w->Text1->text(), "New House");
    EXPECT_EQ(w->Frame1->title(), "Bravo 2");
    EXPECT_EQ(titles().at(1), "Bravo"); // the list text waits for a refresh
    // Consumed: a second activation has nothing left to do.
    w->setListIndex(0);
    w->Form_Activate();
    EXPECT_EQ(w->currentId(), alpha);

    // Delete, then Modify works on the new selection.
    w->setListIndex(1);
    w->NmButton5->click();
    ASSERT_EQ(w->currentId(), charlie);
    w->NmButton3->click();
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->findChild<QLineEdit *>("titolo")->text(), "Charlie");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
}

TEST_F(EditorRoundTrip, NewSelectsTheAddedGameWhenTheFiltersLetItIn)
{
    addGame("Bongo", "C128");
    ASSERT_EQ(t.catalogue.count("titolo=?", {"Bongo"}), 1);
    w->Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(w->listCount(), 4);
    EXPECT_EQ(w->listIndex(), 1);
    EXPECT_EQ(w->Frame1->title(), "Bongo");
    EXPECT_EQ(w->lbldisplay->text(), "4");

    // Kept out by the filters: the refreshed list, nothing selected.
    w->Check5->click(); // C64 only
    addGame("Zool", "Amiga");
    w->Form_Activate();
    EXPECT_EQ(titles(), (QStringList{"Alpha", "Bongo", "Bravo"}));
    EXPECT_EQ(t.ctx->savedlistindex, w->listCount());
    EXPECT_EQ(w->listIndex(), -1);
    EXPECT_EQ(w->Frame1->title(), "Alpha");
}
