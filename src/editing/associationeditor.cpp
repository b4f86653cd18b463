#include "associationeditor.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamerecords.h"
#include "mainpanel.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Form3::Form3(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Associate Game"));
    m_list->setObjectName(QStringLiteral("List1"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(360, 420);

    connect(ok, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &Form3::Command1_Click);
    Form_Load();
}

void Form3::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    m_kind = associationKind(m_ctx.assocmode);
    m_list->clear();
    QString error;
    const QList<gamerecords::GameEntry> games =
        gamerecords::gamesByFormatPrefix(m_ctx.db(), m_kind.prefix, &error);
    if (!error.isEmpty()) {
        reportReadFailure(m_ctx.dialogs, error);
        return;
    }
    for (const gamerecords::GameEntry &g : games) {
        auto *item = new QListWidgetItem(g.titolo, m_list);
        item->setData(Qt::UserRole, g.id);
    }
}

void Form3::Form_Activate()
{
    if (m_ctx.assocmode != m_kind.mode)
        Form_Load();
}

void Form3::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form3::refuse(const QString &why)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(why, Dialogs::Icon::Information, QStringLiteral("Attention"));
}

void Form3::Command1_Click()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        refuse(QStringLiteral("Select a game in the list first. Nothing was written."));
        return;
    }
    if (m_ctx.assocmode != m_kind.mode) {
        // Opened again by another player without having become active since: its games
        // and boxes are not the ones listed, so the choice is made again on a fresh list.
        Form_Load();
        refuse(QStringLiteral("Another player has opened this window; it now lists that "
                              "player's games. Select the game again. Nothing was written."));
        return;
    }
    if (!m_kind.known()) {
        refuse(QStringLiteral("This window was not opened from a player, so there is nothing "
                              "to associate. Nothing was written."));
        return;
    }
    QWidget *source = m_ctx.windows.find(m_kind.sourceWindow);
    QVariantMap values;
    for (int i = 0; source && i < m_kind.columns.size(); ++i) {
        const auto *box = source->findChild<QLineEdit *>(m_kind.sourceBoxes.at(i));
        if (!box) {
            source = nullptr;
            break;
        }
        // Written as the box stands: an empty box clears the field.
        values.insert(m_kind.columns.at(i), gamerecords::storedText(box->text()));
    }
    if (!source) {
        refuse(QStringLiteral("The player window that opened this one has been closed, so its "
                              "files are gone. Nothing was written."));
        return;
    }
    const int id = item->data(Qt::UserRole).toInt();
    QString error;
    if (!gamerecords::updateGame(m_ctx.db(), id, values, &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("The game was not changed: %1").arg(error),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    if (MainPanel *panel = m_ctx.mainwindow) {
        const QString lampColumn = m_kind.lamp == AssociationKind::Lamp::Music
                                       ? QStringLiteral("song")
                                       : QStringLiteral("emul1");
        // A cleared field does not light the lamp.
        if (!values.value(lampColumn).isNull()) {
            if (m_kind.lamp == AssociationKind::Lamp::Music)
                panel->setMusicLamp(true);
            else if (m_kind.lamp == AssociationKind::Lamp::Game)
                panel->setGameLamp(true);
        }
    }
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(QStringLiteral("Configuration UPDATED!"), Dialogs::Icon::Exclamation,
                          QStringLiteral("Configuration"));
    close();
}

void Form3::Command2_Click()
{
    close();
}
