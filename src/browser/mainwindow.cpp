#include "mainwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "filemenu.h"
#include "gameactions.h"
#include "gamedetailpane.h"
#include "gamelistpane.h"
#include "playerbar.h"
#include "windowregistry.h"

#include <QSplitter>

using namespace browser;

MainWindow::MainWindow(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("mainWindow"));
    buildPanes();
    m_actions = new GameActions(m_ctx, *this, this);
    m_fileMenu = new FileMenu(m_ctx, this);
    connect(m_fileMenu, &FileMenu::catalogueChosen, this, &MainWindow::switchCatalogue);
    connectGameList();
    connectDetailPane();
    connectEvents();
    m_ctx.windows.adopt(WindowKey::MainWindow, this);
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanes()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_list = new GameListPane(m_ctx, m_splitter);
    m_detail = new GameDetailPane(m_splitter);
    if (m_ctx.music)
        m_detail->setPlayerBar(new PlayerBar(*m_ctx.music, m_detail));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_detail);
    // A wider window goes mostly to the screenshots, not to the list.
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 5);
    setCentralWidget(m_splitter);
}

void MainWindow::connectGameList()
{
    connect(m_list, &GameListPane::gameChosen, this, &MainWindow::showGame);
    connect(m_list, &GameListPane::commandRequested, m_actions, &GameActions::run);
    connect(m_list, &GameListPane::popupRequested, m_actions, &GameActions::popup);
    connect(m_list, &GameListPane::favouriteToggled, m_actions, &GameActions::toggleFavourite);
    connect(m_actions, &GameActions::gameDeleted, this, &MainWindow::removeDeletedEntry);
    connect(m_actions, &GameActions::gridToggled, m_list, &GameListPane::setGridShown);
    m_list->setGridShown(m_actions->gridShown());
    connect(m_actions, &GameActions::personalChanged, this, &MainWindow::onPersonalChanged);
}

void MainWindow::connectDetailPane()
{
    connect(m_detail, &GameDetailPane::commandClicked, m_actions, &GameActions::run);
    connect(m_detail, &GameDetailPane::popupRequested, m_actions, &GameActions::popup);
    connect(m_detail, &GameDetailPane::screenshotClicked, m_actions, &GameActions::openScreenshot);
    connect(m_detail, &GameDetailPane::searchRequested, m_list, &GameListPane::searchFor);
}

void MainWindow::connectEvents()
{
    WindowEvents &events = m_ctx.windows.events();
    // A changed title moves its entry, a changed file may change what the filters keep.
    connect(&events, &WindowEvents::gameSaved, this, [this] { reloadList(0); });
    connect(&events, &WindowEvents::gameAdded, this, &MainWindow::reloadList);
    connect(&events, &WindowEvents::gameDeleted, this, &MainWindow::onGameDeletedElsewhere);
    connect(&events, &WindowEvents::associationMade, this, [this] { reloadList(0); });
    connect(&events, &WindowEvents::gamesChanged, this, [this] { reloadList(0); });
    connect(&events, &WindowEvents::settingsChanged, this, &MainWindow::applyLayoutModes);
}

int MainWindow::listCount() const
{
    return m_list->count();
}

void MainWindow::searchFor(const QString &text)
{
    m_list->searchFor(text);
}

bool MainWindow::showGame(GameId id)
{
    if (!m_ctx.db().isOpen())
        return false;
    Result<Game> game = CatalogueStore(m_ctx.db()).game(id);
    if (!game)
        return false;
    m_game = std::move(game).value();
    m_detail->showGame(m_game);
    m_detail->showPersonal(CatalogueStore(m_ctx.db()).personalData(id).valueOr({}));
    m_list->highlight(id);
    return true;
}

void MainWindow::clearGame()
{
    m_game = Game();
    m_detail->clear();
    m_list->highlight(0);
}

std::optional<Game> MainWindow::rereadShownGame()
{
    if (m_list->count() > 0 && m_game.id != 0 && showGame(m_game.id))
        return m_game;
    return std::nullopt;
}
