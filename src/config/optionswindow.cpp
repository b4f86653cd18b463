#include "optionswindow.h"

#include "appcontext.h"
#include "placement.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

OptionsWindow::OptionsWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_creditsCheck(addCheck(QStringLiteral("creditsCheck"), tr("Show Game Credits"))),
      m_screenshotsCheck(addCheck(QStringLiteral("screenshotsCheck"), tr("Show Screenshots"))),
      m_fellowGuiCheck(addCheck(QStringLiteral("fellowGuiCheck"), tr("Show WinFellow GUI"))),
      m_uaeGuiCheck(addCheck(QStringLiteral("uaeGuiCheck"), tr("Show WinUAE GUI"))),
      m_okButton(addButton(QStringLiteral("okButton"), tr("OK"))),
      m_exitButton(addButton(QStringLiteral("exitButton"), tr("Exit")))
{
    setObjectName(QStringLiteral("OptionsWindow"));
    // Escape closes the window, as in every secondary window.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setWindowTitle(tr("Vantrel Configuration"));
    auto *outer = new QVBoxLayout(this);
    for (QCheckBox *check : {m_creditsCheck, m_screenshotsCheck, m_fellowGuiCheck, m_uaeGuiCheck})
        outer->addWidget(check);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_exitButton);
    outer->addLayout(buttons);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsWindow::onOkClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    centreOnScreen(this);
    showSettings();
}

QCheckBox *OptionsWindow::addCheck(const QString &name, const QString &caption)
{
    auto *check = new QCheckBox(caption, this);
    check->setObjectName(name);
    return check;
}

QPushButton *OptionsWindow::addButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    return button;
}

void OptionsWindow::showSettings()
{
    const ProgramSettings &settings = m_ctx.settings;
    m_creditsCheck->setChecked(settings.showCredits);
    m_screenshotsCheck->setChecked(settings.showScreenshots);
    m_fellowGuiCheck->setChecked(settings.fellowShowsGui);
    m_uaeGuiCheck->setChecked(settings.uaeShowsGui);
}

void OptionsWindow::onOkClicked()
{
    ProgramSettings &settings = m_ctx.settings;
    settings.showCredits = m_creditsCheck->isChecked();
    settings.showScreenshots = m_screenshotsCheck->isChecked();
    settings.fellowShowsGui = m_fellowGuiCheck->isChecked();
    settings.uaeShowsGui = m_uaeGuiCheck->isChecked();
    Q_EMIT m_ctx.windows.events().settingsChanged();
    close();
}
