#pragma once

#include "game.h"
#include "result.h"
#include "showngame.h"

#include <QMainWindow>

class AppContext;
class QSplitter;
enum class AssociationKind;

namespace browser
{
class FileMenu;
class GameActions;
class GameDetailPane;
class GameListPane;
} // namespace browser

// The catalogue browser's main window: the game list pane beside the detail pane of the
// shown game, and the commands that open the other windows. It builds and wires them, and
// keeps the list's highlight on the game in the panel.
class MainWindow : public QMainWindow, private browser::ShownGame
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The game in the detail panel, 0 when none.
    GameId gameId() const { return m_game.id; }
    int listCount() const;
    // Moves the panel to a game, listed or not; false when it does not exist.
    bool showGame(GameId id);
    // Puts a text into the search box and runs Find (the panel's double-clicks).
    void searchFor(const QString &text);
    // Writes the filter boxes and ctx.settings to the state file.
    Outcome writeState();
    // Goes on with another catalogue when it passes the open test and every other window
    // has closed: its state file, its list, the title naming it.
    bool switchCatalogue(const QString &path);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    GameId shownGameId() const override { return m_game.id; }
    std::optional<Game> rereadShownGame() override;

    void buildPanes();
    void connectGameList();
    void connectDetailPane();
    void connectEvents();
    void load();
    void loadState();
    void saveStateOrWarn();
    void showCatalogueList();
    void showCatalogueName();
    void clearGame();
    void removeDeletedEntry(GameId id);
    void onGameDeletedElsewhere(GameId id);
    void reloadList(GameId newGameId);
    void onPersonalChanged(GameId id);
    void restoreShownGame(GameId id, int oldRow);
    qint64 dataVersion() const;
    void refreshIfChangedElsewhere();
    void applyLayoutModes();

    AppContext &m_ctx;
    QSplitter *m_splitter = nullptr;
    browser::GameListPane *m_list = nullptr;
    browser::GameDetailPane *m_detail = nullptr;
    browser::GameActions *m_actions = nullptr;
    browser::FileMenu *m_fileMenu = nullptr;
    Game m_game; // the game in the panel
    // The catalogue's data_version when the list was last read; another connection's
    // commit changes it.
    qint64 m_dataVersion = -1;
};
