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

TEST_F(MainFixture, EditorSavesAndReactivationShowsTheResult)
{
    registerEditingWindows(*t.ctx);
    const int alpha = add("Alpha", "C64");
    const int bravo = t.catalogue.addGame({{"titolo", "Bravo"}, {"formato", "C64"}});
    const int charlie = add("Charlie", "Amiga");
    Form1 &f = open();
    const auto editor = [&] { return t.ctx->windows.find<Credits>("Credits"); };
    const auto field = [&](const char *name) { return editor()->findChild<QLineEdit *>(name); };

    // "mod" reselects the same entry without rebuilding the list.
    f.setListIndex(1);
    f.NmButton3->click();
    ASSERT_TRUE(editor() && editor()->isModifying());
    EXPECT_EQ(field("titolo")->text(), "Bravo");
    field("titolo")->setText("Bravo 2");
    field("SH")->setText("New House");
    editor()->Modify_Click(); // Yes from the fake dialogs; saves and closes
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(t.catalogue.value(bravo, "sh"), "New House");
    f.Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.currentId(), bravo);
    EXPECT_EQ(f.Text1->text(), "New House");
    EXPECT_EQ(f.Frame1->title(), "Bravo 2");
    EXPECT_EQ(titles().at(1), "Bravo"); // the list text waits for a refresh
    f.setListIndex(0);
    f.Form_Activate(); // consumed: nothing left to do
    EXPECT_EQ(f.currentId(), alpha);

    // Delete, then Modify works on the new selection.
    f.setListIndex(1);
    f.NmButton5->click();
    ASSERT_EQ(f.currentId(), charlie);
    f.NmButton3->click();
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(field("titolo")->text(), "Charlie");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
    t.ctx->windows.closeAll();

    // "new" rebuilds and selects the added game, unless the filters keep it out.
    for (const char *formato : {"C128", "Amiga"}) {
        f.NmButton2->click();
        ASSERT_TRUE(editor() && !editor()->isModifying());
        field("titolo")->setText(QString("New ") + formato);
        editor()->findChild<QComboBox *>("formato")->setEditText(formato);
        editor()->SaveRecord_Click();
        editor()->close();
        f.Form_Activate();
        EXPECT_EQ(t.ctx->refreshflag, "no");
        if (f.Check5->isChecked()) {
            EXPECT_EQ(titles(), (QStringList{"Alpha", "Charlie", "New C128"}));
            EXPECT_EQ(f.listIndex(), 2);
            EXPECT_EQ(f.Frame1->title(), "New C128");
            EXPECT_EQ(f.lbldisplay->text(), "3");
            f.Check5->click(); // C64 only for the next one
        } else {
            EXPECT_EQ(titles(), (QStringList{"Alpha", "New C128"}));
            EXPECT_EQ(t.ctx->savedlistindex, f.listCount());
            EXPECT_EQ(f.listIndex(), -1);
            EXPECT_EQ(f.Frame1->title(), "Alpha");
        }
    }
}
