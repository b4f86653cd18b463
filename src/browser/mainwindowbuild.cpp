// The main window's controls and menus.
#include "mainwindow.h"
#include "mainwindowlayout.h"

#include "appcontext.h"
#include "gamelistdelegate.h"
#include "gamelistmodel.h"
#include "namedwidget.h"
#include "placement.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace browser;

namespace
{

QAction *makeItem(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

void makeBold(QWidget *widget)
{
    QFont bold = widget->font();
    bold.setBold(true);
    widget->setFont(bold);
}

} // namespace

void MainWindow::buildControls()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    // A wider window is shared out: the screenshots grow with it and the detail column
    // takes its part, instead of the list taking all the room.
    top->addWidget(buildListColumn(), 3);
    m_shotColumn = buildShotColumn();
    top->addWidget(m_shotColumn, 3);
    top->addWidget(buildDetail(), 2);
    outer->addLayout(top, 1);
    m_creditBand = buildCreditBand();
    outer->addWidget(m_creditBand);
    setCentralWidget(central);
}

QWidget *MainWindow::buildListColumn()
{
    auto *column = new QWidget(this);
    column->setMinimumWidth(kListMinimumWidth);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *countRow = new QHBoxLayout;
    auto *caption = new QLabel(tr("Games"), column);
    makeBold(caption);
    m_countLabel = namedWidget<QLabel>(QStringLiteral("countLabel"), QStringLiteral("0"), column);
    m_countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    countRow->addWidget(caption);
    countRow->addStretch(1);
    countRow->addWidget(m_countLabel);
    layout->addLayout(countRow);

    buildSearchRow(column, layout);
    buildFilterBoxes(column, layout);
    buildGameList(column, layout);
    return column;
}

void MainWindow::buildSearchRow(QWidget *column, QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    m_findEdit = new QLineEdit(column);
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    m_findEdit->setPlaceholderText(tr("Text to find"));
    m_findEdit->setClearButtonEnabled(true);
    m_findEdit->installEventFilter(this); // Escape clears the search
    m_findButton = namedWidget<QPushButton>(QStringLiteral("findButton"), tr("&Find"), column);
    m_allButton = namedWidget<QPushButton>(QStringLiteral("allButton"), tr("A&LL"), column);
    row->addWidget(m_findEdit, 1);
    row->addWidget(m_findButton);
    row->addWidget(m_allButton);
    layout->addLayout(row);
    auto *findShortcut = new QAction(this);
    findShortcut->setShortcut(QKeySequence::Find);
    findShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(findShortcut);
    connect(findShortcut, &QAction::triggered, this, [this] {
        m_findEdit->setFocus(Qt::ShortcutFocusReason);
        m_findEdit->selectAll();
    });
    connect(m_findEdit, &QLineEdit::returnPressed, this, &MainWindow::onFindClicked);
    connect(m_findButton, &QPushButton::clicked, this, &MainWindow::onFindClicked);
    connect(m_allButton, &QPushButton::clicked, this, &MainWindow::onShowAllClicked);

    m_searchLabel = namedWidget<QLabel>(QStringLiteral("searchLabel"), QString(), column);
    m_searchLabel->setStyleSheet(QStringLiteral("color: palette(highlight);"));
    layout->addWidget(m_searchLabel);
}

void MainWindow::buildFilterBoxes(QWidget *column, QVBoxLayout *layout)
{
    auto *boxes = new QGridLayout;
    // Mnemonics apart from each other and from the menu bar's (C, G, M, U, ?).
    m_c64Box = namedWidget<QCheckBox>(QStringLiteral("c64Box"), tr("C&64"), column);
    m_amigaBox = namedWidget<QCheckBox>(QStringLiteral("amigaBox"), tr("&Amiga"), column);
    m_playableBox = namedWidget<QCheckBox>(QStringLiteral("playableBox"), tr("Playa&ble"), column);
    m_soundBox = namedWidget<QCheckBox>(QStringLiteral("soundBox"), tr("&Sound"), column);
    // Designed defaults, kept when there is no state file.
    m_c64Box->setChecked(true);
    m_amigaBox->setChecked(true);
    boxes->addWidget(m_c64Box, 0, 0);
    boxes->addWidget(m_amigaBox, 0, 1);
    boxes->addWidget(m_playableBox, 1, 0);
    boxes->addWidget(m_soundBox, 1, 1);
    layout->addLayout(boxes);
    // Program changes count as clicks too, as the filter rules expect.
    connect(m_c64Box, &QCheckBox::toggled, this, [this] { onMachineBoxToggled(m_c64Box); });
    connect(m_amigaBox, &QCheckBox::toggled, this, [this] { onMachineBoxToggled(m_amigaBox); });
    connect(m_playableBox, &QCheckBox::toggled, this,
            [this] { onFileBoxToggled(FilterBox::Playable); });
    connect(m_soundBox, &QCheckBox::toggled, this, [this] { onFileBoxToggled(FilterBox::Sound); });
}

void MainWindow::buildGameList(QWidget *column, QVBoxLayout *layout)
{
    m_gameList = new QListView(column);
    m_gameList->setObjectName(QStringLiteral("gameList"));
    m_gameList->setModel(m_model);
    // A machine that cannot be read is not drawn.
    m_model->setMachineReader(
        [this](const QList<int> &ids) { return fetchMachines(m_ctx.db(), ids); });
    m_gameList->setItemDelegate(new GameListDelegate(m_gameList));
    m_gameList->setUniformItemSizes(true);
    m_gameList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_gameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gameList->setAlternatingRowColors(true);
    m_gameList->viewport()->installEventFilter(this);
    m_gameList->installEventFilter(this); // Enter plays, Delete deletes
    connect(m_gameList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_programSelects)
            onListSelectionChanged();
    });
    layout->addWidget(m_gameList, 1);
}

QWidget *MainWindow::buildShotColumn()
{
    auto *column = new QWidget(this);
    column->setMinimumWidth(kShotSize.width());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto addShot = [&](QLabel *&image, QLabel *&none, const QString &name) {
        auto *cell = new QGridLayout;
        image = namedWidget<QLabel>(name, QString(), column);
        // The box follows the room it is given, never its picture: the picture is scaled
        // to the box, keeping its aspect.
        image->setMinimumSize(kShotSize);
        image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        image->setAlignment(Qt::AlignCenter);
        image->setFrameShape(QFrame::StyledPanel);
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        const QString noneName = QStringLiteral("no") + name.at(0).toUpper() + name.mid(1);
        none = namedWidget<QLabel>(noneName, tr("NO SCREENSHOT"), column);
        none->setAlignment(Qt::AlignCenter);
        none->setAttribute(Qt::WA_TransparentForMouseEvents);
        none->setStyleSheet(QStringLiteral("color: palette(mid); font-weight: bold;"));
        none->hide();
        cell->addWidget(image, 0, 0);
        cell->addWidget(none, 0, 0, Qt::AlignCenter);
        layout->addLayout(cell, 1);
    };
    addShot(m_screenshot1, m_noScreenshot1, QStringLiteral("screenshot1"));
    addShot(m_screenshot2, m_noScreenshot2, QStringLiteral("screenshot2"));
    return column;
}

QWidget *MainWindow::buildDetail()
{
    auto *detail = new QWidget(this);
    detail->setMinimumWidth(kDetailMinimumWidth);
    auto *layout = new QVBoxLayout(detail);
    layout->setContentsMargins(0, 0, 0, 0);
    buildGameFrame(detail);
    layout->addWidget(m_gameFrame);
    buildButtons(detail, layout);
    layout->addStretch(1);
    return detail;
}

void MainWindow::buildGameFrame(QWidget *detail)
{
    m_gameFrame = new QGroupBox(detail);
    m_gameFrame->setObjectName(QStringLiteral("gameFrame"));
    QFont titleFont = m_gameFrame->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_gameFrame->setFont(titleFont);
    m_gameFrame->installEventFilter(this);
    auto *grid = new QGridLayout(m_gameFrame);
    const std::tuple<const char *, QString, QLineEdit **, const char *> rows[] = {
        {"publisherLabel", tr("Publisher"), &m_publisherEdit, "publisherEdit"},
        {"teamLabel", tr("Team"), &m_teamEdit, "teamEdit"},
        {"machineLabel", tr("Machine"), &m_machineEdit, "machineEdit"},
        {"yearLabel", tr("Year"), &m_yearEdit, "yearEdit"},
        {"genreLabel", tr("Genre"), &m_genreEdit, "genreEdit"}};
    // The bold title font must not reach the fields.
    QFont plain = font();
    plain.setBold(false);
    int row = 0;
    for (const auto &[labelName, caption, field, fieldName] : rows) {
        QLabel *label = namedWidget<QLabel>(QLatin1String(labelName), caption, m_gameFrame);
        *field = new QLineEdit(m_gameFrame);
        (*field)->setObjectName(QLatin1String(fieldName));
        (*field)->setReadOnly(true);
        (*field)->setContextMenuPolicy(Qt::NoContextMenu);
        for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(*field)}) {
            w->setFont(plain);
            w->installEventFilter(this);
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(*field, row, 1, 1, 3);
        m_fieldLabels[size_t(row)] = label;
        ++row;
    }
    buildLamps(grid, row);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MainWindow::buildLamps(QGridLayout *grid, int row)
{
    QFont plain = font();
    plain.setBold(false);
    auto lamp = [&](QLabel *&picture, const QString &name, const QString &caption, int column) {
        auto *box = new QHBoxLayout;
        picture = namedWidget<QLabel>(name, QString(), m_gameFrame);
        picture->setFixedSize(14, 14);
        picture->setFrameShape(QFrame::Panel);
        picture->setFrameShadow(QFrame::Sunken);
        picture->setAutoFillBackground(true);
        auto *text = new QLabel(caption, m_gameFrame);
        text->setFont(plain);
        box->addWidget(picture);
        box->addWidget(text);
        box->addStretch(1);
        grid->addLayout(box, row, column, 1, 2);
    };
    lamp(m_gameLamp, QStringLiteral("gameLamp"), tr("Game file"), 0);
    lamp(m_musicLamp, QStringLiteral("musicLamp"), tr("Music file"), 2);
    setLamp(m_gameLamp, QVariant());
    setLamp(m_musicLamp, QVariant());
}

void MainWindow::buildButtons(QWidget *detail, QVBoxLayout *layout)
{
    auto *buttons = new QGridLayout;
    m_playButton = namedWidget<QPushButton>(QStringLiteral("playButton"), tr("    &PLAY"), detail);
    m_playMusicButton =
        namedWidget<QPushButton>(QStringLiteral("playMusicButton"), tr("Pla&y Music"), detail);
    m_infoButton = namedWidget<QPushButton>(QStringLiteral("infoButton"), tr("&Info"), detail);
    m_newButton = namedWidget<QPushButton>(QStringLiteral("newButton"), tr("&NEW"), detail);
    m_modifyButton =
        namedWidget<QPushButton>(QStringLiteral("modifyButton"), tr("M&odify"), detail);
    m_deleteButton =
        namedWidget<QPushButton>(QStringLiteral("deleteButton"), tr("&Delete"), detail);
    makeBold(m_playButton);
    m_playButton->setMinimumHeight(m_playButton->sizeHint().height() * 3 / 2);
    buttons->addWidget(m_playButton, 0, 0, 1, 3);
    buttons->addWidget(m_playMusicButton, 1, 0);
    buttons->addWidget(m_infoButton, 1, 1);
    buttons->addWidget(m_newButton, 2, 0);
    buttons->addWidget(m_modifyButton, 2, 1);
    buttons->addWidget(m_deleteButton, 2, 2);
    layout->addLayout(buttons);
}

QWidget *MainWindow::buildCreditBand()
{
    auto *band = new QWidget(this);
    auto *layout = new QHBoxLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::tuple<QListWidget **, const char *, QString> lists[] = {
        {&m_programmingList, "programmingList", tr("Programming")},
        {&m_designList, "designList", tr("Design / Concept")},
        {&m_graphicsList, "graphicsList", tr("Graphics")},
        {&m_musicList, "musicList", tr("Music / Sfx")}};
    for (const auto &[list, name, caption] : lists) {
        auto *column = new QVBoxLayout;
        auto *label = new QLabel(caption, band);
        makeBold(label);
        *list = new QListWidget(band);
        (*list)->setObjectName(QLatin1String(name));
        (*list)->setFixedHeight(kCreditBandHeight - label->sizeHint().height());
        (*list)->viewport()->installEventFilter(this);
        column->addWidget(label);
        column->addWidget(*list);
        layout->addLayout(column);
    }
    return band;
}

void MainWindow::buildMenus()
{
    QMenu *configuration =
        namedWidget<QMenu>(QStringLiteral("configurationMenu"), tr("&Configuration"), this);
    m_systemAction = makeItem(configuration, QStringLiteral("systemAction"), tr("&System"));
    m_programAction = makeItem(configuration, QStringLiteral("programAction"), tr("&Program"));
    QMenu *games = namedWidget<QMenu>(QStringLiteral("gamePlayersMenu"), tr("&Game Players"), this);
    m_c64GamePlayerAction =
        makeItem(games, QStringLiteral("c64GamePlayerAction"), tr("&C64 GamePlayer"));
    m_amigaGamePlayerAction =
        makeItem(games, QStringLiteral("amigaGamePlayerAction"), tr("&Amiga GamePlayer"));
    QMenu *music =
        namedWidget<QMenu>(QStringLiteral("musicPlayersMenu"), tr("&Music Players"), this);
    m_c64MusicPlayerAction =
        makeItem(music, QStringLiteral("c64MusicPlayerAction"), tr("&C64 MusicPlayer"));
    m_amigaMusicPlayerAction =
        makeItem(music, QStringLiteral("amigaMusicPlayerAction"), tr("&Amiga MusicPlayer"));
    QMenu *utility = namedWidget<QMenu>(QStringLiteral("utilityMenu"), tr("&Utility"), this);
    m_importExportAction =
        makeItem(utility, QStringLiteral("importExportAction"), tr("&Import/Export"));
    QMenu *help = namedWidget<QMenu>(QStringLiteral("helpMenu"), tr("&?"), this);
    m_whatsNewAction = makeItem(help, QStringLiteral("whatsNewAction"), tr("&What's new"));
    m_aboutAction = makeItem(help, QStringLiteral("aboutAction"), tr("&About"));
    m_greetingsAction = makeItem(help, QStringLiteral("greetingsAction"), tr("&Greetings"));
    for (QMenu *menu : {configuration, games, music, utility, help})
        menuBar()->addMenu(menu);
    buildPopupMenus();
}

void MainWindow::buildPopupMenus()
{
    const std::pair<QMenu **, const char *> menus[] = {
        {&m_gameFieldMenu, "gameFieldMenu"}, {&m_screenshotMenu, "screenshotMenu"},
        {&m_gameFileMenu, "gameFileMenu"},   {&m_programmingMenu, "programmingMenu"},
        {&m_designMenu, "designMenu"},       {&m_graphicsMenu, "graphicsMenu"},
        {&m_musicMenu, "musicMenu"}};
    for (const auto &[menu, name] : menus)
        *menu = namedWidget<QMenu>(QLatin1String(name), tr("Modify"), this);
}
