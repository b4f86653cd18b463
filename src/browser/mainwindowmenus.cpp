// The main window's menu bar commands that start something else than a window on the
// shown game.
#include "mainwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "launcher.h"
#include "windowregistry.h"

using namespace browser;

void MainWindow::openC64FreePlayer()
{
    m_ctx.windows.open(C64FreePlayerRequest{configValue("game64")});
}

void MainWindow::openAmigaFreePlayer()
{
    m_ctx.windows.open(AmigaFreePlayerRequest{configValue("gameamiga")});
}

void MainWindow::openFreeMusic(bool c64)
{
    m_ctx.windows.open(FreeMusicRequest{c64 ? MusicMachine::C64 : MusicMachine::Amiga,
                                        configValue(c64 ? "music64" : "musicamiga")});
}

void MainWindow::startUtility()
{
    QString error;
    if (!m_ctx.launcher.start(merrowCommand(m_ctx.paths.programDir, m_ctx.paths.catalogue),
                              &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Merrow not found!"), Dialogs::Icon::Critical, tr("Error"));
    }
}

void MainWindow::showNews()
{
    QString error;
    if (!m_ctx.launcher.openDocument(newsFile(m_ctx.paths.sharedFolder()), &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("What's New file not found!"), Dialogs::Icon::Critical,
                              tr("Error"));
    }
}
