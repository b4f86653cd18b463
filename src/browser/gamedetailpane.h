#pragma once

#include "game.h"
#include "gamecommand.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QVBoxLayout;
class PlayerBar;

namespace browser
{
class CreditBand;
class ScreenshotColumn;

// The shown game: its title, publisher, team, machine, year and genre, the lamps of its
// game and music files, its screenshots, its credits and the buttons that act on it.
class GameDetailPane : public QWidget
{
    Q_OBJECT
public:
    explicit GameDetailPane(QWidget *parent = nullptr);

    void showGame(const Game &game);
    // The collector's own data of the shown game: the star, the last play and the count.
    void showPersonal(const PersonalData &personal);
    void clear();
    void setScreenshotsShown(bool on);
    void setCreditsShown(bool on);
    // The bar that plays the shown game's music, placed under the buttons.
    void setPlayerBar(PlayerBar *bar);

Q_SIGNALS:
    void commandClicked(browser::GameCommand command);
    // A double-click on a field, the title or a credited name: list the games that hold it.
    void searchRequested(const QString &text);
    void screenshotClicked(int which);
    void popupRequested(browser::PopupMenu menu, const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Field {
        QLabel *label = nullptr;
        QLineEdit *edit = nullptr;
        QString Game::*value = nullptr;
    };

    QWidget *buildInfoColumn();
    void buildGameFrame();
    void buildLamps(QGridLayout *grid, int row);
    void buildPlayRow(QGridLayout *grid, int row);
    void buildButtons(QWidget *column, QVBoxLayout *layout);
    void setLamp(QLabel *lamp, const QString &file);
    void updateFrameTitle();
    bool handleMouse(QObject *watched, const QMouseEvent *mouse);

    Game m_game; // the shown game; an empty Game when none is
    ScreenshotColumn *m_screenshots = nullptr;
    CreditBand *m_credits = nullptr;
    QGroupBox *m_gameFrame = nullptr;
    std::array<Field, 5> m_fields;
    QLabel *m_gameLamp = nullptr;
    QLabel *m_musicLamp = nullptr;
    QVBoxLayout *m_infoLayout = nullptr;
    PlayerBar *m_playerBar = nullptr;
    QLineEdit *m_lastPlayedEdit = nullptr;
    QLineEdit *m_playsEdit = nullptr;
    QPushButton *m_favouriteButton = nullptr;
};

} // namespace browser
