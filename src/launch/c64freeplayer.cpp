#include "c64freeplayer.h"

#include "appcontext.h"
#include "browsingpane.h"
#include "placement.h"
#include "windowregistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

C64FreePlayer::C64FreePlayer(AppContext &ctx, QWidget *parent)
    : C64PlayerBase(ctx, parent),
      m_browser(new BrowsingPane(ctx.dialogs, BrowsingPane::Files::Shown, this)),
      m_playFileEdit(new QLineEdit(this)), m_associateButton(new QPushButton(tr("Associate"), this))
{
    setObjectName(QStringLiteral("c64FreePlayer"));
    setWindowTitle(tr("C64 Game Player"));
    closeOnEscape(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_playFileEdit->setObjectName(QStringLiteral("playFileEdit"));
    m_playFileEdit->setReadOnly(true);
    m_associateButton->setObjectName(QStringLiteral("associateButton"));

    // Hidden buttons take no room: the configured ones close up from the left.
    auto *emulators = new QHBoxLayout;
    for (QPushButton *b : emulatorButtons())
        emulators->addWidget(b);
    emulators->addWidget(noEmulatorLabel(), 1);
    emulators->addStretch(1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_browser, 0, 0);
    grid->addLayout(imageLayout(), 0, 1);
    grid->addWidget(m_playFileEdit, 1, 0, 1, 2);
    grid->addWidget(m_associateButton, 2, 0, Qt::AlignLeft);
    grid->addLayout(emulators, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    adjustSize();
    centreOnScreen(this);

    connect(m_browser, &BrowsingPane::fileClicked, this, &C64FreePlayer::showClickedFile);
    connect(m_associateButton, &QPushButton::clicked, this, &C64FreePlayer::openAssociation);
    loadConfiguration();
}

bool C64FreePlayer::takeRequest(const C64FreePlayerRequest &request)
{
    m_browser->openAt(request.startFolder);
    return true;
}

void C64FreePlayer::showClickedFile(const QString &path)
{
    if (path.isEmpty())
        return;
    m_playFileEdit->setText(path);
    showPlayFile(path);
}

void C64FreePlayer::openAssociation()
{
    context().windows.open(AssociationRequest{AssociationKind::C64Game, {playFile()}});
}
