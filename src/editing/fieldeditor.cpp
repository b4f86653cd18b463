#include "fieldeditor.h"

#include "appcontext.h"
#include "dialogs.h"
#include "editorrules.h"
#include "fieldcodes.h"
#include "gamerecords.h"
#include "placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Form6::Form6(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_label1(new QLabel(this)),
      m_text1(new QLineEdit(this)), m_label2(new QLabel(this)), m_text2(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form6"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_text2->setObjectName(QStringLiteral("Text2"));
    auto *modify = new QPushButton(QStringLiteral("Modify"), this);
    modify->setObjectName(QStringLiteral("Command1"));
    modify->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(modify);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_text1);
    layout->addWidget(m_label2);
    layout->addWidget(m_text2);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());

    connect(modify, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(m_text1, &QLineEdit::returnPressed, this, &Form6::Command1_Click);
    connect(m_text2, &QLineEdit::returnPressed, this, &Form6::Command1_Click);
    Form_Load();
}

void Form6::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    m_id = m_ctx.selectedid;
    m_code = findFieldCode(m_ctx.editfield);
    // A game no longer there shows empty boxes; "Modify" then says what is wrong. A game
    // that could not be read is reported at once: its empty boxes must not be stored.
    QString error;
    const auto loaded = gamerecords::loadGame(m_ctx.db(), m_id, &error);
    const QVariantMap row = loaded.value_or(QVariantMap());
    m_unread = !loaded && error != gamerecords::recordGoneText();
    if (m_unread) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("The game could not be read: %1").arg(error),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
    }
    if (!m_code) {
        setWindowTitle(QStringLiteral("Modify"));
        return;
    }
    setWindowTitle(m_code->caption);
    m_label1->setText(m_code->label1);
    m_text1->setText(row.value(m_code->field1).toString());
    m_label2->setVisible(m_code->isPair());
    m_text2->setVisible(m_code->isPair());
    if (m_code->isPair()) {
        m_label2->setText(m_code->label2);
        m_text2->setText(row.value(m_code->field2).toString());
    }
}

void Form6::Command1_Click()
{
    if (!m_code) {
        close();
        return;
    }
    if (m_unread) {
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return;
    }
    QString error;
    if (!gamerecords::updateGame(m_ctx.db(), m_id, m_code->values(m_text1->text(), m_text2->text()),
                                 &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("The change was not saved: %1").arg(error),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    close();
}

void Form6::Command2_Click()
{
    close();
}
