#include "gameinfowindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

GameInfoWindow::GameInfoWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_othersView(new QPlainTextEdit(this)),
      m_noteView(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("gameInfoWindow"));
    closeOnEscape(this);
    setWindowTitle(tr("Additional Info"));
    m_othersView->setObjectName(QStringLiteral("othersView"));
    m_noteView->setObjectName(QStringLiteral("noteView"));
    m_othersView->setReadOnly(true);
    m_noteView->setReadOnly(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Other Credits"), this));
    layout->addWidget(m_othersView);
    layout->addWidget(new QLabel(tr("Note"), this));
    layout->addWidget(m_noteView);
    // Room for a paragraph of credits, in the user's font.
    m_othersView->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    resize(sizeHint());
    centreOnScreen(this);
}

bool GameInfoWindow::takeRequest(const GameInfoRequest &request)
{
    m_othersView->clear();
    m_noteView->clear();
    setWindowTitle(tr("Additional Info"));
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return true;
    const Result<Game> game = CatalogueStore(m_ctx.db()).game(request.gameId);
    if (!game) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(game.error(), Dialogs::Icon::Critical, tr("Error"));
        return true;
    }
    showGameInTitle(this, tr("Additional Info"), game->title);
    m_othersView->setPlainText(game->otherCredits);
    m_noteView->setPlainText(game->note);
    return true;
}

void GameInfoWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Leaving the window closes it.
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive)
        close();
}
