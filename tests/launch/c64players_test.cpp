// The C64 players: the game player lists the file it was asked for, the free player browses
// for one; both start emulators with the chosen directory entry.
#include "c64registry.h"
#include "headlessplay.h"
#include "launchtest.h"
#include "shortpath.h"
#include "testcatalogue.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

using namespace c64img;
using P = Configuration::Path;

namespace
{

class C64Players : public testing::Test
{
protected:
    C64Players() : ctx(*tc.ctx)
    {
        for (const char *name : {"ccs64", "x64", "c64s", "pc64"})
            writeFile(emu(name), "", true);
        configure(kAll);
        registerC64Windows(ctx);
        ctx.windows.addFactory(WindowKey::AssociationEditor, [] { return new AssociationSpy; });
    }

    QString image(QString n, QByteArray b) { return writeFile(tc.temp.filePath(n), b); }
    QWidget *game(const QString &file) { return ctx.windows.open(C64GameRequest{1, file}); }
    QWidget *free() { return ctx.windows.open(C64FreePlayerRequest{tc.temp.path()}); }
    static QListWidget *list(QWidget *w) { return control<QListWidget>(w, "directoryList"); }
    QString started(int i) const { return tc.launcher.started.value(i).text(); }
    QString emu(const QString &name) const { return tc.temp.filePath("emu/" + name); }
    void configure(const Configuration &c)
    {
        ASSERT_TRUE(CatalogueStore(tc.catalogue.db()).saveConfiguration(c).ok());
    }

    TestContext tc;
    AppContext &ctx;
    const QString d64 = image("GAME.D64", d64Files(3));
    const QString s = shortPath(d64);
    const Configuration kViceAndPc64 = configWith({{P::Vice, emu("x64")}, {P::Pc64, emu("pc64")}});
    const Configuration kAll = configWith({{P::Ccs64, emu("ccs64")},
                                           {P::Vice, emu("x64")},
                                           {P::C64s, emu("c64s")},
                                           {P::Pc64, emu("pc64")}});
};

} // namespace

TEST_F(C64Players, OnlyConfiguredEmulatorsHaveButtonsAndTheyCloseUp)
{
    // The game player stacks its buttons, the free player lines them up.
    for (const auto &[open, position] :
         {std::pair{std::function([&] { return game(d64); }), &QWidget::y},
          {std::function([&] { return free(); }), &QWidget::x}}) {
        configure(kViceAndPc64);
        QWidget *w = open();
        EXPECT_TRUE(control<QPushButton>(w, "ccs64Button")->isHidden());
        EXPECT_TRUE(control<QPushButton>(w, "c64sButton")->isHidden());
        const int first = (control<QPushButton>(w, "viceButton")->*position)();
        EXPECT_LT(first, (control<QPushButton>(w, "pc64Button")->*position)());
        configure(kAll);
        Q_EMIT ctx.windows.events().configurationSaved(); // an open player follows
        QCoreApplication::processEvents();                // lays the buttons out again
        EXPECT_EQ((control<QPushButton>(w, "ccs64Button")->*position)(), first);
    }
}

TEST_F(C64Players, GamePlayerListsAndStartsTheRequestedFile)
{
    QByteArray bad = d64Files(144);
    link(bad, kDirOrder[17], 18, 3); // an 18th sector linking on
    const QString program = image("GAME.PRG", "\x01\x08");
    const QString tape = image("TAPE.T64", t64({{"A", prg(1)}, {"B", prg(1)}}));
    const std::tuple<QString, int, bool> cases[] = {
        {program, 0, true}, {'"' + tape + '"', 2, true}, {image("X.D64", bad), 144, false}};
    for (const auto &[file, lines, enabled] : cases) { // one window takes every request
        EXPECT_EQ(list(game(file))->count(), lines) << file.toStdString();
        EXPECT_EQ(list(game(file))->isEnabled(), enabled) << file.toStdString();
    }
    EXPECT_EQ(tc.dialogs.messages().value(0),
              "Directory appears to be corrupted.\r\nIt is "
              "recommended to NOT use this program with this file.");
    tc.dialogs.clear();
    // An image that is gone is named, not shown as a corrupted directory: no player opens.
    ctx.windows.closeAll();
    const QString gone = tc.temp.filePath("gone.d64");
    EXPECT_EQ(game('"' + gone + '"'), nullptr);
    EXPECT_FALSE(isOpen(ctx, WindowKey::C64GamePlayer));
    tc.catalogue.addGame({{"titolo", "Game"}}); // the requests' game 1
    QWidget *w = game(d64);
    list(w)->setCurrentRow(1);
    click(w, "viceButton");
    tc.launcher.failing.insert(emu("ccs64"));
    click(w, "ccs64Button");
    game(program);
    click(w, "pc64Button");
    EXPECT_EQ(tc.launcher.started.size(), 1);
    EXPECT_EQ(started(0), emu("x64") + " " + s + ":file001");
    EXPECT_EQ(CatalogueStore(tc.catalogue.db()).personalData(1).value().plays, 1)
        << "only a start that succeeded counts";
    // A missing game file and a missing emulator are named; the open player keeps its game.
    EXPECT_EQ(game(tc.temp.filePath("gone.prg")), nullptr);
    configure(configWith({{P::Vice, emu("gone")}}));
    Q_EMIT ctx.windows.events().configurationSaved();
    click(w, "viceButton");
    EXPECT_EQ(tc.dialogs.messages(),
              (QStringList{"The game file " + gone + " is missing.", "Bad Configuration for CCS64",
                           "File type not supported by emulator",
                           "The game file " + tc.temp.filePath("gone.prg") + " is missing.",
                           "The program " + emu("gone") + " does not exist."}));
    EXPECT_EQ(tc.dialogs.beeps(), 5);
}

// An archive lists its first C64 image, or the set's start image with its program chosen,
// offers a choice among several, and the emulator gets the chosen image taken out under a
// name of the archive's path; a hostile archive is named and refused.
TEST_F(C64Players, ArchivesListTheChosenImageAndStartItTakenOut)
{
    const QByteArray second = d64Files(3);
    const QString zip = writeZip(tc.temp.filePath("SET.zip"),
                                 {{"notes.txt", "x"}, {"a.d64", d64Files(2)}, {"b.d64", second}});
    QWidget *w = game(zip);
    auto *choice = control<QComboBox>(w, "imageChoice");
    EXPECT_FALSE(choice->isHidden());
    EXPECT_EQ(list(w)->count(), 2);
    choice->setCurrentIndex(1);
    EXPECT_EQ(list(w)->count(), 3);
    click(w, "viceButton");
    const QString taken = tc.launcher.started.value(0).arguments.value(0);
    EXPECT_EQ(QFileInfo(taken).fileName().replace(QRegularExpression("[0-9a-f]{8}"), "#"),
              "SET-#-2.d64");
    EXPECT_EQ(readFile(taken), second);
    game(writeZip(tc.temp.filePath("other/SET.zip"), {{"b.d64", d64Files(1)}}));
    click(w, "viceButton");
    EXPECT_NE(tc.launcher.started.value(1).arguments.value(0), taken);

    CatalogueStore store(tc.catalogue.db());
    const SetGame start{1, {gameWith({{Game::Field::GameFile, zip}}), {}}, {"X\\B.D64", 2}, {}};
    ASSERT_TRUE(store.importSetGames("s", {start}, Progress::none()).ok());
    game(zip);
    EXPECT_EQ(choice->currentText(), "b.d64");
    EXPECT_EQ(list(w)->currentRow(), 2);
    click(w, "viceButton");
    EXPECT_EQ(tc.launcher.started.value(2).arguments, QStringList{taken + ":file002"});
    QString out, err;
    QTextStream o(&out), e(&err);
    HeadlessPlayRequest dry;
    dry.gameId = 1, dry.with = "vice", dry.dryRun = true, dry.tempDir = ctx.paths.tempDir;
    EXPECT_EQ(playC64Game(store, dry, tc.launcher, o, e), kPlayStarted);
    EXPECT_EQ(out, emu("x64") + "\n" + taken + ":file002\n");
    EXPECT_EQ(err, zip + " holds 2 disk images; starting b.d64 (image 2)\n");

    const QString climbs = writeZip(tc.temp.filePath("c.zip"), {{"../../x.d64", second}});
    game(climbs);
    EXPECT_EQ(list(w)->count(), 0);
    EXPECT_TRUE(choice->isHidden());
    EXPECT_EQ(tc.dialogs.messages(),
              QStringList{climbs + " holds an entry named ../../x.d64, outside its folder."});
}

TEST_F(C64Players, DropOnTheEmulatorFrameOpensTheSystemConfiguration)
{
    ctx.windows.addFactory(WindowKey::SystemConfig, [] { return new QWidget; });
    auto *frame = control<QGroupBox>(game(d64), "emulatorFrame");
    QMimeData mime;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_TRUE(isOpen(ctx, WindowKey::SystemConfig));
}

TEST_F(C64Players, FreePlayerStartsTheClickedFileAndAssociatesIt)
{
    QWidget *w = free();
    pickFile(w, "GAME.D64");
    EXPECT_EQ(control<QLineEdit>(w, "playFileEdit")->text(), d64);
    EXPECT_EQ(control<QLineEdit>(w, "diskIdEdit")->text(), "01" + QString(QChar(0xA0)) + "2A");
    game(image("OTHER.D64", d64Files(1))); // the game player's file is not this player's
    list(w)->setCurrentRow(1, QItemSelectionModel::NoUpdate); // the focus alone is no choice
    click(w, "ccs64Button");
    list(w)->setCurrentRow(2);
    click(w, "ccs64Button");
    EXPECT_EQ(started(0), emu("ccs64") + " " + s + ",-1");
    EXPECT_EQ(started(1), emu("ccs64") + " " + s + ",2");

    click(w, "associateButton");
    auto *spy = dynamic_cast<AssociationSpy *>(ctx.windows.find(WindowKey::AssociationEditor));
    ASSERT_NE(spy, nullptr);
    EXPECT_EQ(spy->taken.kind, AssociationKind::C64Game);
    EXPECT_EQ(spy->taken.files, QStringList{d64});
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
}

// A double click or Enter on an entry starts it with the first configured emulator, the one
// "--play" takes; with none configured both players say where to set one.
TEST_F(C64Players, AnActivatedEntryStartsWithTheFirstConfiguredEmulator)
{
    const QString none = "No C64 emulator is set: set one in Configuration > System "
                         "(Detect finds VICE)";
    configure(kViceAndPc64);
    QWidget *freePlayer = free();
    pickFile(freePlayer, "GAME.D64");
    for (QWidget *w : {game(d64), freePlayer}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_FALSE(control<QLabel>(w, "noEmulatorLabel")->isVisible());
        QListWidget *entries = list(w);
        const QPoint second = entries->visualItemRect(entries->item(1)).center();
        // A real double click: press, release, then the double click itself.
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(entries->viewport(), Qt::LeftButton, {}, second);
        QTest::keyClick(entries, Qt::Key_Down);
        QTest::keyClick(entries, Qt::Key_Return);
    }
    EXPECT_EQ(tc.launcher.started.size(), 4);
    for (int i : {0, 2})
        EXPECT_EQ(started(i), emu("x64") + " " + s + ":file001") << i;
    for (int i : {1, 3})
        EXPECT_EQ(started(i), emu("x64") + " " + s + ":file002") << i;

    configure({});
    Q_EMIT ctx.windows.events().configurationSaved();
    for (QWidget *w : {game(d64), free()}) {
        EXPECT_TRUE(control<QLabel>(w, "noEmulatorLabel")->isVisible());
        EXPECT_EQ(control<QLabel>(w, "noEmulatorLabel")->text(), none);
        list(w)->setCurrentRow(0);
        QTest::keyClick(list(w), Qt::Key_Return);
    }
    EXPECT_EQ(tc.dialogs.messages(), QStringList(2, none));
    EXPECT_EQ(tc.launcher.started.size(), 4);
}
