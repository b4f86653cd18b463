#include "freemusicplayer.h"

#include "appcontext.h"
#include "browselists.h"
#include "browsingpane.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "musiccommand.h"
#include "musicservice.h"
#include "namedwidget.h"
#include "opentest.h"
#include "placement.h"
#include "playerbar.h"
#include "playerbutton.h"
#include "playerstart.h"
#include "shortpath.h"
#include "windowregistry.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{

// Music file names are long ("Artist - Title (Version).sid"): the list widens to its longest
// name, within reason, instead of hiding the names behind a horizontal scrollbar.
void fitToNames(QListWidget *list)
{
    const int names = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                      list->verticalScrollBar()->sizeHint().width() + 4;
    const int letter = list->fontMetrics().averageCharWidth();
    list->setMinimumWidth(qBound(letter * 24, names, letter * 64));
}

} // namespace

FreeMusicPlayer::FreeMusicPlayer(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_browsingPane(new BrowsingPane(ctx.dialogs, BrowsingPane::Files::Shown, this)),
      m_fileEdit(new QLineEdit(this)),
      m_player1Button(namedWidget<QPushButton>(QStringLiteral("player1Button"), QString(), this)),
      m_player2Button(namedWidget<QPushButton>(QStringLiteral("player2Button"), QString(), this)),
      m_noPlayersLabel(new QLabel(tr("NO MUSIC PLAYERS CONFIGURED"), this)),
      m_associateButton(
          namedWidget<QPushButton>(QStringLiteral("associateButton"), tr("Associate"), this)),
      m_exitButton(namedWidget<QPushButton>(QStringLiteral("exitButton"), tr("Exit"), this))
{
    setObjectName(QStringLiteral("FreeMusicPlayer"));
    closeOnEscape(this);
    setWindowTitle(tr("C64 Music Player"));
    m_browsingPane->setObjectName(QStringLiteral("browsingPane"));
    m_fileEdit->setObjectName(QStringLiteral("fileEdit"));
    m_fileEdit->setReadOnly(true); // it shows the highlighted file; Associate takes that
    m_noPlayersLabel->setObjectName(QStringLiteral("noPlayersLabel"));
    if (ctx.music)
        m_bar = new PlayerBar(*ctx.music, this);
    buildLayout();

    connect(m_browsingPane, &BrowsingPane::folderChanged, this, &FreeMusicPlayer::showFolder);
    connect(m_browsingPane->fileList(), &QListWidget::itemSelectionChanged, this,
            &FreeMusicPlayer::showChosenFile);
    connect(m_player1Button, &QPushButton::clicked, this, &FreeMusicPlayer::onPlayer1Clicked);
    connect(m_player2Button, &QPushButton::clicked, this, &FreeMusicPlayer::onPlayer2Clicked);
    connect(m_associateButton, &QPushButton::clicked, this, &FreeMusicPlayer::onAssociateClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void FreeMusicPlayer::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_browsingPane, 1);
    outer->addWidget(m_fileEdit);
    if (m_bar)
        outer->addWidget(m_bar);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_player1Button);
    buttons->addWidget(m_player2Button);
    buttons->addWidget(m_noPlayersLabel);
    buttons->addStretch();
    buttons->addWidget(m_associateButton);
    buttons->addWidget(m_exitButton);
    outer->addLayout(buttons);
}

bool FreeMusicPlayer::takeRequest(const FreeMusicRequest &request)
{
    // Everything follows the machine asked for, also in a window already open for the
    // other one: its folder, its association kind and the file picked there.
    m_machine = request.machine;
    setWindowTitle(m_machine == MusicMachine::Amiga ? tr("Amiga Music Player")
                                                    : tr("C64 Music Player"));
    centreOnScreen(this);
    // A music folder that cannot be opened falls back to the user's home, silently.
    if (!m_browsingPane->openAt(request.startFolder))
        m_browsingPane->openAt(QDir::homePath());
    showFolder(m_browsingPane->folder());
    loadPlayers();
    return true;
}

void FreeMusicPlayer::loadPlayers()
{
    m_player1.clear();
    m_player2.clear();
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        const Result<Configuration> configuration = CatalogueStore(m_ctx.db()).configuration();
        if (configuration) {
            m_player1 = configuration->player1;
            m_player2 = configuration->player2;
        } else {
            reportReadFailure(m_ctx.dialogs, configuration.error());
        }
    }
    showPlayerButton(m_player1Button, m_player1);
    showPlayerButton(m_player2Button, m_player2);
    // The built-in player plays without any configured one.
    m_noPlayersLabel->setVisible(!m_bar && m_player1.isEmpty() && m_player2.isEmpty());
}

void FreeMusicPlayer::showFolder(const QString &)
{
    fitToNames(m_browsingPane->fileList());
    showChosenFile(); // the new list highlights nothing
}

void FreeMusicPlayer::showChosenFile()
{
    const QString file = chosenFile();
    m_fileEdit->setText(file.isEmpty() ? QString() : shortPath(file));
    if (m_bar)
        m_bar->setTune(file);
}

// The highlighted file. The focus alone makes a row current without highlighting it: that
// row is no choice.
QString FreeMusicPlayer::chosenFile() const
{
    const FileListBox *files = m_browsingPane->fileList();
    const QListWidgetItem *item = files->currentItem();
    return item && item->isSelected() ? files->selectedFilePath() : QString();
}

void FreeMusicPlayer::onPlayer1Clicked()
{
    play(m_player1);
}

void FreeMusicPlayer::onPlayer2Clicked()
{
    play(m_player2);
}

void FreeMusicPlayer::play(const QString &player)
{
    if (player.isEmpty())
        return;
    const QString file = chosenFileOrWarn();
    if (!file.isEmpty())
        startPlayer(m_ctx, player, file);
}

void FreeMusicPlayer::onAssociateClicked()
{
    const QString file = chosenFileOrWarn();
    if (file.isEmpty())
        return;
    const AssociationKind kind =
        m_machine == MusicMachine::Amiga ? AssociationKind::AmigaMusic : AssociationKind::C64Music;
    m_ctx.windows.open(AssociationRequest{kind, {shortPath(file)}});
}

QString FreeMusicPlayer::chosenFileOrWarn()
{
    const QString file = chosenFile();
    if (file.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Select a music file first."), Dialogs::Icon::Information,
                              tr("Attention"));
    }
    return file;
}
