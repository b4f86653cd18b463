// The C64 players: the game player lists the file it was asked for, the free player browses
// for one; both start emulators with the chosen directory entry.
#include "c64registry.h"
#include "launchtest.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>

using namespace c64img;

namespace
{

const QStringList kButtons{"ccs64Button", "viceButton", "c64sButton", "pc64Button"};
const QVariantMap kAll{
    {"ccs64", "/emu/ccs64"}, {"vice", "/emu/x64"}, {"c64s", "/emu/c64s"}, {"pc64", "/emu/pc64"}};

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
        tc.catalogue.setConfig(kAll);
        registerC64Windows(ctx);
        ctx.windows.addFactory(WindowKey::AssociationEditor, [] { return new AssociationSpy; });
    }
    ~C64Players() override { ctx.windows.closeAll(); }

    QString image(const QString &name, const QByteArray &bytes)
    {
        return writeFile(tc.temp.filePath(name), bytes);
    }
    QWidget *game(const QString &file) { return ctx.windows.open(C64GameRequest{1, file}); }
    QWidget *free() { return ctx.windows.open(C64FreePlayerRequest{tc.temp.path()}); }
    static QListWidget *list(QWidget *w) { return control<QListWidget>(w, "directoryList"); }
    static QStringList shownButtons(QWidget *w)
    {
        QStringList names;
        for (const QString &name : kButtons)
            if (!control<QPushButton>(w, name)->isHidden())
                names << name;
        return names;
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
    QString d64, t64; // three programs, two programs
};

} // namespace

TEST_F(C64Players, OnlyConfiguredEmulatorsHaveButtonsAndTheyCloseUp)
{
    const struct {
        WindowKey key;
        int (QWidget::*position)() const; // the game player stacks, the free player lines up
    } windows[] = {{WindowKey::C64GamePlayer, &QWidget::y},
                   {WindowKey::C64FreePlayer, &QWidget::x}};
    for (const auto &w : windows) {
        tc.catalogue.setConfig({{"ccs64", ""}, {"c64s", QVariant()}});
        QWidget *player = w.key == WindowKey::C64GamePlayer ? game(d64) : free();
        EXPECT_EQ(shownButtons(player), (QStringList{"viceButton", "pc64Button"}));
        const int vice = (control<QPushButton>(player, "viceButton")->*w.position)();
        EXPECT_LT(vice, (control<QPushButton>(player, "pc64Button")->*w.position)());
        tc.catalogue.setConfig(kAll);
        Q_EMIT ctx.windows.events().configurationSaved(); // an open player follows
        QCoreApplication::processEvents();                // lays the buttons out again
        EXPECT_EQ(shownButtons(player), kButtons);
        EXPECT_EQ((control<QPushButton>(player, "ccs64Button")->*w.position)(), vice);
    }
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    ctx.windows.closeAll();
    ctx.paths.catalogue = tc.temp.filePath("missing.mdb"); // fails the open test
    EXPECT_TRUE(shownButtons(free()).isEmpty());
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Database Open Error"});
}

TEST_F(C64Players, GamePlayerListsTheRequestedFileAndTakesANewRequest)
{
    QByteArray bad = d64Files(144);
    link(bad, kDirOrder[17], 18, 3); // an 18th sector linking on
    const QString broken = image("BROKEN.D64", bad), prgFile = image("GAME.PRG", "\x01\x08");
    const struct {
        QString file;
        int lines;
        bool enabled;
    } cases[] = {{d64, 3, true},
                 {'"' + t64 + '"', 2, true},
                 {prgFile, 0, true},
                 {broken, 144, false},
                 {tc.temp.filePath("gone.d64"), 0, false}};
    for (const auto &c : cases) {
        QWidget *w = game(c.file);
        EXPECT_EQ(w, ctx.windows.find(WindowKey::C64GamePlayer)) << c.file.toStdString();
        EXPECT_EQ(list(w)->count(), c.lines) << c.file.toStdString();
        EXPECT_EQ(list(w)->isEnabled(), c.enabled) << c.file.toStdString();
    }
    EXPECT_EQ(tc.dialogs.messages(), QStringList(2, "Directory appears to be corrupted.\r\nIt is "
                                                    "recommended to NOT use this program with "
                                                    "this file."));
}

TEST_F(C64Players, GamePlayerStartsItsFileAndReportsFailures)
{
    QWidget *w = game(d64);
    list(w)->setCurrentRow(1);
    click(w, "viceButton");
    click(w, "ccs64Button");
    const QString s = shortPath(d64);
    EXPECT_EQ(started(), (QStringList{"/emu/x64 " + s + ":manic miner", "/emu/ccs64 " + s + ",1"}));

    tc.launcher.started.clear();
    const QString prgFile = image("GAME.PRG", "\x01\x08");
    game(prgFile);
    tc.launcher.failing.insert("/emu/ccs64");
    for (const char *button : {"ccs64Button", "pc64Button", "viceButton"})
        click(w, button);
    EXPECT_EQ(tc.dialogs.messages(),
              (QStringList{"Bad Configuration for CCS64", "File type not supported by emulator"}));
    EXPECT_EQ(tc.dialogs.beeps(), 2);
    EXPECT_EQ(started(), QStringList{"/emu/x64 " + shortPath(prgFile)});
}

TEST_F(C64Players, DropOnTheEmulatorFrameOpensTheSystemConfiguration)
{
    ctx.windows.addFactory(WindowKey::SystemConfig, [] { return new QWidget; });
    auto *frame = control<QGroupBox>(game(d64), "emulatorFrame");
    QMimeData mime;
    mime.setText("anything");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_TRUE(isOpen(ctx, WindowKey::SystemConfig));
}

TEST_F(C64Players, FreePlayerListsClickedFilesStartsThemAndAssociates)
{
    QWidget *w = free();
    pickFile(w, "GAME.D64");
    EXPECT_EQ(control<QLineEdit>(w, "gameFileEdit")->text(), d64);
    EXPECT_EQ(control<QLineEdit>(w, "diskIdEdit")->text(), "PD" + QString(QChar(0xA0)) + "2A");
    EXPECT_EQ(list(w)->item(1)->text(), "\"MANIC MINER\"      \t120\tPRG");
    pickFile(w, "TAPE.T64"); // a tape has no ID
    EXPECT_EQ(control<QLineEdit>(w, "diskIdEdit")->text(), QString());
    pickFile(w, "GAME.D64");
    game(t64); // the game player's file is not this player's
    const QString s = shortPath(d64);
    click(w, "ccs64Button");                                  // nothing selected
    list(w)->setCurrentRow(1, QItemSelectionModel::NoUpdate); // the focus alone is no choice
    click(w, "viceButton");
    list(w)->setCurrentRow(2);
    click(w, "ccs64Button");
    EXPECT_EQ(started(),
              (QStringList{"/emu/ccs64 " + s + ",-1", "/emu/x64 " + s, "/emu/ccs64 " + s + ",2"}));

    click(w, "associateButton");
    auto *spy = dynamic_cast<AssociationSpy *>(ctx.windows.find(WindowKey::AssociationEditor));
    ASSERT_NE(spy, nullptr);
    EXPECT_EQ(spy->taken.kind, AssociationKind::C64Game);
    EXPECT_EQ(spy->taken.files, QStringList{d64});
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}
