#pragma once

#include "recentcatalogues.h"

#include <QList>
#include <QObject>

class AppContext;
class QAction;
class QMainWindow;
class QMenu;

namespace browser
{

// The File menu: open or make a catalogue, the catalogues opened last, and Quit. It asks
// for the file and makes a new one; the window switches to what it hands over.
class FileMenu : public QObject
{
    Q_OBJECT
public:
    // Puts the menu first in the window's menu bar.
    FileMenu(AppContext &ctx, QMainWindow *window);

    // The window now shows this catalogue: it goes first among the recent ones.
    void opened(const QString &path);

Q_SIGNALS:
    void catalogueChosen(const QString &path);

private:
    void openCatalogue();
    void newCatalogue();
    void quit();
    void showRecent();

    AppContext &m_ctx;
    QMainWindow *m_window;
    QMenu *m_menu;
    QAction *m_recentEnd = nullptr; // the separator after the recent catalogues
    QList<QAction *> m_recentActions;
    RecentCatalogues m_recent;
};

} // namespace browser
