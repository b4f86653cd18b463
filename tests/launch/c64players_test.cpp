// The C64 players: the free player `Form5` browses for images, the catalogue player `emu64`
// lists the game file it was opened with; both start emulators.
#include "browselists.h"
#include "c64freeplayer.h"
#include "c64player.h"
#include "c64registry.h"
#include "launchtest.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>

using namespace c64img;

namespace
{

class C64Players : public testing::Test
{
protected:
    C64Players() : ctx(*tc.ctx)
    {
        d64 = image("GAME.D64", c64img::d64({{"INTRO", {}},
                                             {"MANIC MINER", QByteArray(120 * 254, 'x')},
                                             {"HISCORES", {}, 0x81}},
                                            "PLAYER DISK", "PD"));
        t64 = image("TAPE.T64", c64img::t64({{"LOADER", prg(2049, 1)}, {"MAIN", prg(2049, 1)}}));
        QByteArray bad = d64Files(144);
        link(bad, kDirOrder[17], 18, 3);
        broken = image("BROKEN.D64", bad);
        configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
        ctx.startdir = tc.temp.path();
    }
    ~C64Players() override { ctx.windows.closeAll(); }

    void configure(const QVariant &ccs64, const QVariant &vice, const QVariant &c64s,
                   const QVariant &pc64)
    {
        tc.catalogue.setConfig({{"ccs64", ccs64}, {"vice", vice}, {"c64s", c64s}, {"pc64", pc64}});
    }
    QString image(const QString &name, const QByteArray &bytes)
    {
        return save(tc.temp.path(), name, bytes);
    }
    std::unique_ptr<emu64> game(const QString &gamefile)
    {
        ctx.gamefile = gamefile;
        return std::make_unique<emu64>(ctx);
    }
    // Picks a file of the free player's file list as a click does.
    static void click(Form5 &form, const QString &name)
    {
        auto *files = form.findChild<FileListBox *>("File1");
        files->refresh();
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items.first());
    }
    static QPushButton *button(QWidget *w, int n)
    {
        return w->findChild<QPushButton *>(QString("NmButton%1").arg(n));
    }
    static QStringList shown(QWidget *w)
    {
        QStringList names;
        for (int n = 1; n <= 4; ++n)
            if (!button(w, n)->isHidden())
                names << button(w, n)->objectName();
        return names;
    }
    static QListWidget *list(QWidget *w) { return w->findChild<QListWidget *>("List1"); }
    static QWidget *at(QWidget *w, const char *name) { return w->findChild<QWidget *>(name); }
    static QString text(QWidget *w, const char *name)
    {
        return at(w, name)->property("text").toString();
    }
    QStringList started() const
    {
        QStringList lines;
        for (const Command &c : tc.launcher.started)
            lines << c.text();
        return lines;
    }

    TestContext tc;
    AppContext &ctx;
    QString d64, t64, broken; // three programs, two programs, an 18th sector linking on
};

} // namespace

TEST_F(C64Players, ConfiguredButtonsCloseUpInBothWindows)
{
    // emu64 stacks its buttons in a column, Form5 in a row.
    const auto check = [&](const std::function<QWidget *()> &open, int (QWidget::*pos)() const) {
        configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
        std::unique_ptr<QWidget> all(open());
        all->show();
        EXPECT_EQ(shown(all.get()).size(), 4);
        const int first = (button(all.get(), 1)->*pos)(), second = (button(all.get(), 2)->*pos)();
        ASSERT_LT(first, second);
        configure("", "/emu/x64", QVariant(), "/emu/pc64");
        std::unique_ptr<QWidget> some(open());
        some->show();
        EXPECT_EQ(shown(some.get()), (QStringList{"NmButton2", "NmButton4"}));
        EXPECT_EQ((button(some.get(), 2)->*pos)(), first);
        EXPECT_EQ((button(some.get(), 4)->*pos)(), second);
        configure(QVariant(), "", QVariant(), "");
        EXPECT_TRUE(shown(std::unique_ptr<QWidget>(open()).get()).isEmpty());
    };
    check([&] { return game(d64).release(); }, &QWidget::y);
    check([&] { return new Form5(ctx); }, &QWidget::x);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    ctx.paths.catalogue = tc.temp.filePath("missing.mdb"); // fails the open test
    configure("/emu/ccs64", "/emu/x64", "/emu/c64s", "/emu/pc64");
    Form5 form(ctx);
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Database Open Error"});
    EXPECT_TRUE(shown(&form).isEmpty());
}

TEST_F(C64Players, RegisteredCataloguePlayerListsAndStartsItsOwnGame)
{
    registerC64Windows(ctx);
    EXPECT_NE(qobject_cast<Form5 *>(ctx.windows.show("Form5")), nullptr);
    ctx.gamefile = d64;
    auto *w = qobject_cast<emu64 *>(ctx.windows.show("emu64"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ctx.c64window, w);
    EXPECT_EQ(list(w)->count(), 3);
    EXPECT_EQ(list(game('"' + t64 + '"').get())->count(), 2);
    const QString prgFile = image("GAME.PRG", "\x01\x08");
    auto other = game(prgFile);
    EXPECT_EQ(list(other.get())->count(), 0);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    EXPECT_FALSE(at(game(broken).get(), "List1")->isEnabled());
    EXPECT_EQ(list(game(tc.temp.filePath("gone.d64")).get())->count(), 0);
    EXPECT_EQ(tc.dialogs.messages().size(), 2);
    tc.dialogs.clear();

    ctx.gamefile = t64; // the main window selected another game; showing only raises it
    EXPECT_EQ(ctx.windows.show("emu64"), w);
    list(w)->setCurrentRow(1);
    w->NmButton2_Click();
    w->NmButton1_Click();
    const QString s = shortPath(d64);
    EXPECT_EQ(started(), (QStringList{"/emu/x64 " + s + ":manic miner", "/emu/ccs64 " + s + ",1"}));
    tc.launcher.started.clear();
    tc.launcher.failing.insert("/emu/ccs64");
    other->NmButton1_Click();
    other->NmButton4_Click();
    other->NmButton2_Click();
    EXPECT_EQ(tc.dialogs.messages(),
              (QStringList{"Bad Configuration for CCS64", "File type not supported by emulator"}));
    EXPECT_EQ(tc.dialogs.beeps(), 2);
    EXPECT_EQ(started(), QStringList{"/emu/x64 " + shortPath(prgFile)});
}

TEST_F(C64Players, DropOnTheEmulatorFrameOpensTheConfiguration)
{
    auto w = game(d64);
    ctx.windows.addFactory("Config", [] { return new QWidget; });
    auto *frame = w->findChild<QGroupBox *>("Frame1");
    QMimeData mime;
    mime.setText("anything");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_NE(ctx.windows.find("Config"), nullptr);
}

TEST_F(C64Players, FreePlayerBrowsesListsClickedImagesAndWarnsOnCorruption)
{
    ctx.browsepath = "before";
    Form5 form(ctx);
    EXPECT_EQ(ctx.c64window, &form);
    EXPECT_EQ(ctx.browsepath, QString());
    click(form, "GAME.D64");
    EXPECT_EQ(ctx.gamefile + ctx.browsepath + text(&form, "Text1"), d64 + d64 + d64);
    EXPECT_EQ(text(&form, "txtDiskID"), "PD" + QString(QChar(0xA0)) + "2A");
    ASSERT_EQ(list(&form)->count(), 3);
    EXPECT_EQ(list(&form)->item(1)->text(), "\"MANIC MINER\"      \t120\tPRG");
    EXPECT_EQ(list(&form)->currentRow(), -1);
    click(form, "TAPE.T64"); // a tape empties the ID and the free blocks
    EXPECT_EQ(text(&form, "txtDiskID") + text(&form, "lblBlocksFree"), QString());
    image("readme.txt", "hello"); // any other file clears everything
    click(form, "readme.txt");
    EXPECT_EQ(list(&form)->count() + text(&form, "txtDiskName").size(), 0);
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    click(form, "BROKEN.D64");
    ASSERT_EQ(tc.dialogs.shown.size(), 1);
    const FakeDialogs::Shown &m = tc.dialogs.shown.first();
    EXPECT_EQ(m.text, QStringLiteral("Directory appears to be corrupted.\r\nIt is recommended to "
                                     "NOT use this program with this file."));
    EXPECT_EQ(m.icon, Dialogs::Icon::Information);
    EXPECT_EQ(m.title, "Corrupted Directory?");
    EXPECT_EQ(list(&form)->count(), 144);
    const auto enabled = [&] {
        return QList<bool>{at(&form, "List1")->isEnabled(), at(&form, "txtDiskID")->isEnabled(),
                           at(&form, "txtDiskName")->isEnabled()};
    };
    EXPECT_EQ(enabled(), QList<bool>(3, false));
    click(form, "GAME.D64");
    EXPECT_EQ(enabled(), QList<bool>(3, true));

    ctx.startdir = tc.temp.filePath("nowhere");
    ctx.browsepath = "kept";
    Form5 fallback(ctx);
    EXPECT_EQ(fallback.findChild<DirListBox *>("Dir1")->path(),
              QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_EQ(ctx.browsepath, "kept");
    EXPECT_EQ(tc.dialogs.shown.size(), 1);
}

TEST_F(C64Players, FreePlayerButtonsStartItsFileWithTheSelection)
{
    Form5 form(ctx);
    click(form, "GAME.D64");
    ctx.gamefile = t64; // another window moved on
    const QString s = shortPath(d64);
    form.NmButton1_Click(); // nothing selected
    list(&form)->setCurrentRow(2);
    button(&form, 1)->click();
    list(&form)->clearSelection(); // the focus on an entry without selecting it is no choice
    list(&form)->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    form.NmButton2_Click();
    list(&form)->setCurrentRow(1);
    form.NmButton2_Click();
    form.NmButton4_Click();
    EXPECT_EQ(started(),
              (QStringList{"/emu/ccs64 " + s + ",-1", "/emu/ccs64 " + s + ",2", "/emu/x64 " + s,
                           "/emu/x64 " + s + ":manic miner", "/emu/pc64 " + s}));

    form.NmButton5_Click(); // Associate sets the mode, and opens the editor once there is one
    EXPECT_EQ(ctx.assocmode, "C64");
    EXPECT_EQ(ctx.windows.find("Form3"), nullptr);
    ctx.windows.addFactory("Form3", [] { return new QWidget; });
    button(&form, 5)->click();
    EXPECT_NE(ctx.windows.find("Form3"), nullptr);
}
