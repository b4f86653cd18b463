#include "amigagameplayer.h"

#include "amigarecords.h"
#include "appcontext.h"
#include "browselists.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "opentest.h"
#include "placement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AmigaGamePlayer::AmigaGamePlayer(AppContext &ctx, QWidget *parent)
    : AmigaPlayerBase(ctx, parent),
      // Without any emulator both options are greyed out and nothing would say why.
      m_noEmulatorLabel(
          new QLabel(tr("No Amiga emulator is configured.\n"
                        "Set WinUAE (or FS-UAE, Amiberry) or WinFellow in Configuration > System."),
                     this)),
      m_unreachableLabel(new QLabel(unreachableDisksText(AmigaFormat::Fellow), this))
{
    setObjectName(QStringLiteral("amigaGamePlayer"));
    setWindowTitle(tr("Start Amiga Game"));
    closeOnEscape(this);
    // Room for a few template names without scrolling.
    const QFontMetrics text = templateList()->fontMetrics();
    templateList()->setMinimumSize(text.averageCharWidth() * 32, text.lineSpacing() * 7);
    m_noEmulatorLabel->setObjectName(QStringLiteral("noEmulatorLabel"));
    m_noEmulatorLabel->setWordWrap(true);
    m_unreachableLabel->setObjectName(QStringLiteral("unreachableLabel"));
    m_unreachableLabel->setWordWrap(true);
    m_unreachableLabel->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(emulatorOptionsLayout());
    layout->addWidget(templateList(), 1);
    layout->addWidget(m_noEmulatorLabel);
    layout->addWidget(m_unreachableLabel);
    layout->addWidget(playButton());
    // Sized without the template list, which grows the window once an emulator is chosen.
    adjustSize();
    centreOnScreen(this);
}

bool AmigaGamePlayer::takeRequest(const AmigaGameRequest &request)
{
    m_gameId = request.gameId;
    m_disks.reset();
    m_moreDisks.clear();
    m_unreachableLabel->hide();
    const Result<std::optional<Game>> game = CatalogueStore(context().db()).findGame(m_gameId);
    showGameInTitle(this, tr("Start Amiga Game"), game && *game ? (*game)->title : QString());
    const bool readable = loadEmulators();
    m_noEmulatorLabel->setVisible(!hasEmulator());
    if (!readable)
        return true; // the user has been told; PLAY says that the game is missing
    if (!game)
        reportReadFailure(context().dialogs, game.error());
    else if (*game)
        readDisks(**game);
    return true;
}

void AmigaGamePlayer::readDisks(const Game &game)
{
    const Result<QStringList> more = CatalogueStore(context().db()).moreDisks(game.id);
    if (!more) {
        reportReadFailure(context().dialogs, more.error());
        return;
    }
    m_disks = amigaDrives(game);
    m_moreDisks = *more;
    // Only WinFellow, which has no swap list, leaves disks out of a usual set.
    m_unreachableLabel->setVisible(
        planAmigaDisks(AmigaFormat::Fellow, *m_disks, m_moreDisks).unreachable > 0);
}

void AmigaGamePlayer::play(AmigaEmulator emulator)
{
    if (!m_disks) {
        reportStartFailure(QStringLiteral("game %1 is not in the catalogue").arg(m_gameId));
        return;
    }
    if (writeAndStart(emulator, *m_disks, m_moreDisks))
        close();
}
