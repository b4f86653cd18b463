#include "browsingpane.h"
#include "exportfiles.h"
#include "exportpipeline.h"
#include "merrowregistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QTest>

class MerrowWindows : public testing::Test
{
protected:
    TestContext t;
    AppContext &ctx = *t.ctx;
    QTemporaryDir floppy;
    TestCatalogue exported;

    void SetUp() override { registerMerrowWindows(ctx); }
    void TearDown() override { ctx.windows.closeAll(); }

    static QStringList lines(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QString text(QWidget *w, const QString &label) { return control<QLabel>(w, label)->text(); }
    // Clicks a button, waits until the work it started has ended (the button is enabled
    // again) and returns the question and messages shown.
    QStringList clickAndWait(QWidget *w, const QString &name)
    {
        t.dialogs.clear();
        click(w, name);
        const QPointer<QPushButton> until = control<QPushButton>(w, name);
        EXPECT_TRUE(QTest::qWaitFor([until] { return until->isEnabled(); }, 20000));
        return t.dialogs.questions() + t.dialogs.messages(); // a question comes first
    }
    QString lastTitle() const { return t.dialogs.shown.last().title; }
};

TEST_F(MerrowWindows, MenuOpensTheChooserWhoseOkOpensTheWindowForItsPurpose)
{
    QWidget *menu = ctx.windows.show(WindowKey::UtilityMenu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_E, Qt::AltModifier);
    QWidget *chooser = ctx.windows.find(WindowKey::FolderChooser);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Select Export Path");
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_I, Qt::AltModifier); // open already: takes the new purpose
    EXPECT_EQ(ctx.windows.find(WindowKey::FolderChooser), chooser);
    EXPECT_EQ(chooser->windowTitle(), "Select Import Path");
    exported.addGame({{"titolo", "Elite"}, {"formato", "C64"}});
    ASSERT_TRUE(QFile::copy(exported.path(), floppy.filePath("export.mdb")));
    ASSERT_TRUE(control<BrowsingPane>(chooser, "browsingPane")->openAt(floppy.path()));
    EXPECT_EQ(lines(control<QListWidget>(chooser, "fileList")), QStringList{"export.mdb"});
    click(chooser, "okButton");
    EXPECT_FALSE(isOpen(ctx, WindowKey::FolderChooser));
    QWidget *import = ctx.windows.find(WindowKey::ImportWindow);
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(lines(control<QListWidget>(import, "gameList")), QStringList{"C64   Elite"});

    control<QAction>(menu, "exportAction")->trigger(); // the chooser opens at home
    click(ctx.windows.find(WindowKey::FolderChooser), "okButton");
    QWidget *exportWindow = ctx.windows.find(WindowKey::ExportWindow);
    ASSERT_NE(exportWindow, nullptr);
    EXPECT_EQ(text(exportWindow, "destinationLabel"),
              QDir::toNativeSeparators(QDir::homePath() + "/export.mdb"));
    // About: Enter presses OK, Escape closes.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        menu->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_A, Qt::AltModifier);
        QWidget *about = ctx.windows.find(WindowKey::UtilityAbout);
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, key);
        EXPECT_FALSE(isOpen(ctx, WindowKey::UtilityAbout)) << key;
    }
}

TEST_F(MerrowWindows, ImportWindowListsComparesSelectsAndTransfers)
{
    exported.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}});
    exported.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}, {"year", "1992"}});
    // An id beyond 32 bits is compared and transferred like any other.
    EXPECT_TRUE(catalogue::run(exported.db(), "insert into tabella1 (id, titolo, formato) values "
                                              "(4294967301, 'Zool', 'Amiga 1.3')"));
    t.catalogue.addGame({{"titolo", "elite"}, {"formato", "C64"}, {"sh", "old"}, {"year", "1985"}});
    QWidget *w = ctx.windows.open(ImportRequest{exported.path()});
    auto *games = control<QListWidget>(w, "gameList");
    auto *selection = control<QListWidget>(w, "selectionList");
    auto *log = control<QListWidget>(w, "logList");
    EXPECT_EQ(lines(games), QStringList({"C64   Elite", "Amiga Agony", "A 1.3 Zool"}));
    EXPECT_EQ(text(w, "gameCountLabel"), "3");
    EXPECT_EQ(clickAndWait(w, "selectButton"), QStringList{"Select game to SELECT"});
    EXPECT_EQ(clickAndWait(w, "deselectButton"), QStringList{"Select game to DESELECT"});

    games->setCurrentRow(2);
    EXPECT_EQ(lines(log), QStringList({"NEW GAME"}));
    click(w, "selectButton");
    games->setCurrentRow(1);
    click(w, "selectButton");
    click(w, "selectButton"); // chosen once: the second click shows the line it has
    EXPECT_EQ(lines(selection), QStringList({"A 1.3 Zool", "Amiga Agony"}));
    EXPECT_EQ(selection->currentRow(), 1);
    EXPECT_EQ(text(w, "selectedCountLabel"), "2");
    click(w, "deselectButton");
    EXPECT_EQ(text(w, "selectedCountLabel"), "1");
    click(w, "deselectButton"); // the deselected line leaves nothing highlighted behind it
    EXPECT_EQ(selection->count(), 1);

    t.dialogs.answers = {false};
    EXPECT_EQ(clickAndWait(w, "transferAllButton"), QStringList{"Start transfer ALL Games?"});
    EXPECT_EQ(t.catalogue.count(), 1);
    click(w, "transferNewButton"); // on its own thread: the window refuses to close meanwhile
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.dialogs.messages().size() == 1; }, 20000));
    EXPECT_EQ(t.dialogs.questions().last(), "Start transfer NEW Games?");
    EXPECT_EQ(t.dialogs.messages(), QStringList({"Transfer COMPLETED!"}));
    EXPECT_EQ(lastTitle(), "End");
    EXPECT_EQ(lines(log), QStringList({"Added Agony for Amiga", "Added Zool for Amiga 1.3"}));
    EXPECT_EQ(text(w, "addedCountLabel"), "2");
    EXPECT_EQ(text(w, "modifiedCountLabel"), "0");
    EXPECT_EQ(t.catalogue.count(), 3);
    // Selected and All append to the log and leave the selection; a game as it is stays.
    EXPECT_TRUE(catalogue::run(t.catalogue.db(),
                               "update tabella1 set note = 'mine' where titolo = 'Zool'"));
    EXPECT_EQ(clickAndWait(w, "transferSelectedButton").value(0), "Start transfer SELECTED Games?");
    EXPECT_EQ(lines(log).mid(2), QStringList({"Modified Zool for Amiga 1.3"}));
    EXPECT_EQ(text(w, "addedCountLabel"), "0");
    EXPECT_EQ(text(w, "modifiedCountLabel"), "1");
    EXPECT_EQ(selection->count(), 1);
    EXPECT_EQ(clickAndWait(w, "transferAllButton").value(0), "Start transfer ALL Games?");
    EXPECT_EQ(lines(log).mid(3), QStringList({"Modified Elite for C64"}));
    EXPECT_EQ(text(w, "modifiedCountLabel"), "1");
    games->setCurrentRow(2);
    EXPECT_EQ(lines(log), QStringList{"No differences"}) << "Zool came in as it is";
    click(w, "closeButton");
    EXPECT_FALSE(isOpen(ctx, WindowKey::ImportWindow));
}

TEST_F(MerrowWindows, FailedLoadSaysSoAndDisablesTransfers)
{
    QByteArray jet(2048, '\0');
    writeFile(floppy.filePath("export.mdb"), jet.replace(4, 15, "Standard Jet DB"));
    QWidget *w = ctx.windows.open(ImportRequest{floppy.filePath("export.mdb")});
    // A Jet file is read on its own thread: meanwhile the window takes no other file.
    EXPECT_EQ(ctx.windows.open(ImportRequest{floppy.filePath("export.mdb")}), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.dialogs.messages().size() == 3; }, 20000));
    EXPECT_EQ(t.dialogs.messages(),
              QStringList({"The export file is still being read; wait for it to end.",
                           "Database Open Error", "Unable to read from Floppy!"}));
    EXPECT_TRUE(
        control<QLabel>(w, "waitLabel")->toolTip().startsWith(floppy.filePath("export.mdb")))
        << "the reason names the file, not its copy";
    EXPECT_EQ(lastTitle(), "Error");
    EXPECT_TRUE(control<QLabel>(w, "waitLabel")->isVisible());
    for (const char *b : {"transferNewButton", "transferSelectedButton", "transferAllButton"})
        EXPECT_FALSE(control<QPushButton>(w, b)->isEnabled()) << b;
    // Closed while reading again, the window goes at once and the read stops with it.
    ASSERT_TRUE(w->close());
    flushDeletes();
    w = ctx.windows.open(ImportRequest{floppy.filePath("export.mdb")});
    EXPECT_TRUE(w->close());
    flushDeletes();
    EXPECT_FALSE(isOpen(ctx, WindowKey::ImportWindow));
}

TEST_F(MerrowWindows, ExportWindowRunsThePipelineOrNamesTheFailedStep)
{
    t.catalogue.addGame({{"titolo", "Mine"}, {"formato", "C64"}, {"dbver", "Private"}});
    QWidget *w = ctx.windows.open(ExportRequest{floppy.filePath("gone")});
    EXPECT_EQ(text(w, "statusLabel"), "Press Start to Export");
    t.dialogs.answers = {false};
    EXPECT_EQ(clickAndWait(w, "startButton"), QStringList{"Confirm Start?"});
    const QStringList failed = clickAndWait(w, "startButton");
    ASSERT_EQ(failed.size(), 2);
    EXPECT_TRUE(failed[1].contains("Copy Export Database on Floppy")) << failed[1].toStdString();
    EXPECT_EQ(lastTitle(), "Error");
    EXPECT_TRUE(isOpen(ctx, WindowKey::ExportWindow));
    EXPECT_EQ(ctx.windows.open(ExportRequest{floppy.path()}), w); // takes the new folder
    QList<int> steps; // the bar follows each step, then shows the end
    QObject::connect(control<QProgressBar>(w, "progressBar"), &QProgressBar::valueChanged,
                     [&steps](int value) { steps << value; });
    t.dialogs.clear();
    click(w, "startButton"); // on its own thread: the window refuses to close meanwhile
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !isOpen(ctx, WindowKey::ExportWindow); }, 20000));
    EXPECT_EQ(steps, QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{"Exported 1 game to " + floppy.filePath("export.mdb") + ".\n" +
                          merrow::ExportPipeline::completionMessage()});
    EXPECT_EQ(lastTitle(), "Attention");
    EXPECT_TRUE(QFile::exists(floppy.filePath("export.mdb")));
}
