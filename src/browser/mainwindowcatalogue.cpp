// The main window's catalogue: which one it shows, and going on with another.
#include "mainwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "filemenu.h"
#include "gamelistpane.h"
#include "opentest.h"
#include "windowregistry.h"

#include <QFileInfo>

using namespace browser;

bool MainWindow::switchCatalogue(const QString &path)
{
    if (!checkCatalogueOrWarn(m_ctx.dialogs, path) || !m_ctx.windows.closeOthers(this))
        return false;
    // The view settings stay with the catalogue they were made for.
    saveStateOrWarn();
    m_ctx.closeDb();
    m_ctx.paths.useCatalogue(path);
    m_fileMenu->opened(m_ctx.paths.catalogue);
    showCatalogueName();
    loadState();
    showCatalogueList();
    return true;
}

void MainWindow::showCatalogueList()
{
    // An empty catalogue is no failed search: it lists nothing without a word. A list that
    // finds nothing is read again, so that no entry of the old catalogue stays.
    const bool empty = CatalogueStore(m_ctx.db()).gameCount().valueOr(0) == 0;
    if (empty || !m_list->refresh())
        m_list->reload();
    m_game = Game();
    if (m_list->count() > 0)
        m_list->chooseRow(0);
    else
        clearGame();
    m_dataVersion = dataVersion();
}

void MainWindow::showCatalogueName()
{
    setWindowTitle(tr("%1 - Vantrel").arg(QFileInfo(m_ctx.paths.catalogue).fileName()));
    setWindowFilePath(m_ctx.paths.catalogue);
}
