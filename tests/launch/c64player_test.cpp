// The catalogue player: lists the game file at load, keeps it, starts it, and opens the
// configuration when something is dropped on its emulator frame.
#include "c64player.h"
#include "c64playertestbase.h"
#include "c64registry.h"
#include "shortpath.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>

namespace
{

class CataloguePlayer : public C64PlayerTest
{
protected:
    std::unique_ptr<emu64> open(const QString &gamefile)
    {
        ctx.gamefile = gamefile;
        return std::make_unique<emu64>(ctx);
    }
};

} // namespace

TEST_F(CataloguePlayer, ListsTheGameFileAtLoad)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    auto w = open(d64);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Start C64 Game"));
    EXPECT_EQ(ctx.c64window, w.get());
    auto *frame = w->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("Emulators"));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(button(w.get(), n)->parentWidget(), frame) << n;
    EXPECT_EQ(w->findChild<QWidget *>(QStringLiteral("NmButton5")), nullptr);
    EXPECT_EQ(text(w.get(), "lblD64File"), d64);
    EXPECT_EQ(text(w.get(), "txtDiskName"), QStringLiteral("PLAYER DISK"));
    EXPECT_EQ(text(w.get(), "lblBlocksFree"), QStringLiteral("664 BLOCKS FREE."));
    EXPECT_EQ(list(w.get())->count(), 3);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

TEST_F(CataloguePlayer, ExtensionDispatch)
{
    auto tape = open(QLatin1Char('"') + t64 + QLatin1Char('"'));
    EXPECT_EQ(text(tape.get(), "lblD64File"), t64);
    EXPECT_EQ(list(tape.get())->count(), 2);
    EXPECT_EQ(text(tape.get(), "txtDiskID"), QString());

    const QString prg = image(QStringLiteral("GAME.PRG"), "\x01\x08");
    auto other = open(prg);
    EXPECT_EQ(list(other.get())->count(), 0);
    EXPECT_EQ(text(other.get(), "lblD64File"), prg);
    EXPECT_EQ(text(other.get(), "txtDiskName"), QString());

    // Only the exact spellings count: ".D64" inside a folder name with a file that has
    // no extension is not an image.
    auto dotted = open(QStringLiteral("/games/v1.D64/README"));
    EXPECT_EQ(list(dotted.get())->count(), 0);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    auto corrupt = open(broken);
    EXPECT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_FALSE(enabled(corrupt.get(), "List1"));
    auto missing = open(tc.temp.filePath(QStringLiteral("gone.d64")));
    EXPECT_EQ(tc.dialogs.messages().size(), 2);
    EXPECT_EQ(list(missing.get())->count(), 0);
}

TEST_F(CataloguePlayer, ButtonsCloseUpInAColumn)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    auto all = open(d64);
    all->show();
    const int first = button(all.get(), 1)->y();
    const int second = button(all.get(), 2)->y();
    ASSERT_LT(first, second);

    configure("", "/emu/x64", QVariant(), "/emu/pc64");
    auto some = open(d64);
    some->show();
    EXPECT_EQ(shownButtons(some.get()), (QStringList{"NmButton2", "NmButton4"}));
    EXPECT_EQ(button(some.get(), 2)->y(), first);
    EXPECT_EQ(button(some.get(), 4)->y(), second);

    configure(QVariant(), QVariant(), "", QVariant());
    EXPECT_TRUE(shownButtons(open(d64).get()).isEmpty());
}

TEST_F(CataloguePlayer, KeepsTheGameItWasOpenedWith)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    auto w = open(d64);
    ctx.gamefile = t64; // the main window selected another game
    list(w.get())->setCurrentRow(1);
    w->NmButton2_Click();
    w->NmButton1_Click();
    w->NmButton3_Click();
    ASSERT_EQ(tc.launcher.started.size(), 3);
    const QString s = nomecorto(d64);
    EXPECT_EQ(tc.launcher.started[0].text(), "/emu/x64 " + s + ":manic miner");
    EXPECT_EQ(tc.launcher.started[1].text(), "/emu/ccs64 " + s + ",1");
    EXPECT_TRUE(tc.launcher.started[2].text().endsWith(
        QStringLiteral(" -autotype LOAD$22*$22,8,1$0DRUN$0D -1541")));
    EXPECT_EQ(text(w.get(), "lblD64File"), d64);
}

TEST_F(CataloguePlayer, StartFailuresUseTheFreePlayersTexts)
{
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    tc.launcher.failing.insert(QStringLiteral("/emu/ccs64"));
    const QString prg = image(QStringLiteral("GAME.PRG"), "\x01\x08");
    auto w = open(prg);
    w->NmButton1_Click();
    w->NmButton4_Click();
    w->NmButton2_Click();
    EXPECT_EQ(tc.dialogs.messages(),
              (QStringList{"Bad Configuration for CCS64", "File type not supported by emulator"}));
    EXPECT_EQ(tc.dialogs.beeps(), 2);
    ASSERT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(tc.launcher.started[0].text(), "/emu/x64 " + nomecorto(prg));
}

TEST_F(CataloguePlayer, DroppingOnTheFrameOpensTheConfiguration)
{
    auto w = open(d64);
    w->Frame1_DragDrop(); // nothing registered: nothing opens
    EXPECT_EQ(ctx.windows.find(QStringLiteral("Config")), nullptr);

    ctx.windows.addFactory(QStringLiteral("Config"), [] { return new QWidget; });
    auto *frame = w->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    EXPECT_TRUE(frame->acceptDrops());
    QMimeData mime;
    mime.setText(QStringLiteral("anything"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_NE(ctx.windows.find(QStringLiteral("Config")), nullptr);
    ctx.windows.closeAll();
}

TEST_F(CataloguePlayer, RegisteredUnderItsClassName)
{
    registerC64Windows(ctx);
    ctx.gamefile = d64;
    QWidget *w = ctx.windows.show(QStringLiteral("emu64"));
    ASSERT_NE(w, nullptr);
    EXPECT_NE(qobject_cast<emu64 *>(w), nullptr);
    // Showing it again only raises it: the game file stays.
    ctx.gamefile = t64;
    EXPECT_EQ(ctx.windows.show(QStringLiteral("emu64")), w);
    EXPECT_EQ(text(w, "lblD64File"), d64);
    ctx.windows.closeAll();
}
