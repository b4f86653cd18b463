#pragma once

#include "listquery.h"

#include "configuration.h"
#include "game.h"
#include <QImage>
#include <QMainWindow>

#include <array>

class AppContext;
class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QMouseEvent;
class QPushButton;
class QVBoxLayout;
class QWidget;
enum class AssociationKind;

namespace browser
{
class GameListModel;
struct PopupItem;
} // namespace browser

// The catalogue browser's main window: the game list with its filters and search, the
// detail panel of the shown game with its lamps, credits and screenshots, and the commands
// that open the other windows.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The game in the detail panel, 0 when none.
    int gameId() const { return m_gameId; }
    int listCount() const;
    // Moves the panel to a game, listed or not; false when it does not exist.
    bool showGame(int id);
    // Puts a text into the search box and runs Find (the panel's double-clicks).
    void searchFor(const QString &text);
    // Writes the filter boxes and ctx.settings to the state file; false (and *error) when
    // it cannot be written.
    bool writeState(QString *error = nullptr);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class FilterBox { None, Playable, Sound };

    // Building (mainwindowbuild.cpp)
    void buildControls();
    QWidget *buildListColumn();
    void buildSearchRow(QWidget *column, QVBoxLayout *layout);
    void buildFilterBoxes(QWidget *column, QVBoxLayout *layout);
    void buildGameList(QWidget *column, QVBoxLayout *layout);
    QWidget *buildShotColumn();
    QWidget *buildDetail();
    void buildGameFrame(QWidget *detail);
    void buildLamps(QGridLayout *grid, int row);
    void buildButtons(QWidget *detail, QVBoxLayout *layout);
    QWidget *buildCreditBand();
    void buildMenus();
    void buildPopupMenus();

    // Lifecycle and hand-over (mainwindow.cpp)
    void load();
    void loadState();
    void connectEvents();
    void onGameSaved(int id);
    void onGameAdded(int id);
    void onGameDeleted(int id);
    void onAssociationMade(AssociationKind kind, int id);
    void reloadList(int newGameId);
    qint64 dataVersion() const;
    void refreshIfChangedElsewhere();
    void restoreShownGame(int id, int oldRow);
    void applyLayoutModes();
    void setCreditsShown(bool on);
    void setScreenshotsShown(bool on);
    QString configValue(Configuration::Path path) const;

    // List, filters and search (mainwindowlist.cpp)
    browser::ListFilter filterBoxes() const;
    void setFilterBoxes(const browser::ListFilter &filter);
    void applyFilterBoxes();
    browser::SqlClause searchInForce() const;
    bool refreshList();
    void fillList(QList<browser::ListRow> rows);
    void onMachineBoxToggled(QCheckBox *box);
    void onFileBoxToggled(FilterBox box);
    void onFindClicked();
    void onShowAllClicked();
    bool handleFindKey(int key);
    int listIndex() const;
    int rowOfGame(int id) const;
    void setListIndex(int row);
    void highlightShownGame();
    void onListSelectionChanged();

    // Detail panel (mainwindowdetail.cpp)
    void fillCreditLists();
    void setLamp(QLabel *lamp, const QVariant &file);
    void showScreenshot(int which, const QString &path);
    void fitScreenshot(int which);
    void openScreenshot(int which);
    void updateFrameTitle();
    void clearGame();
    QMenu *popupMenuFor(QObject *watched) const;
    QListWidget *creditListOf(QObject *watched) const;
    bool handlePanelMouse(QObject *watched, QMouseEvent *mouse);
    bool handleDoubleClick(QObject *watched, QMouseEvent *mouse);
    bool handleListKey(int key);

    // Commands (mainwindowcommands.cpp, mainwindowmenus.cpp)
    void connectCommands();
    bool rereadShownGame();
    void onPlayClicked();
    void onPlayMusicClicked();
    void onInfoClicked();
    void onNewClicked();
    void onModifyClicked();
    void onDeleteClicked();
    void removeDeletedEntry(int entry);
    void openC64FreePlayer();
    void openAmigaFreePlayer();
    void openFreeMusic(bool c64);
    void startUtility();
    void showNews();
    void onPopupItem(const browser::PopupItem &item);

    AppContext &m_ctx;
    browser::GameListModel *m_model = nullptr;
    int m_gameId = 0;
    // The catalogue's data_version when the list was last read; another connection's
    // commit changes it.
    qint64 m_dataVersion = -1;
    Game m_game;         // the shown game (id 0: none)
    QString m_gameTitle; // the frame's caption in full (the frame may show it shortened)

    browser::ListFilter m_shownFilter;
    browser::ListFilter m_filter; // the boxes the list was last asked for
    QString m_searchText;         // the search in force, empty for none
    FilterBox m_lastFilterBox = FilterBox::None;
    bool m_untickingPlayable = false;
    bool m_untickingSound = false;
    bool m_programSelects = false;
    bool m_creditsShown = true;
    bool m_screenshotsShown = true;
    // What the list on screen was built from; an empty result goes back to it.
    bool m_listShown = false;
    QString m_shownSearchText;
    QString m_shownCaption;

    // List column
    QLabel *m_countLabel = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QPushButton *m_findButton = nullptr;
    QPushButton *m_allButton = nullptr;
    QLabel *m_searchLabel = nullptr;
    QCheckBox *m_c64Box = nullptr;
    QCheckBox *m_amigaBox = nullptr;
    QCheckBox *m_playableBox = nullptr;
    QCheckBox *m_soundBox = nullptr;
    QListView *m_gameList = nullptr;
    // Screenshot column: screen1 above screen2, each with its "NO SCREENSHOT" caption.
    QWidget *m_shotColumn = nullptr;
    QLabel *m_screenshot1 = nullptr;
    QLabel *m_screenshot2 = nullptr;
    QLabel *m_noScreenshot1 = nullptr;
    QLabel *m_noScreenshot2 = nullptr;
    std::array<QImage, 2> m_shotImages; // as read, scaled to the boxes when they resize
    // Detail panel
    QGroupBox *m_gameFrame = nullptr;
    std::array<QLabel *, 5> m_fieldLabels{};
    QLineEdit *m_publisherEdit = nullptr;
    QLineEdit *m_teamEdit = nullptr;
    QLineEdit *m_machineEdit = nullptr;
    QLineEdit *m_yearEdit = nullptr;
    QLineEdit *m_genreEdit = nullptr;
    QLabel *m_gameLamp = nullptr;
    QLabel *m_musicLamp = nullptr;
    QPushButton *m_playButton = nullptr;
    QPushButton *m_playMusicButton = nullptr;
    QPushButton *m_infoButton = nullptr;
    QPushButton *m_newButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    // Credit band
    QWidget *m_creditBand = nullptr;
    QListWidget *m_programmingList = nullptr;
    QListWidget *m_designList = nullptr;
    QListWidget *m_graphicsList = nullptr;
    QListWidget *m_musicList = nullptr;
    // Menu bar
    QAction *m_systemAction = nullptr;
    QAction *m_programAction = nullptr;
    QAction *m_c64GamePlayerAction = nullptr;
    QAction *m_amigaGamePlayerAction = nullptr;
    QAction *m_c64MusicPlayerAction = nullptr;
    QAction *m_amigaMusicPlayerAction = nullptr;
    QAction *m_importExportAction = nullptr;
    QAction *m_whatsNewAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_greetingsAction = nullptr;
    // Pop-up menus of the panel and the list, never in the menu bar
    QMenu *m_gameFieldMenu = nullptr;
    QMenu *m_screenshotMenu = nullptr;
    QMenu *m_gameFileMenu = nullptr;
    QMenu *m_programmingMenu = nullptr;
    QMenu *m_designMenu = nullptr;
    QMenu *m_graphicsMenu = nullptr;
    QMenu *m_musicMenu = nullptr;
};
