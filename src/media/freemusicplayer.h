#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class BrowsingPane;
class PlayerBar;
class QLabel;
class QLineEdit;
class QPushButton;

// "Music Player": browses the music files of one machine, plays them in its bar or with the
// configured players and hands the selected file to the association editor for that machine's
// games. Asked again with another machine, the open window switches to it.
class FreeMusicPlayer : public QWidget, public RequestTaker<FreeMusicRequest>
{
    Q_OBJECT
public:
    explicit FreeMusicPlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const FreeMusicRequest &request) override;
    MusicMachine machine() const { return m_machine; }

private:
    void buildLayout();
    void loadPlayers();
    void showFolder(const QString &folder);
    void showChosenFile();
    QString chosenFile() const;
    // The chosen file; with none, beeps and asks for one.
    QString chosenFileOrWarn();
    void onPlayer1Clicked();
    void onPlayer2Clicked();
    void onAssociateClicked();
    void play(const QString &player);

    AppContext &m_ctx;
    BrowsingPane *m_browsingPane;
    QLineEdit *m_fileEdit;
    PlayerBar *m_bar = nullptr;
    QPushButton *m_player1Button;
    QPushButton *m_player2Button;
    QLabel *m_noPlayersLabel;
    QPushButton *m_associateButton;
    QPushButton *m_exitButton;
    MusicMachine m_machine = MusicMachine::C64;
    QString m_player1;
    QString m_player2;
};
