// The main window's menu bar and pop-up menus, and the menu bar's commands that start
// something other than a window on the shown game.
#include "gameactions.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "launcher.h"
#include "layoutmemory.h"
#include "namedwidget.h"
#include "placement.h"
#include "popupitem.h"
#include "windowregistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>

namespace browser
{
namespace
{

const QString kGridKey = QStringLiteral("mainWindow/grid");

template <class Receiver, class Slot>
void addItem(QMenu *menu, const char *name, const QString &text, Receiver *receiver, Slot slot)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, receiver, slot);
}

} // namespace

void GameActions::buildMenuBar()
{
    auto menu = [this](const char *name, const QString &title) {
        QMenu *m = namedWidget<QMenu>(QLatin1String(name), title, m_window);
        m_window->menuBar()->addMenu(m);
        return m;
    };
    const auto show = [this](WindowKey key) { return [this, key] { m_ctx.windows.show(key); }; };
    QMenu *configuration = menu("configurationMenu", tr("&Configuration"));
    addItem(configuration, "systemAction", tr("&System"), this, show(WindowKey::SystemConfig));
    addItem(configuration, "programAction", tr("&Program"), this, show(WindowKey::ProgramOptions));
    QMenu *games = menu("gamePlayersMenu", tr("&Game Players"));
    addItem(games, "c64GamePlayerAction", tr("&C64 GamePlayer"), this,
            [this] { m_ctx.windows.open(C64FreePlayerRequest{this->configuration().c64Games}); });
    addItem(games, "amigaGamePlayerAction", tr("&Amiga GamePlayer"), this, [this] {
        m_ctx.windows.open(AmigaFreePlayerRequest{this->configuration().amigaGames});
    });
    QMenu *music = menu("musicPlayersMenu", tr("&Music Players"));
    addItem(music, "c64MusicPlayerAction", tr("&C64 MusicPlayer"), this,
            [this] { openFreeMusic(true); });
    addItem(music, "amigaMusicPlayerAction", tr("&Amiga MusicPlayer"), this,
            [this] { openFreeMusic(false); });
    QMenu *utility = menu("utilityMenu", tr("&Utility"));
    addItem(utility, "importExportAction", tr("&Import/Export"), this, &GameActions::startUtility);
    addItem(utility, "scanFolderAction", tr("Add Games from &Folder…"), this,
            &GameActions::scanFolder);
    addItem(utility, "relinkAction", tr("&Relink Files…"), this, show(WindowKey::Relink));
    addItem(utility, "missingFilesAction", tr("&Missing Files…"), this,
            show(WindowKey::MissingFiles));
    menu("viewMenu", tr("Vie&w"))->addAction(buildGridAction());
    QMenu *help = menu("helpMenu", tr("&?"));
    addItem(help, "whatsNewAction", tr("&What's new"), this, &GameActions::showNews);
    addItem(help, "aboutAction", tr("&About"), this, show(WindowKey::About));
    addItem(help, "greetingsAction", tr("&Greetings"), this, show(WindowKey::Greetings));
}

QAction *GameActions::buildGridAction()
{
    m_gridAction = new QAction(m_window->style()->standardIcon(QStyle::SP_FileDialogContentsView),
                               tr("&Grid"), this);
    m_gridAction->setObjectName(QStringLiteral("gridAction"));
    m_gridAction->setCheckable(true);
    m_gridAction->setChecked(LayoutMemory::value(kGridKey, false).toBool());
    QToolBar *bar = m_window->addToolBar(tr("View"));
    bar->setObjectName(QStringLiteral("viewToolBar"));
    bar->setMovable(false);
    bar->setIconSize({16, 16}); // a thin bar: an 800x600 screen has no height to spare
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(m_gridAction);
    connect(m_gridAction, &QAction::toggled, this, [this](bool shown) {
        LayoutMemory::setValue(kGridKey, shown);
        Q_EMIT gridToggled(shown);
    });
    return m_gridAction;
}

bool GameActions::gridShown() const
{
    return m_gridAction->isChecked();
}

void GameActions::buildPopupMenus()
{
    // Never in the menu bar: the panel and the list pop them up.
    const char *names[] = {"gameFieldMenu", "screenshotMenu", "gameFileMenu", "programmingMenu",
                           "designMenu",    "graphicsMenu",   "musicMenu"};
    for (size_t i = 0; i < m_popupMenus.size(); ++i)
        m_popupMenus[i] = namedWidget<QMenu>(QLatin1String(names[i]), tr("Modify"), m_window);
    for (const PopupItem &item : popupItems()) {
        // The texts keep the context they were written in.
        addItem(m_popupMenus[size_t(item.menu)], item.name,
                QCoreApplication::translate("MainWindow", item.text), this,
                [this, &item] { onPopupItem(item); });
    }
}

void GameActions::buildFavouriteAction()
{
    // One action for the window's key and both pop-up menus that act on the shown game.
    auto *favourite = new QAction(tr("&Favourite"), m_window);
    favourite->setObjectName(QStringLiteral("favouriteAction"));
    favourite->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    favourite->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(favourite);
    for (const PopupMenu menu : {PopupMenu::GameFiles, PopupMenu::GameFields}) {
        m_popupMenus[size_t(menu)]->addSeparator();
        m_popupMenus[size_t(menu)]->addAction(favourite);
    }
    connect(favourite, &QAction::triggered, this, [this] { run(GameCommand::ToggleFavourite); });
}

void GameActions::openFreeMusic(bool c64)
{
    const Configuration config = configuration();
    m_ctx.windows.open(FreeMusicRequest{c64 ? MusicMachine::C64 : MusicMachine::Amiga,
                                        c64 ? config.c64Music : config.amigaMusic});
}

void GameActions::scanFolder()
{
    const QString start = configuration().c64Games;
    const QString folder = m_ctx.dialogs.chooseFolder(tr("Add Games from Folder"),
                                                      start.isEmpty() ? QDir::homePath() : start);
    if (!folder.isEmpty())
        m_ctx.windows.open(FolderScanRequest{folder});
}

void GameActions::startUtility()
{
    if (!m_ctx.launcher.start(merrowCommand(m_ctx.paths.programDir, m_ctx.paths.catalogue)))
        refuse(tr("Merrow not found!"));
}

void GameActions::showNews()
{
    const QString path = newsFile(m_ctx.paths.sharedFolder());
    if (m_ctx.launcher.openDocument(path))
        return;
    // No viewer on the desktop: the notes are plain text, so show them here.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return refuse(tr("What's New file not found!"));
    auto *view = new QPlainTextEdit(m_window);
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

} // namespace browser
