#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class PlayerBar;
class QLabel;
class QPushButton;

// "Select SoundPlayer": plays a game's song with the built-in player, in the window's bar,
// or with one of the configured players.
class GameMusicPlayer : public QWidget, public RequestTaker<GameMusicRequest>
{
    Q_OBJECT
public:
    explicit GameMusicPlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const GameMusicRequest &request) override;

private:
    QPushButton *addPlayerButton(const QString &name);
    // The game's title.
    QString loadPlayersAndSong(int gameId);
    void onBuiltInClicked();
    void onPlayer1Clicked();
    void onPlayer2Clicked();
    void play(const QString &player);

    AppContext &m_ctx;
    QPushButton *m_builtInButton;
    PlayerBar *m_bar = nullptr;
    QPushButton *m_player1Button;
    QPushButton *m_player2Button;
    QLabel *m_noPlayersLabel;
    QString m_player1;
    QString m_player2;
    QString m_song;
};
