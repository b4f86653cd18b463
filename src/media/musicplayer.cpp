#include "musicplayer.h"

#include "appcontext.h"
#include "dialogs.h"
#include "musiccommand.h"
#include "opentest.h"
#include "placement.h"
#include "playerbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Form7::Form7(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Select SoundPlayer"));

    auto *outer = new QVBoxLayout(this);
    // Hidden buttons leave no gap: the configured players close up from the left.
    auto *buttons = new QHBoxLayout;
    m_command1 = new QPushButton(QStringLiteral("Command1"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setMinimumWidth(twipsToPixels(1320));
    connect(m_command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    buttons->addWidget(m_command1);
    m_command2 = new QPushButton(QStringLiteral("Command2"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setMinimumWidth(twipsToPixels(1320));
    connect(m_command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    buttons->addWidget(m_command2);
    buttons->addStretch();
    outer->addLayout(buttons);
    m_label1 = new QLabel(QStringLiteral("NO SOUND PLAYERS CONFIGURED"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    outer->addWidget(m_label1);
    resize(twipsToPixels(3300), twipsToPixels(1200));

    Form_Load();
}

void Form7::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    m_player1.clear();
    m_player2.clear();
    m_song.clear();
    // After a failed open test the window offers no player: there is nothing to read.
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        QString error;
        const music::SoundPlayers players = music::loadPlayers(m_ctx.db(), &error);
        if (error.isEmpty())
            m_song = music::loadSong(m_ctx.db(), m_ctx.selectedid, &error);
        if (!error.isEmpty())
            reportReadFailure(m_ctx.dialogs, error);
        else {
            m_player1 = players.player1;
            m_player2 = players.player2;
        }
    }
    capbut(1);
    capbut(2);
    m_label1->setVisible(m_player1.isEmpty() && m_player2.isEmpty());
}

void Form7::capbut(int button)
{
    showPlayerButton(button == 1 ? m_command1 : m_command2, button == 1 ? m_player1 : m_player2);
}

void Form7::Command1_Click()
{
    play(m_player1);
}

void Form7::Command2_Click()
{
    play(m_player2);
}

void Form7::play(const QString &player)
{
    if (player.isEmpty())
        return;
    const Command command = music::playCommand(player, m_song);
    QString error;
    if (!m_ctx.launcher.start(command, &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(
            QStringLiteral("The sound player could not be started:\n%1\n%2").arg(player, error),
            Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    close();
}
