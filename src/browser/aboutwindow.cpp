#include "aboutwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "opentest.h"
#include "placement.h"
#include "startableprograms.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QLabel *centred(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutWindow::AboutWindow(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Dialog), m_ctx(ctx)
{
    setObjectName(QStringLiteral("aboutWindow"));
    closeOnEscape(this);
    setWindowTitle(tr("About Vantrel"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    addTitle(layout);

    // What this system can start, as configured: the emulators of another system that the
    // configuration window offers may be of no use here.
    auto *emulators = new QGroupBox(tr("Emulators and Players"), this);
    auto *emulatorLines = new QVBoxLayout(emulators);
    m_programsLabel = new QLabel(emulators);
    m_programsLabel->setObjectName(QStringLiteral("programsLabel"));
    emulatorLines->addWidget(m_programsLabel);
    layout->addWidget(emulators);
    layout->addWidget(centred(tr("Program design and code: the Vantrel developers\n"
                                 "Catalogue data: the Vantrel contributors"),
                              this));
    addCatalogueVersion(layout);
    addExitButton(layout);

    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    const Configuration configuration =
        CatalogueStore(m_ctx.db()).configuration().valueOr(Configuration());
    m_catalogueVersionLabel->setText(configuration.version);
    const QStringList programs = browser::startablePrograms(configuration);
    m_programsLabel->setText(programs.isEmpty() ? tr("None that can start here yet: see "
                                                     "Configuration, System.")
                                                : programs.join(QLatin1Char('\n')));
    adjustSize();
    centreOnScreen(this);
}

void AboutWindow::addTitle(QVBoxLayout *layout)
{
    auto *title = centred(QStringLiteral("Vantrel"), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);
    layout->addWidget(centred(tr("Commodore 64 and Amiga games catalogue and launcher"), this));
    auto *version = centred(tr("Version %1").arg(QStringLiteral(VANTREL_VERSION)), this);
    version->setObjectName(QStringLiteral("programVersionLabel"));
    layout->addWidget(version);
    layout->addWidget(centred(
        tr("Build %1 (Qt %2)").arg(QStringLiteral(VANTREL_VERSION), QStringLiteral(QT_VERSION_STR)),
        this));
    layout->addWidget(centred(tr("Released December 2026"), this));
}

void AboutWindow::addCatalogueVersion(QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(new QLabel(tr("Database Version:"), this));
    m_catalogueVersionLabel = new QLabel(this);
    m_catalogueVersionLabel->setObjectName(QStringLiteral("catalogueVersionLabel"));
    QFont bold = m_catalogueVersionLabel->font();
    bold.setBold(true);
    m_catalogueVersionLabel->setFont(bold);
    row->addWidget(m_catalogueVersionLabel);
    row->addStretch(1);
    layout->addLayout(row);
}

void AboutWindow::addExitButton(QVBoxLayout *layout)
{
    auto *exit = new QPushButton(tr("EXIT"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    exit->setDefault(true);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(exit);
    row->addStretch(1);
    layout->addLayout(row);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}
