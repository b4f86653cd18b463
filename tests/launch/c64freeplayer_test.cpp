// The free player: browsing, the directory display, the emulator buttons and "Associate".
#include "browselists.h"
#include "c64freeplayer.h"
#include "c64playertestbase.h"
#include "c64registry.h"
#include "shortpath.h"

#include <QDir>
#include <QLineEdit>

namespace
{

class FreePlayer : public C64PlayerTest
{
protected:
    std::unique_ptr<Form5> open()
    {
        ctx.startdir = tc.temp.path();
        auto form = std::make_unique<Form5>(ctx);
        return form;
    }
    // Clicks a file of the file list by name.
    void click(Form5 &form, const QString &name)
    {
        auto *files = form.findChild<FileListBox *>(QStringLiteral("File1"));
        ASSERT_NE(files, nullptr);
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items.first());
    }
    void select(Form5 &form, int row) { list(&form)->setCurrentRow(row); }
};

} // namespace

TEST_F(FreePlayer, LoadsWithItsControlsAndOpensTheStartFolder)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    ctx.browsepath = QStringLiteral("before");
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("C64 Game Player"));
    EXPECT_EQ(ctx.c64window, form.get());
    for (const char *name : {"Drive1", "Dir1", "File1", "Text1", "List1", "txtDiskName",
                             "txtDiskID", "lblD64File", "lblBlocksFree", "NmButton5"})
        EXPECT_NE(form->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(button(form.get(), 5)->text(), QStringLiteral("Associate"));
    EXPECT_EQ(shownButtons(form.get()),
              (QStringList{"NmButton1", "NmButton2", "NmButton3", "NmButton4"}));
    EXPECT_EQ(form->findChild<DirListBox *>(QStringLiteral("Dir1"))->path(),
              QDir::toNativeSeparators(tc.temp.path()));
    EXPECT_EQ(form->findChild<FileListBox *>(QStringLiteral("File1"))->count(), 3);
    EXPECT_EQ(ctx.browsepath, QString());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FreePlayer, StartFolderThatCannotBeOpenedFallsBackToTheRoot)
{
    for (const QString &start : {tc.temp.filePath(QStringLiteral("nowhere")), QString()}) {
        ctx.startdir = start;
        ctx.browsepath = QStringLiteral("kept");
        Form5 form(ctx);
        EXPECT_EQ(form.findChild<DriveListBox *>(QStringLiteral("Drive1"))->drive(),
                  QDir::toNativeSeparators(QDir::rootPath()));
        EXPECT_EQ(form.findChild<DirListBox *>(QStringLiteral("Dir1"))->path(),
                  QDir::toNativeSeparators(QDir::rootPath()));
        EXPECT_EQ(ctx.browsepath, QStringLiteral("kept"));
    }
}

TEST_F(FreePlayer, ButtonsCloseUpInARow)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    auto all = open();
    all->show();
    const int first = button(all.get(), 1)->x();
    const int second = button(all.get(), 2)->x();

    configure(QVariant(), "/emu/x64", "", "/emu/pc64");
    auto some = open();
    some->show();
    EXPECT_EQ(shownButtons(some.get()), (QStringList{"NmButton2", "NmButton4"}));
    EXPECT_EQ(button(some.get(), 2)->x(), first);
    EXPECT_EQ(button(some.get(), 4)->x(), second);

    configure(QVariant(), "", QVariant(), "");
    auto none = open();
    EXPECT_TRUE(shownButtons(none.get()).isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FreePlayer, ClickingADiskImageListsItsDirectory)
{
    auto form = open();
    click(*form, QStringLiteral("GAME.D64"));
    EXPECT_EQ(ctx.gamefile, d64);
    EXPECT_EQ(ctx.browsepath, d64);
    EXPECT_EQ(text(form.get(), "Text1"), d64);
    EXPECT_EQ(text(form.get(), "lblD64File"), d64);
    EXPECT_EQ(text(form.get(), "txtDiskName"), QStringLiteral("PLAYER DISK"));
    EXPECT_EQ(text(form.get(), "txtDiskID"), QStringLiteral("PD") + QChar(0xA0) + "2A");
    EXPECT_EQ(text(form.get(), "lblBlocksFree"), QStringLiteral("664 BLOCKS FREE."));
    ASSERT_EQ(list(form.get())->count(), 3);
    EXPECT_EQ(list(form.get())->item(1)->text(), QStringLiteral("\"MANIC MINER\"      \t120\tPRG"));
    EXPECT_EQ(list(form.get())->currentRow(), -1);

    // A tape empties the ID and the free blocks; any other file clears everything.
    click(*form, QStringLiteral("TAPE.T64"));
    EXPECT_EQ(text(form.get(), "txtDiskName"), QStringLiteral("MY TAPE"));
    EXPECT_EQ(text(form.get(), "txtDiskID"), QString());
    EXPECT_EQ(text(form.get(), "lblBlocksFree"), QString());
    EXPECT_EQ(list(form.get())->count(), 2);

    const QString other = image(QStringLiteral("readme.txt"), "hello");
    form->findChild<FileListBox *>(QStringLiteral("File1"))->refresh();
    click(*form, QStringLiteral("readme.txt"));
    EXPECT_EQ(list(form.get())->count(), 0);
    EXPECT_EQ(text(form.get(), "txtDiskName"), QString());
    EXPECT_EQ(text(form.get(), "lblD64File"), other);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FreePlayer, CorruptedDirectoryWarnsAndDisablesUntilTheNextImage)
{
    auto form = open();
    click(*form, QStringLiteral("BROKEN.D64"));
    ASSERT_EQ(tc.dialogs.shown.size(), 1);
    const FakeDialogs::Shown &m = tc.dialogs.shown.first();
    EXPECT_EQ(m.text, QStringLiteral("Directory appears to be corrupted.\r\nIt is recommended to "
                                     "NOT use this program with this file."));
    EXPECT_EQ(m.icon, Dialogs::Icon::Information);
    EXPECT_EQ(m.title, QStringLiteral("Corrupted Directory?"));
    EXPECT_EQ(list(form.get())->count(), 144);
    EXPECT_FALSE(enabled(form.get(), "List1"));
    EXPECT_FALSE(enabled(form.get(), "txtDiskID"));
    EXPECT_FALSE(enabled(form.get(), "txtDiskName"));

    click(*form, QStringLiteral("GAME.D64"));
    EXPECT_TRUE(enabled(form.get(), "List1"));
    EXPECT_TRUE(enabled(form.get(), "txtDiskID"));
    EXPECT_TRUE(enabled(form.get(), "txtDiskName"));
    EXPECT_EQ(tc.dialogs.shown.size(), 1);
}

TEST_F(FreePlayer, EmulatorButtonsBuildTheirLines)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    auto form = open();
    click(*form, QStringLiteral("GAME.D64"));
    const QString s = nomecorto(d64);
    ASSERT_FALSE(s.isEmpty());

    form->NmButton1_Click(); // nothing selected
    select(*form, 2);
    button(form.get(), 1)->click();
    select(*form, 0);
    form->NmButton1_Click();
    select(*form, 1);
    form->NmButton2_Click();
    form->NmButton3_Click();
    form->NmButton4_Click();
    ASSERT_EQ(tc.launcher.started.size(), 6);
    EXPECT_EQ(tc.launcher.started[0].text(), "/emu/ccs64 " + s + ",-1");
    EXPECT_EQ(tc.launcher.started[1].text(), "/emu/ccs64 " + s + ",2");
    EXPECT_EQ(tc.launcher.started[2].text(), "/emu/ccs64 " + s);
    EXPECT_EQ(tc.launcher.started[3].text(), "/emu/x64 " + s + ":manic miner");
    EXPECT_EQ(tc.launcher.started[4].program, QStringLiteral("/emu/c64s"));
    EXPECT_EQ(tc.launcher.started[4].windowStyle, WindowStyle::MinimizedFocus);
    EXPECT_EQ(tc.launcher.started[4].arguments.mid(0, 4),
              (QStringList{"-diskdir", QDir::toNativeSeparators(tc.temp.path()), "-disk",
                           QDir::separator() + QStringLiteral("GAME.D64")}));
    EXPECT_EQ(tc.launcher.started[5].text(), "/emu/pc64 " + s);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(FreePlayer, FocusWithoutSelectionIsNoChoice)
{
    configure("/emu/ccs64", "/emu/x64", QVariant(), QVariant());
    auto form = open();
    click(*form, QStringLiteral("GAME.D64"));
    list(form.get())->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    form->NmButton2_Click();
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0].text(), "/emu/x64 " + nomecorto(d64));
}

TEST_F(FreePlayer, FailuresBeepAndNameTheEmulator)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    tc.launcher.failing.insert(QStringLiteral("/emu/x64"));
    auto form = open();
    form->NmButton1_Click(); // no file yet
    click(*form, QStringLiteral("GAME.D64"));
    form->NmButton2_Click(); // cannot start
    image(QStringLiteral("GAME.PRG"), "\x01\x08");
    form->findChild<FileListBox *>(QStringLiteral("File1"))->refresh();
    click(*form, QStringLiteral("GAME.PRG"));
    form->NmButton3_Click();
    form->NmButton4_Click();
    EXPECT_TRUE(tc.launcher.started.isEmpty());
    EXPECT_EQ(tc.dialogs.messages(),
              (QStringList{"Bad Configuration for CCS64", "Bad Configuration for VICE",
                           "File type not supported by emulator",
                           "File type not supported by emulator"}));
    EXPECT_EQ(tc.dialogs.beeps(), 4);
    for (const FakeDialogs::Shown &s : tc.dialogs.shown)
        if (s.kind == FakeDialogs::Shown::Message) {
            EXPECT_EQ(s.icon, Dialogs::Icon::Critical);
            EXPECT_EQ(s.title, QStringLiteral("Error"));
        }
}

TEST_F(FreePlayer, ButtonsStartThisWindowsFile)
{
    configure("/emu/ccs64", QVariant(), QVariant(), QVariant());
    auto form = open();
    click(*form, QStringLiteral("GAME.D64"));
    ctx.gamefile = t64; // another window moved on
    form->NmButton1_Click();
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0].arguments.first(), nomecorto(d64) + ",-1");
}

TEST_F(FreePlayer, AssociateHandsTheFileToTheAssociationEditor)
{
    auto form = open();
    form->NmButton5_Click(); // no editor registered: nothing opens
    EXPECT_EQ(ctx.assocmode, QStringLiteral("C64"));
    EXPECT_EQ(ctx.windows.find(QStringLiteral("Form3")), nullptr);

    ctx.assocmode.clear();
    ctx.windows.addFactory(QStringLiteral("Form3"), [] { return new QWidget; });
    button(form.get(), 5)->click();
    EXPECT_EQ(ctx.assocmode, QStringLiteral("C64"));
    EXPECT_NE(ctx.windows.find(QStringLiteral("Form3")), nullptr);
    ctx.windows.closeAll();
}

TEST_F(FreePlayer, CatalogueThatFailsTheOpenTestShowsNoButtons)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    ctx.paths.catalogue = tc.temp.filePath(QStringLiteral("missing.mdb"));
    auto form = open();
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Database Open Error"});
    EXPECT_TRUE(shownButtons(form.get()).isEmpty());
}

TEST_F(FreePlayer, RegisteredUnderItsClassName)
{
    registerC64Windows(ctx);
    ctx.startdir = tc.temp.path();
    QWidget *w = ctx.windows.show(QStringLiteral("Form5"));
    ASSERT_NE(w, nullptr);
    EXPECT_NE(qobject_cast<Form5 *>(w), nullptr);
    EXPECT_EQ(ctx.windows.show(QStringLiteral("Form5")), w);
    ctx.windows.closeAll();
}
