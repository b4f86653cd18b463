#pragma once

#include "listquery.h"
#include "mainpanel.h"

#include <QMainWindow>
#include <QSqlRecord>

class AppContext;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;

namespace browser
{
class GameListModel;
}

// The catalogue browser's main window: the game list with its filters and search, the
// detail panel of the selected game, its credits and screenshots.
class Form1 : public QMainWindow, public MainPanel
{
    Q_OBJECT
public:
    explicit Form1(AppContext &ctx, QWidget *parent = nullptr);
    ~Form1() override;

    // Lifecycle
    void Form_Activate();
    // Writes the state file; false (and *error) when it cannot be written.
    bool Form_Unload(QString *error = nullptr);

    // List and filters
    void filtrolista();
    // Rebuilds the list; false when nothing matched (list, count and panel unchanged).
    bool aggiornalista();
    void riempilista(QList<browser::ListRow> rows);
    void Check4_Click();
    void Check5_Click();
    void Check1_Click();
    void Check2_Click();

    // Search
    void command1_Click();  // Find
    void NmButton4_Click(); // ALL
    // Puts a text into the search box and runs Find (the panel's double-clicks).
    void searchFor(const QString &text);

    // Detail panel
    void List1_Click();
    void Text5_Change();
    void riempiprog();
    void riempides();
    void riempigrfx();
    void riempimus();
    // Moves the panel to a game (Data1 to "id="); false when it does not exist.
    bool showGame(int id);
    // Opens the screenshot viewer on screenshot 1 (Image2) or 2 (Image1).
    void openScreenshot(int which);

    // Commands: buttons
    void NmButton8_Click(); // PLAY
    void NmButton7_Click(); // Play Music
    void NmButton1_Click(); // Info
    void NmButton2_Click(); // NEW
    void NmButton3_Click(); // Modify
    void NmButton5_Click(); // Delete
    void List1_DblClick();
    // Commands: menu bar
    void sys_Click();
    void pro_Click();
    void cgp_Click();
    void agp_Click();
    void cmp_Click();
    void amp_Click();
    void imex_Click();
    void new_Click();
    void abt_Click();
    void gret_Click();
    // Commands: pop-up menus
    void mdname_Click();
    void mdpub_Click();
    void mdteam_Click();
    void mdgenre_Click();
    void mdyear_Click();
    void mdp_Click();
    void mdd_Click();
    void md_Click();
    void mdm_Click();
    void mdfg_Click();
    void mdfm_Click();
    void mds1_Click();
    void mds2_Click();

    // What the commands need
    int cercaindex(int currrec) const;
    int listIndex() const;     // selected position, -1 when none
    int listCount() const;     // entries in List1
    int listId(int row) const; // item data of an entry, 0 when none
    // Selects an entry (or none for -1) and shows it as a list click does.
    void setListIndex(int row);
    browser::GameListModel *listModel() const { return m_model; }
    int currentId() const; // the shown game (Text5), 0 when none
    const QSqlRecord &currentRecord() const { return m_record; }
    // Frame1's caption in full (the frame may show it shortened).
    QString frameTitle() const { return m_frameTitle; }
    QSqlRecord configRecord() const; // first row of tabella2 (empty when none)
    QString filterclause() const { return m_filterclause; }
    browser::SqlClause searchclause() const { return m_searchclause; }
    QString lastfilterbox() const { return m_lastfilterbox; }
    browser::ListFilter filterBoxes() const;

    // MainPanel
    void setGameLamp(bool present) override;
    void setMusicLamp(bool present) override;
    void showScreenshot(int which, const QString &path) override;
    bool showGameCredits() const override { return m_showCredits; }
    void setShowGameCredits(bool on) override;
    bool showScreenshots() const override { return m_showScreenshots; }
    void setShowScreenshots(bool on) override;

    // Controls, under their documented names.
    QListView *List1 = nullptr;
    QLabel *Label1 = nullptr, *lbldisplay = nullptr, *Label8 = nullptr;
    QLineEdit *ricerca = nullptr;
    QPushButton *command1 = nullptr, *NmButton4 = nullptr;
    QCheckBox *Check4 = nullptr, *Check5 = nullptr, *Check1 = nullptr, *Check2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label11 = nullptr,
           *Label25 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text14 = nullptr,
              *Text15 = nullptr;
    // Hidden boxes bound to the current game.
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text13 = nullptr, *Text7 = nullptr,
              *Text8 = nullptr, *Text11 = nullptr, *Text10 = nullptr, *Text9 = nullptr,
              *Text17 = nullptr, *Text12 = nullptr;
    QListWidget *List2 = nullptr, *List3 = nullptr, *List4 = nullptr, *List5 = nullptr;
    QLabel *Picture3 = nullptr, *Picture4 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Label10 = nullptr, *Label9 = nullptr;
    QPushButton *NmButton8 = nullptr, *NmButton7 = nullptr, *NmButton1 = nullptr,
                *NmButton2 = nullptr, *NmButton3 = nullptr, *NmButton5 = nullptr;

    // Menu bar
    QMenu *conf = nullptr, *gplay = nullptr, *empty = nullptr, *ut = nullptr, *inf = nullptr;
    QAction *sys = nullptr, *pro = nullptr, *cgp = nullptr, *agp = nullptr, *cmp = nullptr,
            *amp = nullptr, *imex = nullptr, *newsItem = nullptr /* "new" */, *abt = nullptr,
            *gret = nullptr;
    // Pop-up menus of the detail panel and the list
    QMenu *ppt = nullptr, *mss = nullptr, *ass = nullptr, *ppp = nullptr, *ppd = nullptr,
          *pp = nullptr, *ppm = nullptr;
    QAction *mdname = nullptr, *mdpub = nullptr, *mdteam = nullptr, *mdgenre = nullptr,
            *mdyear = nullptr, *mds1 = nullptr, *mds2 = nullptr, *mdfg = nullptr, *mdfm = nullptr,
            *mdp = nullptr, *mdd = nullptr, *md = nullptr, *mdm = nullptr;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    QWidget *buildListColumn();
    QWidget *buildShotColumn();
    QWidget *buildDetail();
    QWidget *buildCredits();
    void Form_Load();
    void applyState();
    void fillCredits(QListWidget *list, const QString &mainColumn, const QString &addColumn);
    void setFilterBoxes(const browser::ListFilter &filter);
    bool handlePanelMouse(QObject *watched, QEvent *event);
    void updateFrameTitle();
    void clearGame();
    void connectCommands();
    bool needsShownGame();
    void preparaModifica();
    void editField(const QString &code);
    void pickFile(const QString &mode, const char *c64Column, const char *amigaColumn);
    void prepareFreePlayer(const char *column);
    void prepareMusicBrowser(const char *column, const QString &kind);

    AppContext &m_ctx;
    browser::GameListModel *m_model = nullptr;
    QWidget *m_shotColumn = nullptr;
    QWidget *m_credits = nullptr;
    QSqlRecord m_record;
    QString m_frameTitle;

    QString m_filterclause;
    browser::SqlClause m_searchclause;
    QString m_lastfilterbox;
    int m_suppressPlayable = 0;
    int m_suppressSound = 0;
    bool m_loading = false;
    int m_targetid = 0;
    bool m_selectById = false;
    bool m_programSelects = false;
    bool m_showScreenshots = true;
    bool m_showCredits = true;

    // What the list on screen was built from; an empty result goes back to it.
    bool m_listShown = false;
    browser::SqlClause m_shownSearch;
    QString m_shownCaption;
    browser::ListFilter m_shownFilter;
};
