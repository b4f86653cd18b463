// The main window's lifecycle: its state file, the layout modes and what it does when other
// windows report a change.
#include "mainwindow.h"
#include "mainwindowlayout.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "gamelistmodel.h"
#include "opentest.h"
#include "statefile.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>

#include <algorithm>

using namespace browser;

MainWindow::MainWindow(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Vantrel"));
    m_model = new GameListModel(this);
    buildControls();
    buildMenus();
    connectCommands();
    connectEvents();
    m_ctx.windows.adopt(WindowKey::MainWindow, this);
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::load()
{
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    loadState();
    resize(kNarrowListWidth + kShotColumnWidth + kDetailWidth + 30, height());
    centreOnScreen(this);
    refreshList();
    setListIndex(0);
    m_dataVersion = dataVersion();
}

void MainWindow::loadState()
{
    if (const std::optional<ViewState> state = readStateFile(m_ctx.paths.stateFile)) {
        setFilterBoxes({state->c64, state->amiga, state->playable, state->sound, true});
        // As if the file boxes had been ticked in order: the last one ticked is the one a
        // filter that leaves nothing unticks again.
        m_lastFilterBox = state->sound      ? FilterBox::Sound
                          : state->playable ? FilterBox::Playable
                                            : FilterBox::None;
        m_ctx.settings.showScreenshots = state->screenshots;
        m_ctx.settings.showCredits = state->credits;
        m_ctx.settings.fellowShowsGui = state->fellowShowsGui;
        m_ctx.settings.uaeShowsGui = state->uaeShowsGui;
    }
    applyLayoutModes();
}

bool MainWindow::writeState(QString *error)
{
    ViewState state;
    state.c64 = m_c64Box->isChecked();
    state.amiga = m_amigaBox->isChecked();
    state.screenshots = m_ctx.settings.showScreenshots;
    state.credits = m_ctx.settings.showCredits;
    state.playable = m_playableBox->isChecked();
    state.sound = m_soundBox->isChecked();
    state.fellowShowsGui = m_ctx.settings.fellowShowsGui;
    state.uaeShowsGui = m_ctx.settings.uaeShowsGui;
    return writeStateFile(m_ctx.paths.stateFile, state, error);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refreshIfChangedElsewhere();
    return QMainWindow::event(event);
}

qint64 MainWindow::dataVersion() const
{
    if (!m_ctx.db().isOpen())
        return -1;
    return catalogue::dataVersion(m_ctx.db());
}

void MainWindow::refreshIfChangedElsewhere()
{
    // Another program (merrow's transfer, say) may have written since the list was read.
    const qint64 version = dataVersion();
    if (version < 0 || version == m_dataVersion)
        return;
    m_dataVersion = version;
    reloadList(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QString error;
    if (!writeState(&error))
        m_ctx.dialogs.message(
            tr("The settings could not be saved to %1: %2").arg(m_ctx.paths.stateFile, error),
            Dialogs::Icon::Exclamation, tr("Attention"));
    event->accept();
}

void MainWindow::connectEvents()
{
    WindowEvents &events = m_ctx.windows.events();
    connect(&events, &WindowEvents::gameSaved, this, &MainWindow::onGameSaved);
    connect(&events, &WindowEvents::gameAdded, this, &MainWindow::onGameAdded);
    connect(&events, &WindowEvents::gameDeleted, this, &MainWindow::onGameDeleted);
    connect(&events, &WindowEvents::associationMade, this, &MainWindow::onAssociationMade);
    connect(&events, &WindowEvents::settingsChanged, this, &MainWindow::applyLayoutModes);
}

void MainWindow::onGameSaved(int)
{
    // A changed title moves its entry, a changed file may change what the filters keep.
    reloadList(0);
}

void MainWindow::onGameAdded(int id)
{
    reloadList(id);
}

void MainWindow::onGameDeleted(int id)
{
    // The main window's own deletion has already taken the entry out.
    if (id != m_gameId && rowOfGame(id) >= listCount())
        return;
    reloadList(0);
}

void MainWindow::onAssociationMade(AssociationKind, int)
{
    reloadList(0);
}

// Rebuilds the list for the filters and search in force, without the messages of a
// user's refresh, then selects the new game when it is listed, or keeps the shown one.
void MainWindow::reloadList(int newGameId)
{
    if (!m_ctx.db().isOpen())
        return;
    const ListResult result = fetchList(m_ctx.db(), filterClause(m_filter), searchInForce());
    if (!result.ok())
        return; // the list on screen stays; the user's next refresh reports the fault
    const int oldRow = listIndex();
    const int shown = m_gameId;
    fillList(result.rows);
    m_countLabel->setText(QString::number(listCount()));
    const int newRow = newGameId ? rowOfGame(newGameId) : listCount();
    if (newRow < listCount())
        setListIndex(newRow);
    else
        restoreShownGame(shown, oldRow);
}

void MainWindow::restoreShownGame(int id, int oldRow)
{
    const int row = rowOfGame(id);
    if (oldRow >= 0 && row < listCount()) {
        setListIndex(row);
        return;
    }
    if (id != 0 && showGame(id))
        return;
    if (listCount() == 0)
        clearGame();
    else if (oldRow >= 0)
        setListIndex(std::min(oldRow, listCount() - 1));
    else
        showGame(m_model->idAt(0));
}

void MainWindow::applyLayoutModes()
{
    setCreditsShown(m_ctx.settings.showCredits);
    setScreenshotsShown(m_ctx.settings.showScreenshots);
}

void MainWindow::setCreditsShown(bool on)
{
    m_creditsShown = on;
    m_creditBand->setVisible(on);
    // The two designed heights; a larger font may need more, which the layout asks for.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), std::max(on ? kTallHeight : kShortHeight, minimumSizeHint().height()));
    if (on)
        fillCreditLists();
}

void MainWindow::setScreenshotsShown(bool on)
{
    m_screenshotsShown = on;
    m_shotColumn->setVisible(on);
    if (on && m_game.id != 0) {
        showScreenshot(1, m_game.screenshot1);
        showScreenshot(2, m_game.screenshot2);
    }
}

QString MainWindow::configValue(Configuration::Path path) const
{
    const auto configuration = CatalogueStore(m_ctx.db()).configuration();
    return configuration ? configuration->value(path) : QString();
}
