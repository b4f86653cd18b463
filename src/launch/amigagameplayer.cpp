#include "amigagameplayer.h"

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
                     this))
{
    setObjectName(QStringLiteral("amigaGamePlayer"));
    setWindowTitle(tr("Start Amiga Game"));
    closeOnEscape(this);
    templateList()->setMinimumSize(twipsToPixels(3600), twipsToPixels(1800));
    m_noEmulatorLabel->setObjectName(QStringLiteral("noEmulatorLabel"));
    m_noEmulatorLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(emulatorOptionsLayout());
    layout->addWidget(templateList(), 1);
    layout->addWidget(m_noEmulatorLabel);
    layout->addWidget(playButton());
    // Sized without the template list, which grows the window once an emulator is chosen.
    adjustSize();
    centreOnScreen(this);
}

bool AmigaGamePlayer::takeRequest(const AmigaGameRequest &request)
{
    m_gameId = request.gameId;
    m_disks.reset();
    showGameInTitle(this, tr("Start Amiga Game"),
                    CatalogueStore(context().db()).title(m_gameId).valueOr(QString()));
    const bool readable = loadEmulators();
    m_noEmulatorLabel->setVisible(!hasEmulator());
    if (!readable)
        return true; // the user has been told; PLAY says that the game is missing
    QString error;
    m_disks = readAmigaDisks(context().db(), m_gameId, &error);
    if (!error.isEmpty())
        reportReadFailure(context().dialogs, error);
    return true;
}

void AmigaGamePlayer::play(AmigaEmulator emulator)
{
    if (!m_disks) {
        reportStartFailure(QStringLiteral("game %1 is not in the catalogue").arg(m_gameId));
        return;
    }
    if (writeAndStart(emulator, *m_disks))
        close();
}
