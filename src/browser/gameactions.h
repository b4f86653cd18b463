#pragma once

#include "configuration.h"
#include "game.h"
#include "gamecommand.h"

#include <QObject>

#include <array>

class AppContext;
class QAction;
class QMainWindow;
class QMenu;
class QPoint;

namespace browser
{
class ShownGame;
struct PopupItem;

// The main window's commands: the menu bar, the pop-up menus, and what the panel's buttons
// and the list's keys do to the shown game.
class GameActions : public QObject
{
    Q_OBJECT
public:
    // Fills the window's menu bar; the pop-up menus are the window's children too.
    GameActions(AppContext &ctx, ShownGame &shown, QMainWindow *window);

    void run(browser::GameCommand command);
    void popup(browser::PopupMenu menu, const QPoint &globalPosition);
    void openScreenshot(int which);
    // Whether the games are shown as tiles (View > Grid), as last chosen.
    bool gridShown() const;
    // Makes a game a favourite, or no longer one (the star, Ctrl+D, the list's star).
    void toggleFavourite(GameId id);

Q_SIGNALS:
    void gridToggled(bool shown);
    // A game's favourite changed: the list and the panel show it afresh.
    void personalChanged(GameId id);
    // The game was deleted from the catalogue; sent before the windows hear of it.
    void gameDeleted(GameId id);

private:
    void buildMenuBar();
    void buildPopupMenus();
    QAction *buildGridAction();
    void buildFavouriteAction();
    void play();
    void playMusic();
    void showInfo();
    void modify();
    void remove();
    void onPopupItem(const PopupItem &item);
    void openFreeMusic(bool c64);
    void scanFolder();
    void startUtility();
    void showNews();
    Configuration configuration() const;
    void refuse(const QString &message);

    AppContext &m_ctx;
    ShownGame &m_shown;
    QMainWindow *m_window;
    QAction *m_gridAction = nullptr;
    std::array<QMenu *, 7> m_popupMenus{}; // by PopupMenu
};

} // namespace browser
