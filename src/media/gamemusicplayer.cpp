#include "gamemusicplayer.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "musiccommand.h"
#include "musicservice.h"
#include "opentest.h"
#include "placement.h"
#include "playerbar.h"
#include "playerbutton.h"
#include "playerstart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

GameMusicPlayer::GameMusicPlayer(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_builtInButton(addPlayerButton(QStringLiteral("builtInButton"))),
      m_player1Button(addPlayerButton(QStringLiteral("player1Button"))),
      m_player2Button(addPlayerButton(QStringLiteral("player2Button"))),
      m_noPlayersLabel(new QLabel(tr("NO SOUND PLAYERS CONFIGURED"), this))
{
    setObjectName(QStringLiteral("GameMusicPlayer"));
    closeOnEscape(this);
    setWindowTitle(tr("Select SoundPlayer"));
    m_builtInButton->setText(tr("Built-in player"));
    m_builtInButton->setVisible(ctx.music != nullptr);
    connect(m_builtInButton, &QPushButton::clicked, this, &GameMusicPlayer::onBuiltInClicked);
    connect(m_player1Button, &QPushButton::clicked, this, &GameMusicPlayer::onPlayer1Clicked);
    connect(m_player2Button, &QPushButton::clicked, this, &GameMusicPlayer::onPlayer2Clicked);
    m_noPlayersLabel->setObjectName(QStringLiteral("noPlayersLabel"));
    m_noPlayersLabel->setAlignment(Qt::AlignCenter);

    auto *outer = new QVBoxLayout(this);
    // Hidden buttons leave no gap: the configured players close up from the left.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_builtInButton);
    buttons->addWidget(m_player1Button);
    buttons->addWidget(m_player2Button);
    buttons->addStretch();
    outer->addLayout(buttons);
    outer->addWidget(m_noPlayersLabel);
    if (ctx.music) {
        m_bar = new PlayerBar(*ctx.music, this);
        outer->addWidget(m_bar);
    }
}

QPushButton *GameMusicPlayer::addPlayerButton(const QString &name)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    return button;
}

bool GameMusicPlayer::takeRequest(const GameMusicRequest &request)
{
    showGameInTitle(this, tr("Select SoundPlayer"), loadPlayersAndSong(request.gameId));
    centreOnScreen(this);
    showPlayerButton(m_player1Button, m_player1);
    showPlayerButton(m_player2Button, m_player2);
    m_noPlayersLabel->setVisible(!m_bar && m_player1.isEmpty() && m_player2.isEmpty());
    m_builtInButton->setEnabled(!m_song.isEmpty());
    if (m_bar)
        m_bar->setTune(m_song);
    return true;
}

QString GameMusicPlayer::loadPlayersAndSong(int gameId)
{
    m_player1.clear();
    m_player2.clear();
    m_song.clear();
    // After a failed open test the window offers no player: there is nothing to read.
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return {};
    const Result<music::GameMusic> music = music::readGameMusic(CatalogueStore(m_ctx.db()), gameId);
    if (!music) {
        reportReadFailure(m_ctx.dialogs, music.error());
        return {};
    }
    m_song = music->song;
    m_player1 = music->player1;
    m_player2 = music->player2;
    return music->title;
}

void GameMusicPlayer::onBuiltInClicked()
{
    if (m_bar)
        m_bar->play();
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
