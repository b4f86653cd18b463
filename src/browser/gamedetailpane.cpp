#include "gamedetailpane.h"

#include "creditband.h"
#include "playerbar.h"
#include "screenshotcolumn.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace browser
{

GameDetailPane::GameDetailPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gameDetailPane"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    // A wider window is shared out: the screenshots grow with it and the info column takes
    // its part.
    m_screenshots = new ScreenshotColumn(this);
    top->addWidget(m_screenshots, 3);
    top->addWidget(buildInfoColumn(), 2);
    outer->addLayout(top, 1);
    m_credits = new CreditBand(this);
    outer->addWidget(m_credits);
    connect(m_screenshots, &ScreenshotColumn::pictureClicked, this,
            &GameDetailPane::screenshotClicked);
    connect(m_screenshots, &ScreenshotColumn::popupRequested, this,
            &GameDetailPane::popupRequested);
    connect(m_credits, &CreditBand::nameChosen, this, &GameDetailPane::searchRequested);
    connect(m_credits, &CreditBand::popupRequested, this, &GameDetailPane::popupRequested);
    clear();
}

void GameDetailPane::showGame(const Game &game)
{
    m_game = game;
    for (const Field &field : m_fields) {
        field.edit->setText(game.*field.value);
        field.edit->setCursorPosition(0);
    }
    updateFrameTitle();
    setLamp(m_gameLamp, game.gameFile);
    setLamp(m_musicLamp, game.musicFile);
    if (m_playerBar)
        m_playerBar->setTune(Game::isSet(game.musicFile) ? game.musicFile : QString());
    // Hidden parts are not read: they follow when they are shown.
    if (m_screenshots->isVisibleTo(this))
        m_screenshots->showPictures(game.screenshot1, game.screenshot2);
    if (m_credits->isVisibleTo(this))
        m_credits->showCredits(game);
}

void GameDetailPane::showPersonal(const PersonalData &personal)
{
    const QSignalBlocker blocker(m_favouriteButton);
    m_favouriteButton->setChecked(personal.favourite);
    m_favouriteButton->setText(personal.favourite ? tr("\u2605 Fa&vourite")
                                                  : tr("\u2606 Fa&vourite"));
    m_lastPlayedEdit->setText(
        personal.lastPlayed == 0
            ? QString()
            : QLocale().toString(QDateTime::fromSecsSinceEpoch(personal.lastPlayed),
                                 QLocale::ShortFormat));
    m_playsEdit->setText(QString::number(personal.plays));
}

void GameDetailPane::clear()
{
    m_game = Game();
    showPersonal({});
    for (const Field &field : m_fields)
        field.edit->clear();
    m_credits->showCredits(m_game);
    updateFrameTitle();
    setLamp(m_gameLamp, QString());
    setLamp(m_musicLamp, QString());
    if (m_playerBar)
        m_playerBar->setTune(QString());
    m_screenshots->showPictures(QString(), QString());
}

void GameDetailPane::setPlayerBar(PlayerBar *bar)
{
    m_playerBar = bar;
    m_infoLayout->insertWidget(m_infoLayout->count() - 1, bar); // above the stretch
    bar->setTune(Game::isSet(m_game.musicFile) ? m_game.musicFile : QString());
}

void GameDetailPane::setScreenshotsShown(bool on)
{
    m_screenshots->setVisible(on);
    if (on && m_game.id != 0)
        m_screenshots->showPictures(m_game.screenshot1, m_game.screenshot2);
}

void GameDetailPane::setCreditsShown(bool on)
{
    m_credits->setVisible(on);
    if (on)
        m_credits->showCredits(m_game);
    // The window asks for its new height at once.
    layout()->activate();
}

void GameDetailPane::setLamp(QLabel *lamp, const QString &file)
{
    // Green: the file is there; red: no file set; amber: set, but the file is missing.
    const bool set = Game::isSet(file);
    const bool present = set && QFileInfo::exists(file);
    QPalette palette = lamp->palette();
    palette.setColor(QPalette::Window, present ? QColor(0, 128, 0)
                                       : set   ? QColor(255, 170, 0)
                                               : QColor(255, 0, 0));
    lamp->setPalette(palette);
    lamp->setToolTip(present ? tr("File present: %1").arg(file)
                     : set   ? tr("File missing: %1").arg(file)
                             : tr("No file"));
}

void GameDetailPane::updateFrameTitle()
{
    // A long title is shortened on screen so that it never widens the pane.
    const int room = std::max(40, m_gameFrame->parentWidget()->width() - 32);
    const QString shown = m_gameFrame->fontMetrics().elidedText(m_game.title, Qt::ElideRight, room);
    m_gameFrame->setTitle(shown);
    m_gameFrame->setToolTip(shown == m_game.title ? QString() : m_game.title);
}

bool GameDetailPane::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_gameFrame && type == QEvent::Resize)
        updateFrameTitle();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        handleMouse(watched, static_cast<QMouseEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool GameDetailPane::handleMouse(QObject *watched, const QMouseEvent *mouse)
{
    const Field *field = nullptr;
    for (const Field &each : m_fields)
        if (watched == each.label || watched == each.edit)
            field = &each;
    if (!field && watched != m_gameFrame)
        return false;
    if (mouse->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        Q_EMIT popupRequested(PopupMenu::GameFields, mouse->globalPosition().toPoint());
        return true;
    }
    if (mouse->type() != QEvent::MouseButtonDblClick || mouse->button() != Qt::LeftButton)
        return false;
    // The field labels have no double-click of their own.
    if (!field)
        Q_EMIT searchRequested(m_game.title);
    else if (watched == field->edit)
        Q_EMIT searchRequested(field->edit->text());
    return true;
}

} // namespace browser
