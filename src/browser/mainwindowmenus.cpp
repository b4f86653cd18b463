// The main window's menu bar commands that start something else than a window on the
// shown game.
#include "mainwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "launcher.h"
#include "placement.h"
#include "windowregistry.h"

#include <QFile>
#include <QPlainTextEdit>

using namespace browser;

void MainWindow::openC64FreePlayer()
{
    m_ctx.windows.open(C64FreePlayerRequest{configValue(Configuration::Path::C64Games)});
}

void MainWindow::openAmigaFreePlayer()
{
    m_ctx.windows.open(AmigaFreePlayerRequest{configValue(Configuration::Path::AmigaGames)});
}

void MainWindow::openFreeMusic(bool c64)
{
    m_ctx.windows.open(FreeMusicRequest{
        c64 ? MusicMachine::C64 : MusicMachine::Amiga,
        configValue(c64 ? Configuration::Path::C64Music : Configuration::Path::AmigaMusic)});
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
    const QString path = newsFile(m_ctx.paths.sharedFolder());
    QString error;
    if (m_ctx.launcher.openDocument(path, &error))
        return;
    // No viewer on the desktop: the notes are plain text, so show them here.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("What's New file not found!"), Dialogs::Icon::Critical,
                              tr("Error"));
        return;
    }
    auto *view = new QPlainTextEdit(this);
    view->setWindowFlag(Qt::Window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setObjectName(QStringLiteral("newsView"));
    view->setWindowTitle(tr("What's new"));
    view->setReadOnly(true);
    view->setPlainText(QString::fromUtf8(file.readAll()));
    closeOnEscape(view);
    view->resize(640, 480);
    centreOnScreen(view);
    view->show();
}
