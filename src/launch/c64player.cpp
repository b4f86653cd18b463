#include "c64player.h"

#include "appcontext.h"
#include "placement.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

emu64::emu64(AppContext &ctx, QWidget *parent)
    : C64PlayerWindow(ctx, parent), Frame1(new QGroupBox(QStringLiteral("Emulators"), this))
{
    setObjectName(QStringLiteral("emu64"));
    setWindowTitle(QStringLiteral("Start C64 Game"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAcceptDrops(true);
    Frame1->installEventFilter(this);

    // Hidden buttons take no room: the configured ones close up from the top.
    auto *column = new QVBoxLayout(Frame1);
    for (QPushButton *b : m_emulatorButtons)
        column->addWidget(b);
    column->addStretch(1);

    QVBoxLayout *image = imageLayout();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(image, 1);
    resize(560, 360);

    Form_Load();
}

void emu64::Form_Load()
{
    centreOnScreen(this);
    m_ctx.c64window = this;
    loadConfiguration();
    caricaform64();
    m_gamefile = m_ctx.gamefile;
    showGameFile(m_gamefile);
}

void emu64::Frame1_DragDrop()
{
    m_ctx.windows.show(QStringLiteral("Config"));
}

QString emu64::buttonGameFile() const
{
    return m_gamefile;
}

bool emu64::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            static_cast<QDropEvent *>(event)->acceptProposedAction();
            return true;
        case QEvent::Drop:
            static_cast<QDropEvent *>(event)->acceptProposedAction();
            Frame1_DragDrop();
            return true;
        default:
            break;
        }
    }
    return C64PlayerWindow::eventFilter(watched, event);
}
