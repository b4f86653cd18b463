#include "utilityaboutwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "logo.h"
#include "placement.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace merrow
{

UtilityAboutWindow::UtilityAboutWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("utilityAboutWindow"));
    closeOnEscape(this);
    setWindowTitle(tr("About Merrow"));
    auto *layout = new QVBoxLayout(this);
    addLine(QStringLiteral("logoLabel"), {})->setPixmap(logoPixmap(80));
    QLabel *title = addLine(QStringLiteral("titleLabel"), tr("Merrow - Database Utility Program"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    title->setFont(big);
    addLine(QStringLiteral("versionLabel"), tr("Version ") + QStringLiteral(VANTREL_VERSION));
    addLine(QStringLiteral("buildLabel"), tr("Build ") + QStringLiteral(VANTREL_VERSION) +
                                              QStringLiteral(" (Qt ") + QLatin1String(qVersion()) +
                                              QLatin1Char(')'));
    addLine(QStringLiteral("dateLabel"), tr("Date ") + QLatin1String(__DATE__));
    addLine(QStringLiteral("authorsLabel"), tr("Written by the catalogue team, with thanks to "
                                               "every collector who sent in games."));
    addLine(QStringLiteral("siteLabel"), tr("Site: https://example.org/catalogue"));
    addLine(QStringLiteral("mailLabel"), tr("E-mail: ") + QLatin1String(kMaintainerAddress));
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
    // A plain window has no default button of its own: Enter presses OK.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        new QShortcut(QKeySequence(key), this, m_okButton, &QPushButton::click);
    ctx.dialogs.beep();
    centreOnScreen(this);
}

QLabel *UtilityAboutWindow::addLine(const QString &name, const QString &text)
{
    auto *line = new QLabel(text, this);
    line->setObjectName(name);
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    layout()->addWidget(line);
    return line;
}

} // namespace merrow
