#include "mainwindow.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "gamelistmodel.h"
#include "opentest.h"
#include "placement.h"
#include "statefile.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
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

#include <algorithm>

using namespace browser;

namespace
{

// The narrow list leaves room for a column of the two screenshots (4215 against 7335
// twips); the short window hides the credit lists (6950 against 8910 twips).
const int kNarrowListWidth = twipsToPixels(4215);
const int kShotColumnWidth = twipsToPixels(7335 - 4215);
const QSize kShotSize(200, 125);
constexpr int kDetailWidth = 420;

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit *makeField(const QString &name, QWidget *parent, bool visible)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setVisible(visible);
    return edit;
}

QAction *makeItem(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QMenu *makeMenu(const QString &name, const QString &title, QWidget *parent)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(name);
    return menu;
}

} // namespace

Form1::Form1(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel"));
    m_ctx.mainwindow = this;
    m_model = new GameListModel(this);
    buildControls();
    buildMenus();
    connectCommands();
    Form_Load();
}

Form1::~Form1()
{
    if (m_ctx.mainwindow == this)
        m_ctx.mainwindow = nullptr;
}

void Form1::buildControls()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(buildListColumn(), 1);
    m_shotColumn = buildShotColumn();
    top->addWidget(m_shotColumn);
    top->addWidget(buildDetail());
    outer->addLayout(top, 1);
    m_credits = buildCredits();
    outer->addWidget(m_credits);
    setCentralWidget(central);

    // The bound columns nobody sees: the commands and the credit lists read them.
    const std::pair<QLineEdit **, const char *> hidden[] = {
        {&Text5, "Text5"},   {&Text6, "Text6"},   {&Text13, "Text13"}, {&Text7, "Text7"},
        {&Text8, "Text8"},   {&Text11, "Text11"}, {&Text10, "Text10"}, {&Text9, "Text9"},
        {&Text17, "Text17"}, {&Text12, "Text12"}};
    for (const auto &[field, name] : hidden)
        *field = makeField(QLatin1String(name), central, false);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
}

QWidget *Form1::buildListColumn()
{
    auto *column = new QWidget(this);
    column->setMinimumWidth(kNarrowListWidth);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *countRow = new QHBoxLayout;
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Games"), column);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    lbldisplay = makeLabel(QStringLiteral("lbldisplay"), QStringLiteral("0"), column);
    lbldisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    countRow->addWidget(Label1);
    countRow->addStretch(1);
    countRow->addWidget(lbldisplay);
    layout->addLayout(countRow);

    auto *searchRow = new QHBoxLayout;
    ricerca = new QLineEdit(column);
    ricerca->setObjectName(QStringLiteral("ricerca"));
    ricerca->setPlaceholderText(QStringLiteral("Text to find"));
    ricerca->setClearButtonEnabled(true);
    command1 = makeButton(QStringLiteral("command1"), QStringLiteral("Find"), column);
    NmButton4 = makeButton(QStringLiteral("NmButton4"), QStringLiteral("ALL"), column);
    searchRow->addWidget(ricerca, 1);
    searchRow->addWidget(command1);
    searchRow->addWidget(NmButton4);
    layout->addLayout(searchRow);
    connect(ricerca, &QLineEdit::returnPressed, this, &Form1::command1_Click);
    connect(command1, &QPushButton::clicked, this, &Form1::command1_Click);
    connect(NmButton4, &QPushButton::clicked, this, &Form1::NmButton4_Click);

    Label8 = makeLabel(QStringLiteral("Label8"), QString(), column);
    Label8->setStyleSheet(QStringLiteral("color: palette(highlight);"));
    layout->addWidget(Label8);

    auto *boxes = new QGridLayout;
    Check4 = new QCheckBox(QStringLiteral("C64"), column);
    Check5 = new QCheckBox(QStringLiteral("Amiga"), column);
    Check1 = new QCheckBox(QStringLiteral("Playable"), column);
    Check2 = new QCheckBox(QStringLiteral("Sound"), column);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check5->setObjectName(QStringLiteral("Check5"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2->setObjectName(QStringLiteral("Check2"));
    // Designed defaults, kept when there is no state file.
    Check4->setChecked(true);
    Check5->setChecked(true);
    boxes->addWidget(Check4, 0, 0);
    boxes->addWidget(Check5, 0, 1);
    boxes->addWidget(Check1, 1, 0);
    boxes->addWidget(Check2, 1, 1);
    layout->addLayout(boxes);
    // Program changes count as clicks too, as the filter rules expect.
    connect(Check4, &QCheckBox::toggled, this, &Form1::Check4_Click);
    connect(Check5, &QCheckBox::toggled, this, &Form1::Check5_Click);
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form1::Check2_Click);

    List1 = new QListView(column);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setModel(m_model);
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setAlternatingRowColors(true);
    List1->viewport()->installEventFilter(this);
    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_programSelects)
            List1_Click();
    });
    layout->addWidget(List1, 1);
    return column;
}

QWidget *Form1::buildShotColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(kShotColumnWidth);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto addShot = [&](QLabel *&image, QLabel *&none, const char *imageName, const char *noneName) {
        auto *cell = new QGridLayout;
        image = makeLabel(QLatin1String(imageName), QString(), column);
        image->setFixedSize(kShotSize);
        image->setAlignment(Qt::AlignCenter);
        image->setFrameShape(QFrame::StyledPanel);
        image->setCursor(Qt::PointingHandCursor);
        image->setToolTip(QStringLiteral("Click to view the screenshot at full size"));
        image->installEventFilter(this);
        none = makeLabel(QLatin1String(noneName), QStringLiteral("NO SCREENSHOT"), column);
        none->setAlignment(Qt::AlignCenter);
        none->setAttribute(Qt::WA_TransparentForMouseEvents);
        none->setStyleSheet(QStringLiteral("color: palette(mid); font-weight: bold;"));
        none->hide();
        cell->addWidget(image, 0, 0, Qt::AlignCenter);
        cell->addWidget(none, 0, 0, Qt::AlignCenter);
        layout->addLayout(cell);
    };
    addShot(Image2, Label9, "Image2", "Label9");   // screen1
    addShot(Image1, Label10, "Image1", "Label10"); // screen2
    layout->addStretch(1);
    return column;
}

QWidget *Form1::buildDetail()
{
    auto *detail = new QWidget(this);
    detail->setFixedWidth(kDetailWidth);
    auto *layout = new QVBoxLayout(detail);
    layout->setContentsMargins(0, 0, 0, 0);

    Frame1 = new QGroupBox(detail);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QFont titleFont = Frame1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    Frame1->setFont(titleFont);
    Frame1->installEventFilter(this);
    auto *grid = new QGridLayout(Frame1);
    const std::tuple<QLabel **, const char *, const char *, QLineEdit **, const char *> rows[] = {
        {&Label2, "Label2", "Publisher", &Text1, "Text1"},
        {&Label3, "Label3", "Team", &Text2, "Text2"},
        {&Label4, "Label4", "Machine", &Text3, "Text3"},
        {&Label11, "Label11", "Year", &Text14, "Text14"},
        {&Label25, "Label25", "Genre", &Text15, "Text15"}};
    // The bold title font must not reach the fields.
    QFont plain = font();
    plain.setBold(false);
    plain.setPointSizeF(plain.pointSizeF());
    int row = 0;
    for (const auto &[label, labelName, caption, field, fieldName] : rows) {
        *label = makeLabel(QLatin1String(labelName), QLatin1String(caption), Frame1);
        *field = makeField(QLatin1String(fieldName), Frame1, true);
        (*label)->setFont(plain);
        (*field)->setFont(plain);
        (*label)->installEventFilter(this);
        (*field)->installEventFilter(this);
        (*field)->setContextMenuPolicy(Qt::NoContextMenu);
        grid->addWidget(*label, row, 0);
        grid->addWidget(*field, row, 1, 1, 3);
        ++row;
    }
    auto lamp = [&](QLabel *&picture, const char *name, const QString &caption, int column) {
        auto *box = new QHBoxLayout;
        picture = makeLabel(QLatin1String(name), QString(), Frame1);
        picture->setFixedSize(14, 14);
        picture->setFrameShape(QFrame::Panel);
        picture->setFrameShadow(QFrame::Sunken);
        picture->setAutoFillBackground(true);
        auto *text = new QLabel(caption, Frame1);
        text->setFont(plain);
        box->addWidget(picture);
        box->addWidget(text);
        box->addStretch(1);
        grid->addLayout(box, row, column, 1, 2);
    };
    lamp(Picture3, "Picture3", QStringLiteral("Game file"), 0);
    lamp(Picture4, "Picture4", QStringLiteral("Music file"), 2);
    setGameLamp(false);
    setMusicLamp(false);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(Frame1);

    auto *buttons = new QGridLayout;
    NmButton8 = makeButton(QStringLiteral("NmButton8"), QStringLiteral("    PLAY"), detail);
    NmButton7 = makeButton(QStringLiteral("NmButton7"), QStringLiteral("Play Music"), detail);
    NmButton1 = makeButton(QStringLiteral("NmButton1"), QStringLiteral("Info"), detail);
    NmButton2 = makeButton(QStringLiteral("NmButton2"), QStringLiteral("NEW"), detail);
    NmButton3 = makeButton(QStringLiteral("NmButton3"), QStringLiteral("Modify"), detail);
    NmButton5 = makeButton(QStringLiteral("NmButton5"), QStringLiteral("Delete"), detail);
    QFont playFont = NmButton8->font();
    playFont.setBold(true);
    NmButton8->setFont(playFont);
    NmButton8->setMinimumHeight(NmButton8->sizeHint().height() * 3 / 2);
    buttons->addWidget(NmButton8, 0, 0, 1, 3);
    buttons->addWidget(NmButton7, 1, 0);
    buttons->addWidget(NmButton1, 1, 1);
    buttons->addWidget(NmButton2, 2, 0);
    buttons->addWidget(NmButton3, 2, 1);
    buttons->addWidget(NmButton5, 2, 2);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return detail;
}

QWidget *Form1::buildCredits()
{
    auto *band = new QWidget(this);
    auto *layout = new QHBoxLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::tuple<QListWidget **, const char *, const char *> lists[] = {
        {&List2, "List2", "Programming"},
        {&List3, "List3", "Design / Concept"},
        {&List4, "List4", "Graphics"},
        {&List5, "List5", "Music / Sfx"}};
    for (const auto &[list, name, caption] : lists) {
        auto *column = new QVBoxLayout;
        auto *label = new QLabel(QLatin1String(caption), band);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        *list = new QListWidget(band);
        (*list)->setObjectName(QLatin1String(name));
        (*list)->setFixedHeight(twipsToPixels(8910 - 6950) - label->sizeHint().height());
        (*list)->viewport()->installEventFilter(this);
        column->addWidget(label);
        column->addWidget(*list);
        layout->addLayout(column);
    }
    return band;
}

void Form1::buildMenus()
{
    conf = makeMenu(QStringLiteral("conf"), QStringLiteral("Configuration"), this);
    sys = makeItem(conf, QStringLiteral("sys"), QStringLiteral("System"));
    pro = makeItem(conf, QStringLiteral("pro"), QStringLiteral("Program"));
    gplay = makeMenu(QStringLiteral("gplay"), QStringLiteral("Game Players"), this);
    cgp = makeItem(gplay, QStringLiteral("cgp"), QStringLiteral("C64 GamePlayer"));
    agp = makeItem(gplay, QStringLiteral("agp"), QStringLiteral("Amiga GamePlayer"));
    empty = makeMenu(QStringLiteral("empty"), QStringLiteral("Music Players"), this);
    cmp = makeItem(empty, QStringLiteral("cmp"), QStringLiteral("C64 MusicPlayer"));
    amp = makeItem(empty, QStringLiteral("amp"), QStringLiteral("Amiga MusicPlayer"));
    ut = makeMenu(QStringLiteral("ut"), QStringLiteral("Utility"), this);
    imex = makeItem(ut, QStringLiteral("imex"), QStringLiteral("Import/Export"));
    inf = makeMenu(QStringLiteral("inf"), QStringLiteral("?"), this);
    newsItem = makeItem(inf, QStringLiteral("new"), QStringLiteral("What's new"));
    abt = makeItem(inf, QStringLiteral("abt"), QStringLiteral("About"));
    gret = makeItem(inf, QStringLiteral("gret"), QStringLiteral("Greetings"));
    for (QMenu *menu : {conf, gplay, empty, ut, inf})
        menuBar()->addMenu(menu);

    // Never in the menu bar: the panel pops them up on a right-click.
    ppt = makeMenu(QStringLiteral("ppt"), QStringLiteral("Modify"), this);
    mdname = makeItem(ppt, QStringLiteral("mdname"), QStringLiteral("Name"));
    mdpub = makeItem(ppt, QStringLiteral("mdpub"), QStringLiteral("Publisher"));
    mdteam = makeItem(ppt, QStringLiteral("mdteam"), QStringLiteral("Team"));
    mdgenre = makeItem(ppt, QStringLiteral("mdgenre"), QStringLiteral("Genre"));
    mdyear = makeItem(ppt, QStringLiteral("mdyear"), QStringLiteral("Year"));
    mss = makeMenu(QStringLiteral("mss"), QStringLiteral("Modify"), this);
    mds1 = makeItem(mss, QStringLiteral("mds1"), QStringLiteral("Screenshot 1"));
    mds2 = makeItem(mss, QStringLiteral("mds2"), QStringLiteral("Screenshot 2"));
    ass = makeMenu(QStringLiteral("ass"), QStringLiteral("Modify"), this);
    mdfg = makeItem(ass, QStringLiteral("mdfg"), QStringLiteral("File Game"));
    mdfm = makeItem(ass, QStringLiteral("mdfm"), QStringLiteral("File Music"));
    ppp = makeMenu(QStringLiteral("ppp"), QStringLiteral("Modify"), this);
    mdp = makeItem(ppp, QStringLiteral("mdp"), QStringLiteral("Modify"));
    ppd = makeMenu(QStringLiteral("ppd"), QStringLiteral("Modify"), this);
    mdd = makeItem(ppd, QStringLiteral("mdd"), QStringLiteral("Modify"));
    pp = makeMenu(QStringLiteral("pp"), QStringLiteral("Modify"), this);
    md = makeItem(pp, QStringLiteral("md"), QStringLiteral("Modify"));
    ppm = makeMenu(QStringLiteral("ppm"), QStringLiteral("Modify"), this);
    mdm = makeItem(ppm, QStringLiteral("mdm"), QStringLiteral("Modify"));
}

void Form1::Form_Load()
{
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    m_searchclause = {};
    applyState();
    resize(kNarrowListWidth + kShotColumnWidth + kDetailWidth + 30, height());
    m_ctx.currentform = this;
    centreOnScreen(this);
    aggiornalista();
    setListIndex(0);
}

void Form1::applyState()
{
    m_loading = true;
    if (const std::optional<ViewState> state = readStateFile(m_ctx.paths.stateFile)) {
        // The documented order: the four boxes, then the height, the list width and the
        // two emulator interface switches.
        Check4->setChecked(state->c64);
        Check5->setChecked(state->amiga);
        Check1->setChecked(state->playable);
        Check2->setChecked(state->sound);
        setShowGameCredits(state->credits);
        setShowScreenshots(state->screenshots);
        m_ctx.fellowgui = state->fellowgui;
        m_ctx.uaegui = state->uaegui;
    } else {
        setShowGameCredits(m_showCredits);
        setShowScreenshots(m_showScreenshots);
    }
    m_loading = false;
}

bool Form1::Form_Unload(QString *error)
{
    ViewState state;
    state.c64 = Check4->isChecked();
    state.amiga = Check5->isChecked();
    state.screenshots = m_showScreenshots;
    state.credits = m_showCredits;
    state.playable = Check1->isChecked();
    state.sound = Check2->isChecked();
    state.fellowgui = m_ctx.fellowgui;
    state.uaegui = m_ctx.uaegui;
    return writeStateFile(m_ctx.paths.stateFile, state, error);
}

void Form1::closeEvent(QCloseEvent *event)
{
    QString error;
    if (!Form_Unload(&error))
        m_ctx.dialogs.message(QStringLiteral("The settings could not be saved to %1: %2")
                                  .arg(m_ctx.paths.stateFile, error),
                              Dialogs::Icon::Exclamation, QStringLiteral("Attention"));
    event->accept();
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form1::Form_Activate()
{
    if (m_ctx.refreshflag != QLatin1String("yes"))
        return;
    if (m_ctx.editmode == QLatin1String("mod")) {
        // The list keeps its texts; only the panel shows the changed game.
        m_targetid = m_ctx.selectedid;
        m_selectById = true;
        setListIndex(m_ctx.savedlistindex);
        Text5_Change();
        m_ctx.refreshflag = QStringLiteral("no");
    } else if (m_ctx.editmode == QLatin1String("new")) {
        const auto newest = catalogue::fetchOne(
            m_ctx.db(), QStringLiteral("select id from tabella1 order by id desc limit 1"));
        m_targetid = newest ? newest->value(0).toInt() : 0;
        aggiornalista();
        const int count = listCount();
        m_ctx.savedlistindex = cercaindex(m_targetid);
        // A new game the filters keep out leaves the selection as the refresh set it.
        if (m_ctx.savedlistindex < count) {
            m_selectById = true;
            setListIndex(m_ctx.savedlistindex);
        }
        m_ctx.refreshflag = QStringLiteral("no");
    }
}

QSqlRecord Form1::configRecord() const
{
    const auto record = catalogue::fetchOne(
        m_ctx.db(), QStringLiteral("select * from tabella2 order by id limit 1"));
    return record ? *record : QSqlRecord();
}

void Form1::setShowGameCredits(bool on)
{
    m_showCredits = on;
    m_credits->setVisible(on);
    // The two designed heights; a larger font may need more, which the layout asks for.
    centralWidget()->layout()->activate();
    layout()->activate();
    const int designed = twipsToPixels(on ? 8910 : 6950);
    resize(width(), std::max(designed, minimumSizeHint().height()));
    if (on)
        Text5_Change();
}

void Form1::setShowScreenshots(bool on)
{
    m_showScreenshots = on;
    m_shotColumn->setVisible(on);
    if (on && !m_record.isEmpty()) {
        showScreenshot(1, m_record.value(QStringLiteral("screen1")).toString());
        showScreenshot(2, m_record.value(QStringLiteral("screen2")).toString());
    }
}
