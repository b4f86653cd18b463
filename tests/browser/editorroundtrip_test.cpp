// The main window with the real record editor: a command opens the editor, the editor
// saves, and the main window's reactivation shows the result.
#include "editingregistry.h"
#include "gamelistmodel.h"
#include "mainwindow.h"
#include "recordeditor.h"
#include "testcatalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class EditorRoundTrip : public testing::Test
{
protected:
    void SetUp() override
    {
        registerEditingWindows(*t.ctx);
        alpha = t.catalogue.addGame({{"titolo", "Alpha"}, {"formato", "C64"}});
        bravo = t.catalogue.addGame({{"titolo", "Bravo"}, {"formato", "C64"}, {"sh", "Old"}});
        charlie = t.catalogue.addGame({{"titolo", "Charlie"}, {"formato", "Amiga"}});
        w = std::make_unique<Form1>(*t.ctx);
    }
    void TearDown() override
    {
        t.ctx->windows.closeAll();
        w.reset();
    }

    Credits *editor() { return t.ctx->windows.find<Credits>("Credits"); }

    TestContext t;
    std::unique_ptr<Form1> w;
    int alpha = 0, bravo = 0, charlie = 0;
};

} // namespace

TEST_F(EditorRoundTrip, ModifyShowsTheChangedGameInTheSameEntry)
{
    w->setListIndex(1);
    w->NmButton3->click();
    Credits *e = editor();
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->isModifying());
    EXPECT_EQ(e->findChild<QLineEdit *>("titolo")->text(), "Bravo");
    e->findChild<QLineEdit *>("SH")->setText("New House");
    e->Modify_Click(); // Yes from the fake dialogs; saves and closes
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(t.catalogue.value(bravo, "sh"), "New House");

    w->Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(w->listIndex(), 1);
    EXPECT_EQ(w->currentId(), bravo);
    EXPECT_EQ(w->Text1->text(), "New House");
    // A second activation has nothing left to do.
    w->setListIndex(0);
    w->Form_Activate();
    EXPECT_EQ(w->currentId(), alpha);
}

TEST_F(EditorRoundTrip, NewSelectsTheAddedGame)
{
    w->NmButton2->click();
    Credits *e = editor();
    ASSERT_NE(e, nullptr);
    ASSERT_FALSE(e->isModifying());
    e->findChild<QLineEdit *>("titolo")->setText("Bongo");
    e->findChild<QComboBox *>("formato")->setEditText("C128");
    e->SaveRecord_Click();
    e->close();
    ASSERT_EQ(t.catalogue.count("titolo=?", {"Bongo"}), 1);

    w->Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(w->listCount(), 4);
    EXPECT_EQ(w->listIndex(), 1);
    EXPECT_EQ(w->Frame1->title(), "Bongo");
    EXPECT_EQ(w->lbldisplay->text(), "4");
}

TEST_F(EditorRoundTrip, DeleteThenModifyWorksOnTheNewSelection)
{
    w->setListIndex(1);
    w->NmButton5->click();
    ASSERT_EQ(w->currentId(), charlie);
    w->NmButton3->click();
    Credits *e = editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->findChild<QLineEdit *>("titolo")->text(), "Charlie");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
}
