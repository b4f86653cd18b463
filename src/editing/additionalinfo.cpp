#include "additionalinfo.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamerecords.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

Form2::Form2(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_others(new QPlainTextEdit(this)),
      m_note(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Additional Info"));
    m_others->setObjectName(QStringLiteral("Text1"));
    m_note->setObjectName(QStringLiteral("Text2"));
    m_others->setReadOnly(true);
    m_note->setReadOnly(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Other Credits"), this));
    layout->addWidget(m_others);
    layout->addWidget(new QLabel(QStringLiteral("Note"), this));
    layout->addWidget(m_note);
    resize(420, 320);
    Form_Load();
}

void Form2::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return;
    QString error;
    const auto row = gamerecords::loadGame(m_ctx.db(), m_ctx.selectedid, &error);
    if (!row) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(error, Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    m_others->setPlainText(row->value(QStringLiteral("others")).toString());
    m_note->setPlainText(row->value(QStringLiteral("note")).toString());
}

void Form2::Form_Deactivate()
{
    close();
}

void Form2::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive)
        Form_Deactivate();
}
