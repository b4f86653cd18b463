// The main window's lifecycle: its state file, the layout modes, and what it does when the
// catalogue changes under it.
#include "mainwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "filemenu.h"
#include "gamedetailpane.h"
#include "gamelistpane.h"
#include "opentest.h"
#include "placement.h"
#include "statefile.h"

#include <QCloseEvent>
#include <QLayout>
#include <QSplitter>

#include <algorithm>

using namespace browser;

void MainWindow::load()
{
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        m_fileMenu->opened(m_ctx.paths.catalogue);
    showCatalogueName();
    loadState();
    resize(sizeHint().expandedTo(minimumSizeHint()));
    centreOnScreen(this);
    m_list->refresh();
    m_list->chooseRow(0);
    m_dataVersion = dataVersion();
}

void MainWindow::loadState()
{
    if (const std::optional<ViewState> state = readStateFile(m_ctx.paths.stateFile)) {
        m_list->restoreFilter({state->c64, state->amiga, state->playable, state->sound, true});
        m_ctx.settings.showScreenshots = state->screenshots;
        m_ctx.settings.showCredits = state->credits;
        m_ctx.settings.fellowShowsGui = state->fellowShowsGui;
        m_ctx.settings.uaeShowsGui = state->uaeShowsGui;
    }
    applyLayoutModes();
}

Outcome MainWindow::writeState()
{
    const GameFilter boxes = m_list->filter();
    ViewState state;
    state.c64 = boxes.c64;
    state.amiga = boxes.amiga;
    state.screenshots = m_ctx.settings.showScreenshots;
    state.credits = m_ctx.settings.showCredits;
    state.playable = boxes.playable;
    state.sound = boxes.sound;
    state.fellowShowsGui = m_ctx.settings.fellowShowsGui;
    state.uaeShowsGui = m_ctx.settings.uaeShowsGui;
    return writeStateFile(m_ctx.paths.stateFile, state);
}

void MainWindow::saveStateOrWarn()
{
    if (const Outcome written = writeState(); !written)
        m_ctx.dialogs.message(tr("The settings could not be saved to %1: %2")
                                  .arg(m_ctx.paths.stateFile, written.error()),
                              Dialogs::Icon::Exclamation, tr("Attention"));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveStateOrWarn();
    event->accept();
}

void MainWindow::applyLayoutModes()
{
    m_detail->setScreenshotsShown(m_ctx.settings.showScreenshots);
    m_detail->setCreditsShown(m_ctx.settings.showCredits);
    // The window takes the height its parts ask for, shorter without the credits.
    m_splitter->updateGeometry();
    layout()->activate();
    resize(width(), std::max(sizeHint().height(), minimumSizeHint().height()));
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

void MainWindow::onGameDeletedElsewhere(GameId id)
{
    // The main window's own deletion has already taken the entry out.
    if (id != m_game.id && m_list->rowOf(id) >= m_list->count())
        return;
    reloadList(0);
}

// Rebuilds the list for the filters and search in force, without the messages of a
// user's refresh, then selects the new game when it is listed, or keeps the shown one.
void MainWindow::reloadList(GameId newGameId)
{
    const int oldRow = m_list->currentRow();
    const GameId shown = m_game.id;
    if (!m_list->reload())
        return; // the list on screen stays; the user's next refresh reports the fault
    // A game just added or changed stays in sight although the search would hide it.
    m_list->keepListed(newGameId ? newGameId : shown);
    const int newRow = newGameId ? m_list->rowOf(newGameId) : m_list->count();
    if (newRow < m_list->count())
        m_list->chooseRow(newRow);
    else
        restoreShownGame(shown, oldRow);
}

void MainWindow::onPersonalChanged(GameId id)
{
    // The one row changes in place, so the selection and the scrolling stay.
    const int oldRow = m_list->currentRow();
    if (!m_list->updatePersonal(id))
        return reloadList(0);
    if (id != m_game.id)
        return;
    if (m_list->rowOf(id) < m_list->count())
        m_detail->showPersonal(CatalogueStore(m_ctx.db()).personalData(id).valueOr({}));
    else
        restoreShownGame(id, oldRow);
}

void MainWindow::restoreShownGame(GameId id, int oldRow)
{
    const int row = m_list->rowOf(id);
    if (oldRow >= 0 && row < m_list->count()) {
        m_list->chooseRow(row);
        return;
    }
    if (id != 0 && showGame(id))
        return;
    if (m_list->count() == 0)
        clearGame();
    else if (oldRow >= 0)
        m_list->chooseRow(std::min(oldRow, m_list->count() - 1));
    else
        showGame(m_list->gameAt(0));
}

void MainWindow::removeDeletedEntry(GameId id)
{
    const int entry = m_list->rowOf(id);
    if (entry >= m_list->count()) {
        // The deleted game was not listed: the panel goes back to the list.
        if (m_list->count() == 0)
            clearGame();
        else
            m_list->chooseRow(0);
        return;
    }
    m_list->removeRow(entry);
    if (m_list->count() == 0) {
        clearGame();
        m_ctx.dialogs.beep();
        return;
    }
    // The last entry gives way to the one before it, any other to the one that moved up.
    m_list->chooseRow(entry < m_list->count() ? entry : entry - 1);
}
