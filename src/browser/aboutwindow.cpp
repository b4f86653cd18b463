#include "aboutwindow.h"

#include "appcontext.h"
#include "database.h"
#include "opentest.h"
#include "placement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

About::About(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Dialog), m_ctx(ctx)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Vantrel"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);

    auto *title = new QLabel(QStringLiteral("Vantrel"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto *subtitle =
        new QLabel(QStringLiteral("Commodore 64 and Amiga games catalogue and launcher"), this);
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(subtitle);

    auto *version = new QLabel(QStringLiteral("Version " VANTREL_VERSION), this);
    version->setObjectName(QStringLiteral("lblProgramVersion"));
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    auto *build =
        new QLabel(QStringLiteral("Build " VANTREL_VERSION " (Qt " QT_VERSION_STR ")"), this);
    build->setAlignment(Qt::AlignCenter);
    layout->addWidget(build);
    auto *released = new QLabel(QStringLiteral("Released December 2026"), this);
    released->setAlignment(Qt::AlignCenter);
    layout->addWidget(released);

    auto *emulators = new QGroupBox(QStringLiteral("Supported Emulators"), this);
    auto *emulatorLines = new QVBoxLayout(emulators);
    emulatorLines->addWidget(new QLabel(QStringLiteral("CCS64, VICE, PC64, C64S"), emulators));
    emulatorLines->addWidget(new QLabel(QStringLiteral("WinFellow, WinUAE"), emulators));
    layout->addWidget(emulators);

    auto *roles = new QLabel(QStringLiteral("Program design and code: the Vantrel developers\n"
                                            "Catalogue data: the Vantrel contributors"),
                             this);
    roles->setAlignment(Qt::AlignCenter);
    layout->addWidget(roles);

    auto *versionRow = new QHBoxLayout;
    versionRow->addStretch(1);
    versionRow->addWidget(new QLabel(QStringLiteral("Database Version:"), this));
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    QFont bold = lblVersion->font();
    bold.setBold(true);
    lblVersion->setFont(bold);
    versionRow->addWidget(lblVersion);
    versionRow->addStretch(1);
    layout->addLayout(versionRow);

    auto *exit = new QPushButton(QStringLiteral("EXIT"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    exit->setDefault(true);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(exit);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);
    connect(exit, &QPushButton::clicked, this, &About::Command1_Click);

    adjustSize();
    m_ctx.currentform = this;
    centreOnScreen(this);
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    const auto config = catalogue::fetchOne(
        m_ctx.db(), QStringLiteral("select dbver from tabella2 order by id limit 1"));
    lblVersion->setText(config ? config->value(0).toString() : QString());
}

void About::Command1_Click()
{
    close();
}
