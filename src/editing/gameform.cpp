#include "gameform.h"

#include "disklistbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using editorrules::PickButton;
using F = Game::Field;

namespace
{

// One labelled box with its pick button.
struct FileRow {
    const char *label;
    F field;
    const char *editName;
    const char *buttonName;
    PickButton pick;
};

} // namespace

GameForm::GameForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gameForm"));
    auto *grid = new QGridLayout;
    int row = 0;
    buildMainRows(grid, row);
    buildCreditRows(grid, row);
    buildFileRows(grid, row);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(buildDiskGroup());
    m_diskList = new DiskListBox(this);
    layout->addWidget(m_diskList);
    layout->addStretch(1);
    // Room for a long title, in the form's own font.
    m_lines.value(F::Title)->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

const QList<Game::Field> &GameForm::fields()
{
    static const QList<F> shown = [] {
        QList<F> list = Game::fields();
        list.removeOne(F::Rating);
        list.removeOne(F::Emulator);
        list.removeOne(F::Origin);
        return list;
    }();
    return shown;
}

QLineEdit *GameForm::addEdit(QWidget *parent, Game::Field field, const char *objectName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    m_lines.insert(field, edit);
    return edit;
}

QPushButton *GameForm::addPickButton(QWidget *parent, const char *objectName, PickButton button)
{
    auto *b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(b, &QPushButton::clicked, this, [this, button] { Q_EMIT pickClicked(button); });
    return b;
}

void GameForm::buildMainRows(QGridLayout *grid, int &row)
{
    QLineEdit *title = addEdit(this, F::Title, "titleEdit");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    title->setFont(big);
    auto *titleLabel = new QLabel(tr("&Title"), this);
    titleLabel->setBuddy(title);
    grid->addWidget(titleLabel, row, 0);
    grid->addWidget(title, row++, 1, 1, 4);

    const struct {
        const char *label;
        F field;
        const char *name;
    } rows[] = {{QT_TR_NOOP("Publisher"), F::Publisher, "publisherEdit"},
                {QT_TR_NOOP("Genre"), F::Genre, "genreEdit"},
                {QT_TR_NOOP("Team"), F::Team, "teamEdit"},
                {QT_TR_NOOP("Year"), F::Year, "yearEdit"}};
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(this, r.field, r.name), row++, 1, 1, 4);
    }

    m_machineBox = new QComboBox(this);
    m_machineBox->setObjectName(QStringLiteral("machineBox"));
    m_machineBox->setEditable(true);
    m_machineBox->setInsertPolicy(QComboBox::NoInsert);
    m_machineBox->addItems(editorrules::machineList());
    m_disksButton = new QPushButton(QStringLiteral("DFx"), this);
    m_disksButton->setObjectName(QStringLiteral("disksButton"));
    grid->addWidget(new QLabel(tr("Machine"), this), row, 0);
    grid->addWidget(m_machineBox, row, 1);
    grid->addWidget(m_disksButton, row++, 2, Qt::AlignLeft);
    // "DFx" follows the machine as the user types.
    connect(m_machineBox, &QComboBox::currentTextChanged, this, &GameForm::updateDiskButton);
    connect(m_disksButton, &QPushButton::clicked, this, [this] { showDisks(true); });
}

void GameForm::buildCreditRows(QGridLayout *grid, int &row)
{
    const struct {
        const char *label;
        F main;
        const char *mainName;
        F additional;
        const char *additionalName;
    } rows[] = {{QT_TR_NOOP("Design / Concept"), F::Design, "designEdit", F::AdditionalDesign,
                 "additionalDesignEdit"},
                {QT_TR_NOOP("Programming"), F::Programming, "programmingEdit",
                 F::AdditionalProgramming, "additionalProgrammingEdit"},
                {QT_TR_NOOP("Graphics"), F::Graphics, "graphicsEdit", F::AdditionalGraphics,
                 "additionalGraphicsEdit"},
                {QT_TR_NOOP("Music / Sfx"), F::Music, "musicEdit", F::AdditionalMusic,
                 "additionalMusicEdit"}};
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(this, r.main, r.mainName), row, 1);
        grid->addWidget(new QLabel(tr("Additional"), this), row, 2);
        grid->addWidget(addEdit(this, r.additional, r.additionalName), row++, 3, 1, 2);
    }

    const struct {
        const char *label;
        F field;
        const char *name;
    } texts[] = {{QT_TR_NOOP("Other Credits"), F::OtherCredits, "othersEdit"},
                 {QT_TR_NOOP("Note"), F::Note, "noteEdit"}};
    for (const auto &t : texts) {
        auto *edit = new QPlainTextEdit(this);
        edit->setObjectName(QString::fromLatin1(t.name));
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 12);
        m_texts.insert(t.field, edit);
        grid->addWidget(new QLabel(tr(t.label), this), row, 0, Qt::AlignTop);
        grid->addWidget(edit, row++, 1, 1, 4);
    }
}

void GameForm::buildFileRows(QGridLayout *grid, int &row)
{
    const FileRow rows[] = {
        {QT_TR_NOOP("File Game"), F::GameFile, "gameFileEdit", "pickGameButton", PickButton::Game},
        {QT_TR_NOOP("File Music"), F::MusicFile, "musicFileEdit", "pickMusicButton",
         PickButton::Music},
        {QT_TR_NOOP("Screenshot 1"), F::Screenshot1, "screenshot1Edit", "pickScreenshot1Button",
         PickButton::Screenshot1},
        {QT_TR_NOOP("Screenshot 2"), F::Screenshot2, "screenshot2Edit", "pickScreenshot2Button",
         PickButton::Screenshot2}};
    for (const FileRow &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(this, r.field, r.editName), row, 1, 1, 3);
        grid->addWidget(addPickButton(this, r.buttonName, r.pick), row++, 4);
    }
}

QGroupBox *GameForm::buildDiskGroup()
{
    m_diskGroup = new QGroupBox(tr("Amiga Disk"), this);
    m_diskGroup->setObjectName(QStringLiteral("diskGroup"));
    auto *disks = new QGridLayout(m_diskGroup);
    const FileRow rows[] = {
        {"DF1:", F::SecondDrive, "floppy1Edit", "pickFloppy1Button", PickButton::Floppy1},
        {"DF2:", F::ThirdDrive, "floppy2Edit", "pickFloppy2Button", PickButton::Floppy2},
        {"DF3:", F::FourthDrive, "floppy3Edit", "pickFloppy3Button", PickButton::Floppy3}};
    int row = 0;
    for (const FileRow &r : rows) {
        disks->addWidget(new QLabel(QString::fromLatin1(r.label), m_diskGroup), row, 0);
        disks->addWidget(addEdit(m_diskGroup, r.field, r.editName), row, 1);
        disks->addWidget(addPickButton(m_diskGroup, r.buttonName, r.pick), row++, 2);
    }
    auto *close = new QPushButton(tr("CLOSE"), m_diskGroup);
    close->setObjectName(QStringLiteral("closeDisksButton"));
    disks->addWidget(close, row, 0, 1, 3, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, [this] { showDisks(false); });
    m_diskGroup->hide();
    return m_diskGroup;
}

void GameForm::setGame(const Game &game)
{
    m_game = game;
    for (const F f : fields())
        setText(f, game.value(f));
}

Game GameForm::game() const
{
    Game game = m_game;
    for (const F f : fields())
        game.value(f) = editorrules::storedText(text(f));
    return game;
}

QString GameForm::text(Game::Field field) const
{
    if (field == F::Machine)
        return m_machineBox->currentText();
    if (const QPlainTextEdit *edit = m_texts.value(field))
        return edit->toPlainText();
    const QLineEdit *edit = m_lines.value(field);
    Q_ASSERT(edit);
    return edit->text();
}

void GameForm::setText(Game::Field field, const QString &text)
{
    if (field == F::Machine) {
        const QSignalBlocker blocker(m_machineBox);
        m_machineBox->setCurrentIndex(-1);
        m_machineBox->setEditText(text);
        updateDiskButton();
    } else if (QPlainTextEdit *edit = m_texts.value(field)) {
        edit->setPlainText(text);
    } else {
        QLineEdit *line = m_lines.value(field);
        Q_ASSERT(line);
        line->setText(text);
    }
}

QString GameForm::machine() const
{
    return m_machineBox->currentText();
}

bool GameForm::disksShown() const
{
    return !m_diskGroup->isHidden();
}

void GameForm::showDisks(bool show)
{
    const bool changed = disksShown() != show;
    m_diskGroup->setVisible(show);
    updateDiskButton();
    if (changed)
        Q_EMIT disksToggled();
}

void GameForm::updateDiskButton()
{
    // With the disk group open its "CLOSE" stands in for "DFx".
    m_disksButton->setVisible(editorrules::showsDiskButton(machine()) && m_diskGroup->isHidden());
}

void GameForm::focusTitle()
{
    m_lines.value(F::Title)->setFocus();
}

void GameForm::focusMachine()
{
    m_machineBox->setFocus();
}
