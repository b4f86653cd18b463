#include "associationeditor.h"

#include "appcontext.h"
#include "associationfields.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "editorrules.h"
#include "opentest.h"
#include "placement.h"
#include "windowregistry.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

AssociationEditor::AssociationEditor(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_gameList(new QListWidget(this)),
      m_okButton(new QPushButton(tr("OK"), this)),
      m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("associationEditor"));
    closeOnEscape(this);
    setWindowTitle(tr("Associate Game"));
    m_gameList->setObjectName(QStringLiteral("gameList"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_gameList, 1);
    layout->addLayout(buttons);
    // Room for long titles and a screenful of them, in the user's font.
    m_gameList->setMinimumSize(fontMetrics().averageCharWidth() * 44,
                               fontMetrics().lineSpacing() * 18);
    resize(sizeHint());

    connect(m_okButton, &QPushButton::clicked, this, &AssociationEditor::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_gameList, &QListWidget::itemDoubleClicked, this, &AssociationEditor::onOkClicked);
    centreOnScreen(this);
}

bool AssociationEditor::takeRequest(const AssociationRequest &request)
{
    // Opened again by another player, it follows that player: its games, its files.
    m_request = request;
    refreshList();
    return true;
}

void AssociationEditor::refreshList()
{
    m_gameList->clear();
    const Result<QList<GameSummary>> games =
        CatalogueStore(m_ctx.db()).gamesOfMachine(associationFields(m_request.kind).machinePrefix);
    if (!games) {
        reportReadFailure(m_ctx.dialogs, games.error());
        return;
    }
    for (const GameSummary &game : *games) {
        auto *item = new QListWidgetItem(game.title, m_gameList);
        item->setData(Qt::UserRole, game.id);
    }
}

void AssociationEditor::refuse(const QString &why)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(why, Dialogs::Icon::Information, tr("Attention"));
}

void AssociationEditor::onOkClicked()
{
    const QListWidgetItem *item = m_gameList->currentItem();
    if (!item || !item->isSelected()) {
        refuse(tr("Select a game in the list first. Nothing was written."));
        return;
    }
    const QList<Game::Field> fields = associationFields(m_request.kind).fields;
    Game game;
    game.id = item->data(Qt::UserRole).toLongLong();
    // Written as the player holds them: a missing or empty file clears the field.
    for (qsizetype i = 0; i < fields.size(); ++i)
        game.value(fields.at(i)) = editorrules::storedText(m_request.files.value(i));
    if (const Outcome written = CatalogueStore(m_ctx.db()).updateFields(game, fields); !written) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The game was not changed: %1").arg(written.error()),
                              Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    const int id = int(game.id);
    WindowEvents &events = m_ctx.windows.events();
    Q_EMIT events.associationMade(m_request.kind, id);
    Q_EMIT events.gameSaved(id);
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Configuration UPDATED!"), Dialogs::Icon::Information,
                          tr("Configuration"));
    close();
}
