#include "fieldeditor.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "editorrules.h"
#include "gamesaver.h"
#include "placement.h"
#include "windowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FieldEditor::FieldEditor(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_firstLabel(new QLabel(this)),
      m_firstEdit(new QLineEdit(this)), m_secondLabel(new QLabel(this)),
      m_secondEdit(new QLineEdit(this)), m_modifyButton(new QPushButton(tr("Modify"), this)),
      m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("fieldEditor"));
    closeOnEscape(this);
    m_firstLabel->setObjectName(QStringLiteral("firstLabel"));
    m_firstEdit->setObjectName(QStringLiteral("firstEdit"));
    m_secondLabel->setObjectName(QStringLiteral("secondLabel"));
    m_secondEdit->setObjectName(QStringLiteral("secondEdit"));
    m_modifyButton->setObjectName(QStringLiteral("modifyButton"));
    m_modifyButton->setDefault(true);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_modifyButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_firstLabel);
    layout->addWidget(m_firstEdit);
    layout->addWidget(m_secondLabel);
    layout->addWidget(m_secondEdit);
    layout->addStretch(1);
    layout->addLayout(buttons);
    m_firstEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 52);
    resize(sizeHint());

    connect(m_modifyButton, &QPushButton::clicked, this, &FieldEditor::onModifyClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    centreOnScreen(this);
}

bool FieldEditor::takeRequest(const FieldEditorRequest &request)
{
    m_layout = fieldLayout(request.field);
    // A game no longer there shows empty boxes; "Modify" then says what is wrong. A game
    // that could not be read is reported at once: its empty boxes must not be stored.
    const Result<Game> game = CatalogueStore(m_ctx.db()).game(request.gameId);
    m_unread = !game && game.error() != CatalogueStore::gameGoneText();
    if (m_unread) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The game could not be read: %1").arg(game.error()),
                              Dialogs::Icon::Critical, tr("Error"));
    }
    Game shown = game.valueOr({});
    shown.id = request.gameId;
    setWindowTitle(m_layout.caption);
    m_firstLabel->setText(m_layout.firstLabel);
    m_secondLabel->setVisible(m_layout.isPair());
    m_secondEdit->setVisible(m_layout.isPair());
    m_secondLabel->setText(m_layout.secondLabel);
    showFields(shown);
    return true;
}

void FieldEditor::showFields(const Game &game)
{
    m_loaded = game;
    m_firstEdit->setText(game.value(m_layout.first));
    m_secondEdit->setText(m_layout.isPair() ? game.value(*m_layout.second) : QString());
}

void FieldEditor::onModifyClicked()
{
    if (m_unread) {
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return;
    }
    Game edited = m_loaded;
    edited.value(m_layout.first) = editorrules::storedText(m_firstEdit->text());
    if (m_layout.isPair())
        edited.value(*m_layout.second) = editorrules::storedText(m_secondEdit->text());
    const Result<GameSaver::Save> save = GameSaver(CatalogueStore(m_ctx.db()), m_ctx.dialogs)
                                             .saveOverLoaded(m_loaded, edited, m_layout.fields());
    if (!save) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The change was not saved: %1").arg(save.error()),
                              Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    if (save->kind == GameSaver::Save::Reload)
        showFields(save->stored);
    if (save->kind != GameSaver::Save::Saved)
        return;
    close();
    Q_EMIT m_ctx.windows.events().gameSaved(int(m_loaded.id));
}
