// The detail pane's controls.
#include "gamedetailpane.h"

#include "namedwidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace browser
{

QWidget *GameDetailPane::buildInfoColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("infoColumn"));
    // The narrowest column with which the window fits an 800-pixel-wide screen.
    column->setMinimumWidth(320);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_infoLayout = layout;
    m_gameFrame = namedWidget<QGroupBox>(QStringLiteral("gameFrame"), column);
    buildGameFrame();
    layout->addWidget(m_gameFrame);
    buildButtons(column, layout);
    layout->addStretch(1);
    return column;
}

void GameDetailPane::buildGameFrame()
{
    // The bold title font must not reach the fields.
    const QFont plain = m_gameFrame->font();
    QFont titleFont = plain;
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_gameFrame->setFont(titleFont);
    m_gameFrame->installEventFilter(this);
    auto *grid = new QGridLayout(m_gameFrame);
    const std::tuple<const char *, QString, const char *, QString Game::*> rows[] = {
        {"publisherLabel", tr("Publisher"), "publisherEdit", &Game::publisher},
        {"teamLabel", tr("Team"), "teamEdit", &Game::team},
        {"machineLabel", tr("Machine"), "machineEdit", &Game::machine},
        {"yearLabel", tr("Year"), "yearEdit", &Game::year},
        {"genreLabel", tr("Genre"), "genreEdit", &Game::genre}};
    int row = 0;
    for (const auto &[labelName, caption, editName, value] : rows) {
        Field &field = m_fields[size_t(row)];
        field.label = namedWidget<QLabel>(QLatin1String(labelName), caption, m_gameFrame);
        field.edit = namedWidget<QLineEdit>(QLatin1String(editName), m_gameFrame);
        field.edit->setReadOnly(true);
        field.edit->setContextMenuPolicy(Qt::NoContextMenu);
        field.value = value;
        for (QWidget *w :
             {static_cast<QWidget *>(field.label), static_cast<QWidget *>(field.edit)}) {
            w->setFont(plain);
            w->installEventFilter(this);
        }
        grid->addWidget(field.label, row, 0);
        grid->addWidget(field.edit, row, 1, 1, 3);
        ++row;
    }
    buildPlayRow(grid, row);
    buildLamps(grid, row + 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void GameDetailPane::buildLamps(QGridLayout *grid, int row)
{
    QFont plain = font();
    plain.setBold(false);
    auto lamp = [&](QLabel *&picture, const QString &name, const QString &caption, int column) {
        auto *box = new QHBoxLayout;
        picture = namedWidget<QLabel>(name, QString(), m_gameFrame);
        const int side = picture->fontMetrics().height() - 2;
        picture->setFixedSize(side, side);
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
}

void GameDetailPane::buildPlayRow(QGridLayout *grid, int row)
{
    const QFont plain = font();
    auto field = [&](const char *labelName, const QString &caption, const char *editName,
                     int column) {
        auto *label = namedWidget<QLabel>(QLatin1String(labelName), caption, m_gameFrame);
        auto *edit = namedWidget<QLineEdit>(QLatin1String(editName), m_gameFrame);
        edit->setReadOnly(true);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        label->setFont(plain);
        edit->setFont(plain);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        return edit;
    };
    m_lastPlayedEdit = field("lastPlayedLabel", tr("Last played"), "lastPlayedEdit", 0);
    m_playsEdit = field("playsLabel", tr("Plays"), "playsEdit", 2);
}

void GameDetailPane::buildButtons(QWidget *column, QVBoxLayout *layout)
{
    auto *buttons = new QGridLayout;
    const std::tuple<const char *, QString, GameCommand, int, int, int> specs[] = {
        {"playButton", tr("    &PLAY"), GameCommand::Play, 0, 0, 3},
        {"playMusicButton", tr("Pla&y Music"), GameCommand::PlayMusic, 1, 0, 1},
        {"infoButton", tr("&Info"), GameCommand::Info, 1, 1, 1},
        {"newButton", tr("&NEW"), GameCommand::New, 2, 0, 1},
        {"modifyButton", tr("M&odify"), GameCommand::Modify, 2, 1, 1},
        {"deleteButton", tr("&Delete"), GameCommand::Delete, 2, 2, 1}};
    for (const auto &[name, caption, command, row, col, span] : specs) {
        auto *button = namedWidget<QPushButton>(QLatin1String(name), caption, column);
        buttons->addWidget(button, row, col, 1, span);
        // A copy: older compilers cannot capture a structured binding.
        connect(button, &QPushButton::clicked, this,
                [this, c = command] { Q_EMIT commandClicked(c); });
    }
    // The free cell beside Info: a star that toggles the shown game's favourite.
    m_favouriteButton = namedWidget<QPushButton>(QStringLiteral("favouriteButton"), column);
    m_favouriteButton->setCheckable(true);
    m_favouriteButton->setToolTip(tr("Favourite (Ctrl+D)"));
    buttons->addWidget(m_favouriteButton, 1, 2);
    connect(m_favouriteButton, &QPushButton::clicked, this,
            [this] { Q_EMIT commandClicked(GameCommand::ToggleFavourite); });
    auto *play = buttons->itemAtPosition(0, 0)->widget();
    QFont bold = play->font();
    bold.setBold(true);
    play->setFont(bold);
    play->setMinimumHeight(play->sizeHint().height() * 3 / 2);
    layout->addLayout(buttons);
}

} // namespace browser
