#include "fieldeditor.h"

#include "appcontext.h"
#include "dialogs.h"
#include "editorrules.h"
#include "gamerecords.h"
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
    resize(420, sizeHint().height());

    connect(m_modifyButton, &QPushButton::clicked, this, &FieldEditor::onModifyClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    centreOnScreen(this);
}

bool FieldEditor::takeRequest(const FieldEditorRequest &request)
{
    m_id = request.gameId;
    m_layout = fieldLayout(request.field);
    // A game no longer there shows empty boxes; "Modify" then says what is wrong. A game
    // that could not be read is reported at once: its empty boxes must not be stored.
    QString error;
    const auto loaded = gamerecords::loadGame(m_ctx.db(), m_id, &error);
    const QVariantMap row = loaded.value_or(QVariantMap());
    m_unread = !loaded && error != gamerecords::recordGoneText();
    if (m_unread) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The game could not be read: %1").arg(error),
                              Dialogs::Icon::Critical, tr("Error"));
    }
    setWindowTitle(m_layout.caption);
    m_firstLabel->setText(m_layout.firstLabel);
    m_secondLabel->setVisible(m_layout.isPair());
    m_secondEdit->setVisible(m_layout.isPair());
    m_secondLabel->setText(m_layout.secondLabel);
    showFields(row);
    return true;
}

void FieldEditor::showFields(const QVariantMap &row)
{
    m_firstEdit->setText(row.value(m_layout.firstColumn).toString());
    m_secondEdit->setText(m_layout.isPair() ? row.value(m_layout.secondColumn).toString()
                                            : QString());
    m_loaded = {{m_layout.firstColumn, row.value(m_layout.firstColumn)}};
    if (m_layout.isPair())
        m_loaded.insert(m_layout.secondColumn, row.value(m_layout.secondColumn));
}

void FieldEditor::onModifyClicked()
{
    if (m_unread) {
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return;
    }
    const editorrules::Save save = editorrules::saveOverLoaded(
        m_ctx.db(), m_ctx.dialogs, m_id, m_layout.values(m_firstEdit->text(), m_secondEdit->text()),
        m_loaded);
    if (save.outcome == editorrules::Save::Reload)
        showFields(save.stored);
    if (save.outcome == editorrules::Save::Failed) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The change was not saved: %1").arg(save.error),
                              Dialogs::Icon::Critical, tr("Error"));
    }
    if (save.outcome != editorrules::Save::Saved)
        return;
    close();
    Q_EMIT m_ctx.windows.events().gameSaved(m_id);
}
