#include "gamemusicplayer.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "musiccommand.h"
#include "opentest.h"
#include "placement.h"
#include "playerbutton.h"
#include "playerstart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

GameMusicPlayer::GameMusicPlayer(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_player1Button(addPlayerButton(QStringLiteral("player1Button"))),
      m_player2Button(addPlayerButton(QStringLiteral("player2Button"))),
      m_noPlayersLabel(new QLabel(tr("NO SOUND PLAYERS CONFIGURED"), this))
{
    setObjectName(QStringLiteral("GameMusicPlayer"));
    closeOnEscape(this);
    setWindowTitle(tr("Select SoundPlayer"));
    connect(m_player1Button, &QPushButton::clicked, this, &GameMusicPlayer::onPlayer1Clicked);
    connect(m_player2Button, &QPushButton::clicked, this, &GameMusicPlayer::onPlayer2Clicked);
    m_noPlayersLabel->setObjectName(QStringLiteral("noPlayersLabel"));
    m_noPlayersLabel->setAlignment(Qt::AlignCenter);

    auto *outer = new QVBoxLayout(this);
    // Hidden buttons leave no gap: the configured players close up from the left.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_player1Button);
    buttons->addWidget(m_player2Button);
    buttons->addStretch();
    outer->addLayout(buttons);
    outer->addWidget(m_noPlayersLabel);
    resize(twipsToPixels(3300), twipsToPixels(1200));
}

QPushButton *GameMusicPlayer::addPlayerButton(const QString &name)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    button->setMinimumWidth(twipsToPixels(1320));
    return button;
}

bool GameMusicPlayer::takeRequest(const GameMusicRequest &request)
{
    loadPlayersAndSong(request.gameId);
    centreOnScreen(this);
    showPlayerButton(m_player1Button, m_player1);
    showPlayerButton(m_player2Button, m_player2);
    m_noPlayersLabel->setVisible(m_player1.isEmpty() && m_player2.isEmpty());
    return true;
}

void GameMusicPlayer::loadPlayersAndSong(int gameId)
{
    m_player1.clear();
    m_player2.clear();
    m_song.clear();
    // After a failed open test the window offers no player: there is nothing to read.
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return;
    QString error;
    const music::SoundPlayers players = music::loadPlayers(m_ctx.db(), &error);
    if (error.isEmpty())
        m_song = music::loadSong(m_ctx.db(), gameId, &error);
    showGameInTitle(this, tr("Select SoundPlayer"),
                    CatalogueStore(m_ctx.db()).title(gameId).valueOr(QString()));
    if (!error.isEmpty()) {
        reportReadFailure(m_ctx.dialogs, error);
        return;
    }
    m_player1 = players.player1;
    m_player2 = players.player2;
}

void GameMusicPlayer::onPlayer1Clicked()
{
    play(m_player1);
}

void GameMusicPlayer::onPlayer2Clicked()
{
    play(m_player2);
}

void GameMusicPlayer::play(const QString &player)
{
    if (!player.isEmpty() && startPlayer(m_ctx, player, m_song))
        close();
}
