#pragma once

#include "game.h"
#include "gamecommand.h"
#include "gamequery.h"

#include <QWidget>

class AppContext;
class Job;
class QAbstractItemModel;
class QCheckBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;
class QStackedWidget;
class QTimer;
class QTreeView;
class QVBoxLayout;

namespace browser
{
class GameGridView;
class GameListModel;

// The game list with its count, its search and its four filter boxes. A box whose tick
// would leave the list empty is unticked again; a search or tick that finds nothing is
// reported and the boxes and search go back to what the list on screen was built from.
// The list holds the filter's games in memory: a header click sorts them, and the Find
// box narrows them as the user types, on a search index read with the columns on a worker.
class GameListPane : public QWidget
{
    Q_OBJECT
public:
    explicit GameListPane(AppContext &ctx, QWidget *parent = nullptr);

    // The boxes as ticked.
    GameFilter filter() const;
    // Ticks the boxes as the state file says, as if in order, without reading the list.
    void restoreFilter(const GameFilter &filter);
    // The user's refresh: reports what goes wrong; chooses the first game.
    bool refresh();
    // Rebuilds the list for the boxes and search in force without a word; false (and the
    // list unchanged) when it cannot be read.
    bool reload();
    // Puts a text into the search box and runs Find.
    void searchFor(const QString &text);

    int count() const;
    GameId gameAt(int row) const; // 0 when there is no such row
    int rowOf(GameId id) const;   // count() when the game is not listed
    int currentRow() const;       // -1 when nothing is highlighted
    // Highlights a row and chooses its game; clears the highlight when there is no such row.
    void chooseRow(int row);
    // Highlights the game's entry, or nothing when it is not listed, choosing nothing.
    void highlight(GameId id);
    // Takes a deleted game's entry out.
    void removeRow(int row);
    // Shows a game's changed star and plays in its row, which leaves the list when the
    // filter no longer keeps it; false when a reload must decide (the game is not listed).
    bool updatePersonal(GameId id);
    // Shows the rows as tiles instead of the list, with the same highlight.
    void setGridShown(bool shown);
    // Lists a new or changed game although the search in force hides it, with a note.
    void keepListed(GameId id);

    // The list's rows and selection, for other views of the same list.
    QAbstractItemModel *model() const;
    QItemSelectionModel *selectionModel() const;

Q_SIGNALS:
    void gameChosen(GameId id);
    // Enter plays, Delete deletes, a double-click modifies.
    void commandRequested(browser::GameCommand command);
    void popupRequested(browser::PopupMenu menu, const QPoint &globalPosition);
    // A click on a game's star.
    void favouriteToggled(GameId id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class FileBox { None, Playable, Sound };

    void buildSearchRow(QVBoxLayout *layout);
    void buildFilterBoxes(QVBoxLayout *layout);
    void buildGameList(QVBoxLayout *layout);
    void buildGrid();
    void buildHeader();
    void showColumnMenu(const QPoint &position);
    bool loadRows(bool reportErrors);
    void startDetails();
    void takeDetails();
    bool ensureDetails();
    bool applySearch();
    bool findNow(bool quiet);
    void onTyped();
    void noteShownList();
    void setBoxes(const GameFilter &filter);
    void untickIfEmpty();
    GameQuery query() const;
    void goBackToShownList();
    void onMachineBoxToggled(QCheckBox *box);
    void onFileBoxToggled(FileBox box);
    void onFindClicked();
    void onShowAllClicked();
    bool handleFindKey(int key);
    bool handleListKey(int key);
    void selectRow(int row);

    AppContext &m_ctx;
    GameListModel *m_model = nullptr;
    GameFilter m_filter;  // the boxes the list was last asked for
    QString m_searchText; // the search in force, empty for none
    FileBox m_lastFileBox = FileBox::None;
    bool m_untickingPlayable = false;
    bool m_untickingSound = false;
    bool m_programSelects = false;
    // What the list on screen was built from; an empty result goes back to it.
    bool m_listShown = false;
    GameFilter m_shownFilter;
    QString m_shownSearchText;
    QString m_shownCaption;

    QLabel *m_countLabel = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QLabel *m_searchLabel = nullptr;
    QCheckBox *m_c64Box = nullptr;
    QCheckBox *m_amigaBox = nullptr;
    QCheckBox *m_playableBox = nullptr;
    QCheckBox *m_soundBox = nullptr;
    QCheckBox *m_favouritesBox = nullptr;
    QCheckBox *m_recentBox = nullptr;
    QLabel *m_noteLabel = nullptr;
    QTreeView *m_view = nullptr;
    GameGridView *m_grid = nullptr;
    QStackedWidget *m_views = nullptr; // the list or the grid
    QTimer *m_typingTimer = nullptr;
    Job *m_detailsJob = nullptr; // the details of the rows shown, while they are read
    GameFilter m_rowsFilter;     // the filter the rows in memory were read for
};

} // namespace browser
