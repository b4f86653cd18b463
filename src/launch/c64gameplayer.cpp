#include "c64gameplayer.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "imagereader.h"
#include "launchcheck.h"
#include "placement.h"
#include "windowregistry.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

C64GamePlayer::C64GamePlayer(AppContext &ctx, QWidget *parent)
    : C64PlayerBase(ctx, parent), m_emulatorFrame(new QGroupBox(tr("Emulators"), this))
{
    setObjectName(QStringLiteral("c64GamePlayer"));
    setWindowTitle(tr("Start C64 Game"));
    closeOnEscape(this);
    m_emulatorFrame->setObjectName(QStringLiteral("emulatorFrame"));
    // Dropping anything onto the frame opens the system configuration.
    m_emulatorFrame->setAcceptDrops(true);
    m_emulatorFrame->installEventFilter(this);

    // Hidden buttons take no room: the configured ones close up from the top.
    auto *column = new QVBoxLayout(m_emulatorFrame);
    for (QPushButton *b : emulatorButtons())
        column->addWidget(b);
    column->addWidget(noEmulatorLabel());
    column->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_emulatorFrame);
    layout->addLayout(imageLayout(), 1);
    adjustSize();
    centreOnScreen(this);
}

bool C64GamePlayer::takeRequest(const C64GameRequest &request)
{
    // A file that is gone is named, as the Amiga players and "--play" do, and no empty
    // player opens for it.
    const QString file = unquotePath(request.gameFile);
    if (!file.isEmpty()) {
        if (const Outcome present = checkGameFile(file); !present) {
            reportFailure(present.error());
            return false;
        }
    }
    // Read again on every request: the configuration may have changed meanwhile.
    loadConfiguration();
    showGameInTitle(this, tr("Start C64 Game"),
                    CatalogueStore(context().db()).title(request.gameId).valueOr(QString()));
    const CatalogueStore store(context().db());
    setMoreDisks(store.moreDisks(request.gameId).valueOr(QStringList()));
    setGameStart(store.gameStart(request.gameId).valueOr(GameStart()));
    showPlayFile(request.gameFile, request.gameId);
    return true;
}

void C64GamePlayer::showSystemConfiguration()
{
    context().windows.show(WindowKey::SystemConfig);
}

bool C64GamePlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_emulatorFrame) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            static_cast<QDropEvent *>(event)->acceptProposedAction();
            return true;
        case QEvent::Drop:
            static_cast<QDropEvent *>(event)->acceptProposedAction();
            showSystemConfiguration();
            return true;
        default:
            break;
        }
    }
    return C64PlayerBase::eventFilter(watched, event);
}
