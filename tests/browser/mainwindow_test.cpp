#include "browserregistry.h"
#include "gamegridview.h"
#include "gamelistpane.h"
#include "layoutmemory.h"
#include "mainfixture.h"
#include "splash.h"
#include "statefile.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace
{

// The lamps' colours: green for a file, red for none, amber for a file that is missing.
const QColor kRed(Qt::red), kGreen(Qt::darkGreen), kAmber(255, 170, 0);

class MainWindowTest : public MainFixture
{
protected:
    void SetUp() override
    {
        shot = t.temp.filePath("shot.png");
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(shot));
        notPicture = writeFile(t.temp.filePath("broken.png"), "not a picture");
        const QString disk = writeFile(t.temp.filePath("giana.d64"), "disk");
        const QString song = writeFile(t.temp.filePath("t.mod"), "song");
        giana = add(game({{F::Title, "Giana Sisters"},
                          {F::Publisher, "Rainbow Arts"},
                          {F::Team, "Time Warp"},
                          {F::Year, "1987"},
                          {F::Genre, "Platform"},
                          {F::Machine, "C64"},
                          {F::Design, ""},
                          {F::Programming, "Armin Gessert, Manfred Trenz"},
                          {F::Music, "Chris Huelsbeck"},
                          {F::AdditionalDesign, "Nobody"},
                          {F::AdditionalProgramming, "Jan Hill"},
                          {F::GameFile, disk},
                          {F::Screenshot1, ""},
                          {F::Screenshot2, shot}}));
        turrican = add(game({{F::Title, "Turrican"},
                             {F::Publisher, "Rainbow Arts"},
                             {F::Machine, "Amiga 2.x"},
                             {F::MusicFile, song},
                             {F::Screenshot1, shot},
                             {F::Screenshot2, notPicture}}));
        boulder = add(game({{F::Title, "Boulder Dash"},
                            {F::Machine, "C128"},
                            {F::Note, "uniqueword"},
                            {F::GameFile, "/games/bd.d64"},
                            {F::Screenshot1, "/shots/bd.png"}}));
    }

    // The eight settings as the window and the context hold them.
    browser::ViewState shownState() const
    {
        const ProgramSettings &s = t.ctx->settings;
        const auto on = [this](const char *name) { return box(name)->isChecked(); };
        return {on("c64Box"),      on("amigaBox"), s.showScreenshots, s.showCredits,
                on("playableBox"), on("soundBox"), s.fellowShowsGui,  s.uaeShowsGui};
    }

    QColor lamp(const char *name) const
    {
        return find<QLabel>(name)->palette().color(QPalette::Window);
    }

    static QStringList entries(QListView *list)
    {
        QStringList out;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            out << list->model()->index(i, 0).data().toString();
        return out;
    }

    QString shot, notPicture;
    GameId giana = 0, turrican = 0, boulder = 0;
};

} // namespace

TEST_F(MainWindowTest, StateFileIsReadAtLoadAndWrittenAtClose)
{
    add("Both", "C64", "x", "y");
    const QStringList all{"Both", "Boulder Dash", "Giana Sisters", "Turrican"};
    struct Case {
        QByteArray content; // null: no file
        const char *shown;
        QStringList titles;
    };
    // Only "1" is on, missing positions are off, only the first value counts.
    const Case cases[] = {{QByteArray(), "11110000", all},
                          {"11111111\r\n", "11111111", {"Both"}},
                          {"00000000", "00000000", all}, // no machine ticked: no restriction
                          {"1", "10000000", {"Both", "Boulder Dash", "Giana Sisters"}},
                          {"x1y1z1w1,11111111", "01010101", {"Turrican"}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        QFile::remove(t.ctx->paths.stateFile);
        t.ctx->settings = {};
        if (!c.content.isNull())
            writeFile(t.ctx->paths.stateFile, c.content);
        open();
        EXPECT_EQ(browser::stateText(shownState()), c.shown);
        EXPECT_EQ(titles(), c.titles);
        w->close();
        EXPECT_EQ(readFile(t.ctx->paths.stateFile), QByteArray(c.shown) + "\r\n");
    }

    t.ctx->paths.stateFile = t.temp.filePath("no/such/folder/Vantrel.ini");
    open().close();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith("The settings could not be saved"));
}

TEST_F(MainWindowTest, FilterBoxesNarrowOrUntickThemselvesOnce)
{
    open();
    box("amigaBox")->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    box("c64Box")->click(); // the last machine box: ticked again at once, one refresh
    EXPECT_TRUE(box("c64Box")->isChecked());
    box("amigaBox")->click();
    box("soundBox")->click();
    expectScene({"Turrican"}, 0, "Turrican"); // the panel shows the first, highlighted
    box("soundBox")->click();

    // No game has a song: the tick is undone, the message shown once, the list kept.
    for (const GameId id : {giana, turrican, boulder})
        edit(id, [](Game &g) { g.musicFile = ""; });
    box("soundBox")->click();
    EXPECT_FALSE(box("soundBox")->isChecked());
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for Sound"});
    EXPECT_EQ(t.dialogs.beeps(), 1);
    EXPECT_EQ(w->listCount(), 3);
    // That was the program's untick: the next tick is the user's and refreshes again.
    t.dialogs.clear();
    edit(giana, [](Game &g) { g.musicFile = "a.sid"; });
    box("soundBox")->click();
    EXPECT_TRUE(box("soundBox")->isChecked());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
}

TEST_F(MainWindowTest, FindAllAndFailedSearches)
{
    open();
    auto *edit = find<QLineEdit>("findEdit");
    const auto expect = [&](const QStringList &list, const QString &label, const QString &msg) {
        EXPECT_EQ(titles(), list);
        EXPECT_EQ(text("searchLabel"), label);
        EXPECT_EQ(t.dialogs.messages(), msg.isEmpty() ? QStringList{} : QStringList{msg});
        t.dialogs.clear();
    };
    QTest::keyClicks(edit, "rainbow+amiga");
    QTest::keyClick(edit, Qt::Key_Return);
    expect({"Turrican"}, "Search for: rainbow+amiga", "");
    click(w, "findButton"); // empty box: refused, the search kept
    expect({"Turrican"}, "Search for: rainbow+amiga", "Insert string to find");
    // The search stays active under a filter click; an empty result changes nothing.
    box("playableBox")->click();
    EXPECT_FALSE(box("playableBox")->isChecked());
    expect({"Turrican"}, "Search for: rainbow+amiga",
           "No record found for rainbow+amiga (Playable)");
    click(w, "allButton");
    expect({"Boulder Dash", "Giana Sisters", "Turrican"}, "", "");
    box("c64Box")->click();
    QTest::keyClicks(edit, "giana");
    click(w, "findButton");
    expect({"Turrican"}, "", "No record found for giana (Amiga)");
}

TEST_F(MainWindowTest, EveryButtonHasAMnemonicOfItsOwn)
{
    open();
    QStringList keys;
    for (const QAction *menu : w->menuBar()->actions())
        keys << QKeySequence::mnemonic(menu->text()).toString();
    QList<QAbstractButton *> buttons;
    for (QPushButton *button : w->findChildren<QPushButton *>())
        buttons << button;
    for (QCheckBox *button : w->findChildren<QCheckBox *>())
        buttons << button;
    for (const QAbstractButton *button : buttons) {
        keys << QKeySequence::mnemonic(button->text()).toString();
        EXPECT_FALSE(keys.last().isEmpty()) << button->objectName().toStdString();
    }
    EXPECT_EQ(buttons.size(), 15);
    QStringList distinct = keys;
    distinct.removeDuplicates();
    EXPECT_EQ(distinct, keys);
}

TEST_F(MainWindowTest, FavouritesAndPlaysShowInThePanelAndTheFilters)
{
    ASSERT_TRUE(store().recordPlay(boulder, 1000).ok());
    ASSERT_TRUE(store().recordPlay(giana, 2000).ok());
    open().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    box("favouritesBox")->click(); // none yet: said, and the box goes back
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for Favourites"});
    EXPECT_FALSE(box("favouritesBox")->isChecked());
    box("recentBox")->click();
    EXPECT_EQ(titles(), (QStringList{"Giana Sisters", "Boulder Dash"}));
    EXPECT_EQ(find<QLineEdit>("playsEdit")->text(), "1");
    EXPECT_FALSE(find<QLineEdit>("lastPlayedEdit")->text().isEmpty());
    click(w, "favouriteButton");
    EXPECT_TRUE(find<QPushButton>("favouriteButton")->isChecked());
    select(boulder);
    EXPECT_FALSE(find<QPushButton>("favouriteButton")->isChecked());
    QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(store().personalData(boulder).value().favourite);
    EXPECT_EQ(w->gameId(), boulder) << "the panel stays on the game";
    box("recentBox")->click();
    box("favouritesBox")->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    // The list's pop-up menu holds the same item; no longer a favourite, the game leaves.
    QAction *item = find<QAction>("favouriteAction");
    EXPECT_TRUE(find<QMenu>("gameFileMenu")->actions().contains(item));
    item->trigger();
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
    EXPECT_EQ(t.dialogs.messages().size(), 1);
}

TEST_F(MainWindowTest, AStarChangesItsOneRowWithoutAReload)
{
    for (int i = 0; i < 80; ++i)
        add(QString("Zak %1").arg(i, 2, 10, QChar('0')), "C64");
    open().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    selectRow(50);
    list()->scrollTo(list()->currentIndex(), QAbstractItemView::PositionAtCenter);
    const int scrolled = list()->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QSignalSpy resets(list()->model(), &QAbstractItemModel::modelReset);
    QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(list()->model()->index(50, browser::GameListModel::Favourite).data().toString(),
              QString(u'\u2605'));
    EXPECT_EQ(selectedRow(), 50);
    EXPECT_EQ(list()->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(resets.size(), 0);
}

TEST_F(MainWindowTest, TheFileMenuOpensAndMakesCataloguesClosingTheOtherWindows)
{
    open();
    const QString first = t.ctx->paths.catalogue, fresh = t.temp.filePath("new");
    EXPECT_EQ(w->windowTitle(), QFileInfo(first).fileName() + " - Vantrel");
    t.ctx->windows.open(GameInfoRequest{int(giana)});
    t.dialogs.files = {fresh};
    trigger("newCatalogueAction");
    EXPECT_EQ(t.ctx->paths.catalogue, fresh + ".mdb");
    EXPECT_EQ(w->windowTitle(), "new.mdb - Vantrel");
    EXPECT_EQ(w->listCount(), 0);
    EXPECT_EQ(w->gameId(), 0);
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::GameInfo));
    trigger("importExportAction"); // merrow works on the catalogue shown
    EXPECT_EQ(t.launcher.started.value(0).arguments, (QStringList{"--catalogue", fresh + ".mdb"}));
    // What fails the open test, or exists already, changes nothing.
    t.dialogs.files = {notPicture, fresh + ".mdb"};
    trigger("openCatalogueAction");
    trigger("newCatalogueAction");
    EXPECT_EQ(t.dialogs.messages().value(0), "Database Open Error");
    EXPECT_TRUE(t.dialogs.messages().value(1).startsWith("The catalogue could not be made: "));
    EXPECT_EQ(t.ctx->paths.catalogue, fresh + ".mdb");
    trigger("recentCatalogueAction2");
    EXPECT_EQ(t.ctx->paths.catalogue, first);
    EXPECT_EQ(w->listCount(), 3);
    EXPECT_EQ(w->gameId(), boulder);
}

TEST_F(MainWindowTest, DetailPanelFollowsTheSelection)
{
    open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    selectRow(1);
    expectScene({"Boulder Dash", "Giana Sisters", "Turrican"}, 1, "Giana Sisters");
    EXPECT_EQ(find<QLineEdit>("publisherEdit")->text(), "Rainbow Arts");
    QTRY_COMPARE(list()->model()->index(2, browser::GameListModel::Machine).data().toString(),
                 "Amiga 2.x"); // the columns follow the titles
    EXPECT_EQ(lamp("gameLamp"), kGreen);
    EXPECT_EQ(lamp("musicLamp"), kRed);
    EXPECT_EQ(entries(find<QListView>("programmingList")),
              (QStringList{"Armin Gessert", "Manfred Trenz", "",
                           "----------- Additional -----------", "Jan Hill"}));
    EXPECT_TRUE(find<QLabel>("noScreenshot1")->isVisible()); // screen1 empty
    EXPECT_FALSE(find<QLabel>("noScreenshot2")->isVisible());
    EXPECT_FALSE(find<QLabel>("screenshot2")->pixmap().isNull());

    // The user's click on another entry.
    const QRect r = list()->visualRect(list()->model()->index(2, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(w->gameId(), turrican);
    EXPECT_EQ(lamp("gameLamp"), kRed);
    EXPECT_EQ(lamp("musicLamp"), kGreen);
    EXPECT_TRUE(find<QLabel>("noScreenshot2")->isVisible()); // not a picture
    // A file that is set but gone: the third colour, and the path in the tooltip.
    select(boulder);
    EXPECT_EQ(lamp("gameLamp"), kAmber);
    EXPECT_EQ(find<QLabel>("gameLamp")->toolTip(), "File missing: /games/bd.d64");
    EXPECT_EQ(find<QLabel>("noScreenshot1")->text(), "FILE MISSING");
    EXPECT_EQ(find<QLabel>("screenshot1")->toolTip(), "Screenshot file missing: /shots/bd.png");
    select(turrican);

    // Clicks on the pictures open the viewer on that screenshot.
    QTest::mouseClick(find<QLabel>("screenshot1"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>("screenshot2"), Qt::LeftButton);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::ScreenshotViewer, turrican, 1},
                                     {WindowKey::ScreenshotViewer, turrican, 2}}));

    // A double-click on a name searches for it, on the separator or a blank line it does
    // nothing; a right-click pops up its menu.
    select(giana);
    auto *credits = find<QListView>("programmingList");
    for (int row : {3, 2})
        QTest::mouseDClick(credits->viewport(), Qt::LeftButton, {},
                           credits->visualRect(credits->model()->index(row, 0)).center());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    EXPECT_EQ(text("searchLabel"), "");
    QTest::mouseDClick(credits->viewport(), Qt::LeftButton, {},
                       credits->visualRect(credits->model()->index(4, 0)).center());
    EXPECT_EQ(text("searchLabel"), "Search for: Jan Hill");
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
    QTest::mouseClick(find<QLabel>("genreLabel"), Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(find<QMenu>("gameFieldMenu")->isVisible());
    find<QMenu>("gameFieldMenu")->hide();
}

TEST_F(MainWindowTest, TheGridShowsTheSameRowsHighlightAndCommandsAsTiles)
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    edit(giana, [this](Game &g) { g.screenshot1 = notPicture; });
    open().resize(1400, 1000);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    selectRow(1);
    trigger("gridAction");
    auto *grid = find<browser::GameGridView>("gameGrid");
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(grid->currentIndex().row(), 1);
    grid->viewport()->repaint();
    ASSERT_TRUE(QTest::qWaitFor([grid] { return !grid->isLoading(); }));
    const QImage tiles = grid->viewport()->grab().toImage();
    const auto tile = [&](int row) { return grid->visualRect(list()->model()->index(row, 0)); };
    const auto colour = [&](int row) {
        return tiles.pixelColor(tile(row).center().x(), tile(row).top() + 36);
    };
    EXPECT_EQ(colour(2), QColor(Qt::blue));
    for (int row : {0, 1}) // a missing and a damaged picture: a plain tile
        EXPECT_EQ(colour(row), grid->palette().color(QPalette::Button)) << row;
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(w->gameId(), boulder);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(opened, (QList<Opened>{{WindowKey::C64GamePlayer, giana, 0,
                                      store().game(giana).value().gameFile}}));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, tile(2).center());
    EXPECT_TRUE(find<QMenu>("gameFileMenu")->isVisible());
    find<QMenu>("gameFileMenu")->hide();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, tile(2).center());
    EXPECT_EQ(w->gameId(), turrican);
    trigger("gridAction");
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(selectedRow(), 2);
    qunsetenv("XDG_CACHE_HOME");
}

TEST_F(MainWindowTest, ActivationRefreshesAfterAnotherProgramsCommit)
{
    open();
    select(turrican);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "otherProgram");
        other.setDatabaseName(t.catalogue.path());
        ASSERT_TRUE(other.open());
        CatalogueStore elsewhere(other);
        Game changed = elsewhere.game(turrican).value();
        changed.title = "Turrican II";
        changed.publisher = "Factor 5";
        EXPECT_TRUE(elsewhere.updateFields(changed, Game::fields()).ok());
        EXPECT_TRUE(elsewhere.addGame(game({{F::Title, "Alien"}, {F::Machine, "C64"}})).ok());
    }
    QSqlDatabase::removeDatabase("otherProgram");
    EXPECT_EQ(w->listCount(), 3); // nothing happens before the window is activated
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(w, &activation);
    expectScene({"Alien", "Boulder Dash", "Giana Sisters", "Turrican II"}, 3, "Turrican II");
    EXPECT_EQ(find<QLineEdit>("publisherEdit")->text(), "Factor 5");
}

TEST_F(MainWindowTest, LayoutModesFollowTheSettings)
{
    open().show();
    const auto *edit = find<QLineEdit>("findEdit");
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->placeholderText()));
    EXPECT_GE(box("recentBox")->width(), box("recentBox")->sizeHint().width());

    t.ctx->settings.showScreenshots = false;
    t.ctx->settings.showCredits = false;
    Q_EMIT t.ctx->windows.events().settingsChanged();
    const int shortHeight = w->height();
    select(giana);
    EXPECT_TRUE(entries(find<QListView>("programmingList")).isEmpty());
    EXPECT_TRUE(find<QLabel>("screenshot2")->pixmap().isNull());
    t.ctx->settings = {};
    Q_EMIT t.ctx->windows.events().settingsChanged();
    EXPECT_GT(w->height(), shortHeight);
    EXPECT_EQ(entries(find<QListView>("programmingList")).size(), 5);
    EXPECT_FALSE(find<QLabel>("screenshot2")->pixmap().isNull());
}

TEST_F(MainWindowTest, OtherWindowsChangesShowInTheListAndPanel)
{
    open();
    select(giana);
    // Saved elsewhere: the entry moves with its new title, stays selected, lamps follow.
    edit(giana, [](Game &g) {
        g.title = "Zzap";
        g.gameFile = "";
    });
    Q_EMIT t.ctx->windows.events().gameSaved(giana);
    expectScene({"Boulder Dash", "Turrican", "Zzap"}, 2, "Zzap");
    EXPECT_EQ(lamp("gameLamp"), kRed);

    // A new game is selected when listed; one the filters keep out leaves the shown one.
    const GameId added = add(game({{F::Title, "Alpha"}, {F::Machine, "C64"}}));
    Q_EMIT t.ctx->windows.events().gameAdded(added);
    expectScene({"Alpha", "Boulder Dash", "Turrican", "Zzap"}, 0, "Alpha");
    box("amigaBox")->click();
    select(boulder);
    const GameId unlisted = add(game({{F::Title, "Amiga One"}, {F::Machine, "Amiga"}}));
    Q_EMIT t.ctx->windows.events().gameAdded(unlisted);
    expectScene({"Alpha", "Boulder Dash", "Zzap"}, 1, "Boulder Dash");

    // Many at once (a folder scan): read again, the shown game kept.
    add("Aardvark", "C64");
    Q_EMIT t.ctx->windows.events().gamesChanged();
    expectScene({"Aardvark", "Alpha", "Boulder Dash", "Zzap"}, 2, "Boulder Dash");

    // Deleted elsewhere: the entry in its place is selected.
    ASSERT_TRUE(store().deleteGame(boulder).ok());
    Q_EMIT t.ctx->windows.events().gameDeleted(boulder);
    expectScene({"Aardvark", "Alpha", "Zzap"}, 2, "Zzap");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    // A game the search in force hides is listed anyway when it is new or changed, with a note.
    QTest::keyClicks(find<QLineEdit>("findEdit"), "zzap");
    QTRY_COMPARE(titles(), QStringList{"Zzap"});
    const GameId hidden = add(game({{F::Title, "Hidden"}, {F::Machine, "C64"}}));
    Q_EMIT t.ctx->windows.events().gameAdded(hidden);
    expectScene({"Hidden", "Zzap"}, 0, "Hidden");
    EXPECT_EQ(text("searchNote"), "Hidden: shown although it does not match the search");
}

TEST_F(MainWindowTest, TheListFollowsTheFindBoxAsTheUserTypes)
{
    open();
    auto *edit = find<QLineEdit>("findEdit");
    QTest::keyClicks(edit, "rain");
    QTRY_COMPARE(titles(), (QStringList{"Giana Sisters", "Turrican"}));
    EXPECT_EQ(text("searchLabel"), "Search for: rain");
    QTest::keyClicks(edit, "bowx"); // nothing found: an empty list, no message
    QTRY_COMPARE(text("countLabel"), "0");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTRY_COMPARE(titles(), (QStringList{"Giana Sisters", "Turrican"}));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters", "Turrican"}));
    EXPECT_EQ(text("searchLabel"), "");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

TEST_F(MainWindowTest, HeaderClicksSortAndTheStarClickIsSignalled)
{
    LayoutMemory::setFile(t.temp.filePath("layout.ini"));
    open();
    LayoutMemory::watch(w);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    select(turrican);
    QHeaderView *header = list()->header();
    const auto clickHeader = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + 4, 4});
    };
    using M = browser::GameListModel;
    // Ties by title, empty values last in both directions; the selection follows its game.
    const std::pair<int, QStringList> clicks[] = {
        {M::Year, {"Giana Sisters", "Boulder Dash", "Turrican"}},
        {M::Year, {"Giana Sisters", "Boulder Dash", "Turrican"}},
        {M::Machine, {"Turrican", "Boulder Dash", "Giana Sisters"}},
        {M::Machine, {"Giana Sisters", "Boulder Dash", "Turrican"}},
        {M::Publisher, {"Giana Sisters", "Turrican", "Boulder Dash"}},
        {M::Publisher, {"Giana Sisters", "Turrican", "Boulder Dash"}}};
    for (const auto &[column, order] : clicks) {
        clickHeader(column);
        EXPECT_EQ(titles(), order) << column;
        EXPECT_EQ(selectedRow(), order.indexOf("Turrican")) << column;
    }
    auto *pane = w->findChild<browser::GameListPane *>();
    QSignalSpy starred(pane, &browser::GameListPane::favouriteToggled);
    const QModelIndex star = list()->model()->index(2, M::Favourite);
    EXPECT_EQ(star.data().toString(), QString(u'\u2606'));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(star).center());
    ASSERT_EQ(starred.size(), 1);
    EXPECT_EQ(starred.at(0).at(0).value<GameId>(), boulder);

    // A hidden column, the order and the sort stay after a restart.
    header->setSectionHidden(M::Genre, true);
    w->close();
    open();
    LayoutMemory::watch(w);
    w->show();
    LayoutMemory::setFile({});
    EXPECT_TRUE(list()->header()->isSectionHidden(M::Genre));
    EXPECT_EQ(list()->header()->visualIndex(M::Favourite), 0);
    EXPECT_EQ(titles(), (QStringList{"Giana Sisters", "Turrican", "Boulder Dash"}));
}

TEST(Splash, HandsOverToTheMainWindowWhoseMenuOpensAbout)
{
    TestContext t;
    const QString vice = writeFile(t.temp.filePath("x64sc"), "#!/bin/sh\n", true);
    t.catalogue.setConfig({{"dbver", "3.1 beta"}}); // the catalogue's own, no program writes it
    Configuration programs;
    programs.vice = vice;
    programs.uae = "/gone/fs-uae";
    ASSERT_TRUE(CatalogueStore(t.catalogue.db()).saveConfiguration(programs).ok());
    registerBrowserWindows(*t.ctx);
    Splash splash(*t.ctx);
    splash.show();
    splash.showMainWindow();
    auto *main = t.ctx->windows.find<MainWindow>(WindowKey::MainWindow);
    ASSERT_NE(main, nullptr);

    // About shows the catalogue's version.
    control<QAction>(main, "aboutAction")->trigger();
    QWidget *about = t.ctx->windows.find(WindowKey::About);
    EXPECT_EQ(control<QLabel>(about, "catalogueVersionLabel")->text(), "3.1 beta");
    // What can start here: the missing Amiga emulator is left out.
    EXPECT_EQ(control<QLabel>(about, "programsLabel")->text(), "C64: x64sc");
    click(about, "exitButton");
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::About));
}
