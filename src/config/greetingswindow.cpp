#include "greetingswindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "placement.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

Form10::Form10(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Vantrel Team's GREETINGS"));

    auto *layout = new QVBoxLayout(this);
    auto *contributors = new QLabel(QStringLiteral("CONTRIBUTORS"), this);
    contributors->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(contributors);
    auto *list1 = new QListWidget(this);
    list1->setObjectName(QStringLiteral("List1"));
    layout->addWidget(list1);
    auto *supporters = new QLabel(QStringLiteral("SUPPORTERS"), this);
    supporters->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(supporters);
    auto *list2 = new QListWidget(this);
    list2->setObjectName(QStringLiteral("List2"));
    layout->addWidget(list2);
    resize(360, 300);

    Form_Load();
}

void Form10::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    auto *list1 = findChild<QListWidget *>(QStringLiteral("List1"));
    auto *list2 = findChild<QListWidget *>(QStringLiteral("List2"));
    list1->clear();
    list1->addItems({QStringLiteral("Orla Fenwick - game records and credits"),
                     QStringLiteral("Tibor Kasselmann - screenshots"),
                     QStringLiteral("Marisol Quenby - testing on real machines")});
    list2->clear();
    list2->addItems({QStringLiteral("The Brackwater Computer Club"),
                     QStringLiteral("Everyone who sent in a game record")});
    m_ctx.dialogs.beep();
}
