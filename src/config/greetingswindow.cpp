#include "greetingswindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "placement.h"

#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

GreetingsWindow::GreetingsWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_contributorsLabel(new QLabel(tr("CONTRIBUTORS"), this)),
      m_contributorsList(new QListWidget(this)),
      m_supportersLabel(new QLabel(tr("SUPPORTERS"), this)), m_supportersList(new QListWidget(this))
{
    setObjectName(QStringLiteral("GreetingsWindow"));
    // Escape closes the window, as in every secondary window.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setWindowTitle(tr("Vantrel Team's GREETINGS"));
    m_contributorsLabel->setObjectName(QStringLiteral("contributorsLabel"));
    m_contributorsList->setObjectName(QStringLiteral("contributorsList"));
    m_supportersLabel->setObjectName(QStringLiteral("supportersLabel"));
    m_supportersList->setObjectName(QStringLiteral("supportersList"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_contributorsLabel);
    layout->addWidget(m_contributorsList);
    layout->addWidget(m_supportersLabel);
    layout->addWidget(m_supportersList);
    resize(360, 300);

    centreOnScreen(this);
    fillLists();
}

void GreetingsWindow::fillLists()
{
    m_contributorsList->addItems({tr("Orla Fenwick - game records and credits"),
                                  tr("Tibor Kasselmann - screenshots"),
                                  tr("Marisol Quenby - testing on real machines")});
    m_supportersList->addItems(
        {tr("The Brackwater Computer Club"), tr("Everyone who sent in a game record")});
    m_ctx.dialogs.beep();
}
