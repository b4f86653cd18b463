#include "optionswindow.h"

#include "appcontext.h"
#include "mainpanel.h"
#include "placement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QCheckBox *addCheck(QWidget *parent, QVBoxLayout *layout, const char *name, const char *caption)
{
    auto *box = new QCheckBox(QLatin1String(caption), parent);
    box->setObjectName(QLatin1String(name));
    layout->addWidget(box);
    return box;
}

} // namespace

Form4::Form4(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Vantrel Configuration"));

    auto *outer = new QVBoxLayout(this);
    m_check1 = addCheck(this, outer, "Check1", "Show Game Credits");
    m_check2 = addCheck(this, outer, "Check2", "Show Screenshots");
    m_check3 = addCheck(this, outer, "Check3", "Show WinFellow GUI");
    m_check4 = addCheck(this, outer, "Check4", "Show WinUAE GUI");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &Form4::OK_Click);
    buttons->addWidget(ok);
    auto *exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QPushButton::clicked, this, &Form4::Exit_Click);
    buttons->addWidget(exit);
    outer->addLayout(buttons);

    Form_Load();
}

void Form4::Form_Load()
{
    adjustSize();
    m_ctx.currentform = this;
    centreOnScreen(this);
    // Without a main window its layout cannot be read or changed.
    const MainPanel *main = m_ctx.mainwindow;
    m_check1->setEnabled(main);
    m_check2->setEnabled(main);
    m_check1->setChecked(main && main->showGameCredits());
    m_check2->setChecked(main && main->showScreenshots());
    m_check3->setChecked(m_ctx.fellowgui == 1);
    m_check4->setChecked(m_ctx.uaegui == 1);
}

void Form4::OK_Click()
{
    if (MainPanel *main = m_ctx.mainwindow) {
        main->setShowGameCredits(m_check1->checkState() == Qt::Checked);
        main->setShowScreenshots(m_check2->checkState() == Qt::Checked);
    }
    m_ctx.fellowgui = m_check3->checkState() == Qt::Checked ? 1 : 0;
    m_ctx.uaegui = m_check4->checkState() == Qt::Checked ? 1 : 0;
    close();
}

void Form4::Exit_Click()
{
    close();
}
