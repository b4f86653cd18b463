#include "amigaplayer.h"

#include "amigaplaysteps.h"
#include "appcontext.h"
#include "browselists.h"
#include "database.h"
#include "opentest.h"
#include "placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Form9::Form9(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Start Amiga Game"));

    m_option1 = new QRadioButton(QStringLiteral("WinUAE"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("WinFellow"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_file1 = new FileListBox(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setMinimumSize(twipsToPixels(3600), twipsToPixels(1800));
    m_command1 = new QPushButton(QStringLiteral("PLAY"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    // Without any emulator both options are greyed out and nothing says why.
    m_noEmulator = new QLabel(QStringLiteral("No Amiga emulator is configured.\n"
                                             "Set WinUAE or WinFellow in Configuration > System."),
                              this);
    m_noEmulator->setObjectName(QStringLiteral("lblNoEmulator"));
    m_noEmulator->setWordWrap(true);

    auto *options = new QHBoxLayout;
    options->addWidget(m_option1);
    options->addWidget(m_option2);
    options->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(m_file1, 1);
    layout->addWidget(m_noEmulator);
    layout->addWidget(m_command1);

    connect(m_option1, &QRadioButton::clicked, this, &Form9::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &Form9::Option2_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form9::Command1_Click);

    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        QString error;
        m_disks = readAmigaDisks(m_ctx.db(), m_ctx.selectedid, &error);
        if (error.isEmpty())
            m_emulators = readAmigaEmulators(m_ctx.db(), &error);
        if (!error.isEmpty())
            reportReadFailure(m_ctx.dialogs, error);
    }
    m_file1->hide();
    caricaformami();
    // Sized without the template list, which grows the window once an emulator is chosen.
    adjustSize();
    centreOnScreen(this);
}

void Form9::caricaformami()
{
    m_option2->setEnabled(!catalogue::isEmptyValue(m_emulators.fellow));
    m_option1->setEnabled(!catalogue::isEmptyValue(m_emulators.uae));
    m_noEmulator->setVisible(!m_option1->isEnabled() && !m_option2->isEnabled());
}

void Form9::Option1_Click()
{
    chooseEmulator(AmigaEmulator::WinUAE);
}

void Form9::Option2_Click()
{
    chooseEmulator(AmigaEmulator::WinFellow);
}

void Form9::chooseEmulator(AmigaEmulator emulator)
{
    amigasteps::chooseEmulator(m_ctx, emulator,
                               emulator == AmigaEmulator::WinUAE ? m_option1 : m_option2,
                               m_emulators.executable(emulator), m_file1);
}

void Form9::Command1_Click()
{
    if (m_option1->isChecked())
        uaeconfig();
    else if (m_option2->isChecked())
        fellowconfig();
}

bool Form9::uaeconfig()
{
    return play(AmigaEmulator::WinUAE);
}

bool Form9::fellowconfig()
{
    return play(AmigaEmulator::WinFellow);
}

bool Form9::play(AmigaEmulator emulator)
{
    if (!m_disks) {
        amigasteps::reportStartFailure(
            m_ctx, QStringLiteral("game %1 is not in the catalogue").arg(m_ctx.selectedid));
        return false;
    }
    if (!amigasteps::writeAndStart(m_ctx, emulator, m_emulators.executable(emulator), m_file1,
                                   *m_disks))
        return false;
    close();
    return true;
}
