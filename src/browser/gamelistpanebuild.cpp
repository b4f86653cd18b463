// The game list pane's controls.
#include "gamelistpane.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "gamegridview.h"
#include "gamelistmodel.h"
#include "namedwidget.h"
#include "thumbnailcache.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace browser
{

GameListPane::GameListPane(AppContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_model(new GameListModel(this))
{
    setObjectName(QStringLiteral("gameListPane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *countRow = new QHBoxLayout;
    auto *caption = new QLabel(tr("Games"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    m_countLabel = namedWidget<QLabel>(QStringLiteral("countLabel"), QStringLiteral("0"), this);
    m_countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    countRow->addWidget(caption);
    countRow->addStretch(1);
    countRow->addWidget(m_countLabel);
    layout->addLayout(countRow);

    buildSearchRow(layout);
    buildFilterBoxes(layout);
    buildGameList(layout);
}

void GameListPane::buildSearchRow(QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    m_findEdit = namedWidget<QLineEdit>(QStringLiteral("findEdit"), this);
    m_findEdit->setPlaceholderText(tr("Text to find"));
    m_findEdit->setClearButtonEnabled(true);
    // Wide enough for its hint beside the clear button: the pane's narrowest still shows
    // what the box is for.
    m_findEdit->setMinimumWidth(m_findEdit->fontMetrics().horizontalAdvance(
                                    m_findEdit->placeholderText() + QStringLiteral("M")) +
                                m_findEdit->sizeHint().height());
    m_findEdit->installEventFilter(this); // Escape clears the search
    auto *find = namedWidget<QPushButton>(QStringLiteral("findButton"), tr("&Find"), this);
    auto *all = namedWidget<QPushButton>(QStringLiteral("allButton"), tr("A&LL"), this);
    // The buttons give way to the box down to their captions, so the pane stays narrow.
    find->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    all->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    row->addWidget(m_findEdit, 1);
    row->addWidget(find);
    row->addWidget(all);
    layout->addLayout(row);
    auto *findShortcut = new QAction(this);
    findShortcut->setShortcut(QKeySequence::Find);
    findShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(findShortcut);
    connect(findShortcut, &QAction::triggered, this, [this] {
        m_findEdit->setFocus(Qt::ShortcutFocusReason);
        m_findEdit->selectAll();
    });
    // The list follows the box once the typing pauses; Enter still finds at once.
    m_typingTimer = new QTimer(this);
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(150);
    connect(m_typingTimer, &QTimer::timeout, this, &GameListPane::onTyped);
    connect(m_findEdit, &QLineEdit::textEdited, m_typingTimer, qOverload<>(&QTimer::start));
    connect(m_findEdit, &QLineEdit::returnPressed, this, &GameListPane::onFindClicked);
    connect(find, &QPushButton::clicked, this, &GameListPane::onFindClicked);
    connect(all, &QPushButton::clicked, this, &GameListPane::onShowAllClicked);

    m_searchLabel = namedWidget<QLabel>(QStringLiteral("searchLabel"), QString(), this);
    m_searchLabel->setStyleSheet(QStringLiteral("color: palette(highlight);"));
    layout->addWidget(m_searchLabel);
}

void GameListPane::buildFilterBoxes(QVBoxLayout *layout)
{
    auto *boxes = new QGridLayout;
    // Mnemonics apart from each other and from the menu bar's (E, C, G, M, U, ?).
    m_c64Box = namedWidget<QCheckBox>(QStringLiteral("c64Box"), tr("C&64"), this);
    m_amigaBox = namedWidget<QCheckBox>(QStringLiteral("amigaBox"), tr("&Amiga"), this);
    m_playableBox = namedWidget<QCheckBox>(QStringLiteral("playableBox"), tr("Playa&ble"), this);
    m_soundBox = namedWidget<QCheckBox>(QStringLiteral("soundBox"), tr("&Sound"), this);
    // Designed defaults, kept when there is no state file.
    m_c64Box->setChecked(true);
    m_amigaBox->setChecked(true);
    boxes->addWidget(m_c64Box, 0, 0);
    boxes->addWidget(m_amigaBox, 0, 1);
    boxes->addWidget(m_playableBox, 1, 0);
    boxes->addWidget(m_soundBox, 1, 1);
    // The collector's own: an empty result goes back to the list shown, as for any box.
    m_favouritesBox =
        namedWidget<QCheckBox>(QStringLiteral("favouritesBox"), tr("Favouri&tes"), this);
    m_recentBox = namedWidget<QCheckBox>(QStringLiteral("recentBox"), tr("&Recently played"), this);
    boxes->addWidget(m_favouritesBox, 2, 0);
    boxes->addWidget(m_recentBox, 2, 1);
    layout->addLayout(boxes);
    connect(m_favouritesBox, &QCheckBox::toggled, this, &GameListPane::refresh);
    connect(m_recentBox, &QCheckBox::toggled, this, &GameListPane::refresh);
    // Program changes count as clicks too, as the filter rules expect.
    connect(m_c64Box, &QCheckBox::toggled, this, [this] { onMachineBoxToggled(m_c64Box); });
    connect(m_amigaBox, &QCheckBox::toggled, this, [this] { onMachineBoxToggled(m_amigaBox); });
    connect(m_playableBox, &QCheckBox::toggled, this,
            [this] { onFileBoxToggled(FileBox::Playable); });
    connect(m_soundBox, &QCheckBox::toggled, this, [this] { onFileBoxToggled(FileBox::Sound); });
}

void GameListPane::buildGameList(QVBoxLayout *layout)
{
    m_view = namedWidget<QTreeView>(QStringLiteral("gameList"), this);
    m_view->setModel(m_model);
    connect(m_model, &GameListModel::detailsNeeded, this, &GameListPane::ensureDetails);
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    buildHeader();
    m_view->viewport()->installEventFilter(this); // the pop-up menu
    m_view->installEventFilter(this);             // Enter plays, Delete deletes
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int row = currentRow(); !m_programSelects && row >= 0)
            Q_EMIT gameChosen(gameAt(row));
    });
    connect(m_view, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == GameListModel::Favourite)
            Q_EMIT favouriteToggled(gameAt(index.row()));
    });
    connect(m_view, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != GameListModel::Favourite)
            Q_EMIT commandRequested(GameCommand::Modify);
    });
    m_views = namedWidget<QStackedWidget>(QStringLiteral("gameViews"), this);
    m_views->addWidget(m_view);
    buildGrid();
    layout->addWidget(m_views, 1);
    m_noteLabel = namedWidget<QLabel>(QStringLiteral("searchNote"), QString(), this);
    m_noteLabel->setWordWrap(true);
    m_noteLabel->hide();
    layout->addWidget(m_noteLabel);
}

void GameListPane::buildGrid()
{
    m_grid = new GameGridView(ThumbnailCache::defaultFolder(), m_views);
    m_grid->setObjectName(QStringLiteral("gameGrid"));
    m_grid->setModel(m_model);
    // One selection for both views: the same game is highlighted whichever is shown.
    QItemSelectionModel *own = m_grid->selectionModel();
    m_grid->setSelectionModel(m_view->selectionModel());
    delete own;
    m_grid->setScreenshotReader([this](const QList<GameId> &ids) {
        return CatalogueStore(m_ctx.db()).firstScreenshots(ids).valueOr({});
    });
    m_grid->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);
    connect(m_grid, &GameGridView::doubleClicked, this,
            [this] { Q_EMIT commandRequested(GameCommand::Modify); });
    m_views->addWidget(m_grid);
}

void GameListPane::buildHeader()
{
    QHeaderView *header = m_view->header();
    header->setSectionsMovable(true);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    // The star first and the title widest; the layout memory may put back the user's own.
    header->moveSection(header->visualIndex(GameListModel::Favourite), 0);
    header->setSectionResizeMode(GameListModel::Favourite, QHeaderView::Fixed);
    header->resizeSection(GameListModel::Favourite, header->minimumSectionSize() + 8);
    header->resizeSection(GameListModel::Title, header->fontMetrics().averageCharWidth() * 28);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, &GameListPane::showColumnMenu);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(GameListModel::Title, Qt::AscendingOrder);
}

void GameListPane::showColumnMenu(const QPoint &position)
{
    QHeaderView *header = m_view->header();
    QMenu menu(this);
    for (int column = 0; column < GameListModel::Columns; ++column) {
        QAction *action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        // The title always stays: a list of nothing but years tells no game apart.
        action->setEnabled(column != GameListModel::Title);
        connect(action, &QAction::toggled, header,
                [header, column](bool shown) { header->setSectionHidden(column, !shown); });
    }
    menu.exec(header->mapToGlobal(position));
}

} // namespace browser
