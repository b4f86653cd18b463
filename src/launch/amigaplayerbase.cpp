#include "amigaplayerbase.h"

#include "amigarecords.h"
#include "amigastart.h"
#include "amigatemplates.h"
#include "appcontext.h"
#include "browselists.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "launcher.h"
#include "logging.h"
#include "opentest.h"
#include "playcountinglauncher.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

AmigaPlayerBase::AmigaPlayerBase(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_uaeOption(new QRadioButton(QStringLiteral("WinUAE"), this)),
      m_fellowOption(new QRadioButton(QStringLiteral("WinFellow"), this)),
      m_templateList(new FileListBox(this)), m_playButton(new QPushButton(tr("PLAY"), this))
{
    m_uaeOption->setObjectName(QStringLiteral("uaeOption"));
    m_fellowOption->setObjectName(QStringLiteral("fellowOption"));
    m_templateList->setObjectName(QStringLiteral("templateList"));
    m_templateList->hide();
    m_playButton->setObjectName(QStringLiteral("playButton"));
    connect(m_uaeOption, &QRadioButton::clicked, this,
            [this] { chooseEmulator(AmigaEmulator::WinUAE); });
    connect(m_fellowOption, &QRadioButton::clicked, this,
            [this] { chooseEmulator(AmigaEmulator::WinFellow); });
    connect(m_playButton, &QPushButton::clicked, this, &AmigaPlayerBase::playChosenEmulator);
}

QHBoxLayout *AmigaPlayerBase::emulatorOptionsLayout()
{
    auto *options = new QHBoxLayout;
    options->addWidget(m_uaeOption);
    options->addWidget(m_fellowOption);
    options->addStretch();
    return options;
}

bool AmigaPlayerBase::loadEmulators()
{
    m_config = {};
    bool readable = checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    if (readable) {
        const Result<Configuration> read = CatalogueStore(m_ctx.db()).configuration();
        readable = read.ok();
        if (readable)
            m_config = *read;
        else
            reportReadFailure(m_ctx.dialogs, read.error());
    }
    // The WinUAE slot may hold FS-UAE or Amiberry: the option names what is configured.
    m_uaeOption->setText(programName(AmigaEmulator::WinUAE));
    m_fellowOption->setEnabled(!executable(AmigaEmulator::WinFellow).isEmpty());
    m_uaeOption->setEnabled(!executable(AmigaEmulator::WinUAE).isEmpty());
    // An emulator chosen before the configuration lost it is no choice any more.
    for (QRadioButton *option : {m_uaeOption, m_fellowOption})
        if (option->isChecked() && !option->isEnabled()) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
            m_templateList->clear();
            m_templateList->hide();
        }
    return readable;
}

bool AmigaPlayerBase::hasEmulator() const
{
    return m_uaeOption->isEnabled() || m_fellowOption->isEnabled();
}

void AmigaPlayerBase::chooseEmulator(AmigaEmulator emulator)
{
    QRadioButton *option = emulator == AmigaEmulator::WinUAE ? m_uaeOption : m_fellowOption;
    if (!option->isEnabled())
        return;
    {
        const QSignalBlocker blocker(option);
        option->setChecked(true);
    }
    m_templateList->setVisible(showTemplates(emulator));
}

QString AmigaPlayerBase::executable(AmigaEmulator emulator) const
{
    return amigaExecutable(m_config, emulator);
}

QString AmigaPlayerBase::programName(AmigaEmulator emulator) const
{
    return amigaProgramName(amigaProgram(emulator, executable(emulator)));
}

// Shows the emulator's templates from the first folder that holds any, and selects the
// first. When no folder holds a template: beeps, shows "Bad configuration for
// <emulator>" and leaves the list empty.
bool AmigaPlayerBase::showTemplates(AmigaEmulator emulator)
{
    const QString program = executable(emulator);
    const AmigaProgram kind = amigaProgram(emulator, program);
    const QString folder =
        program.isEmpty()
            ? QString()
            : findAmigaTemplateFolder(kind, program, defaultTemplatePlaces(m_ctx.paths.programDir));
    // setPath before setPattern: the list never shows another emulator's templates.
    if (!folder.isEmpty() && m_templateList->setPath(folder)) {
        m_templateList->setPattern(amigaTemplatePattern(amigaFormat(kind)));
        if (m_templateList->count() > 0) {
            m_templateList->setListIndex(0);
            return true;
        }
    }
    m_templateList->clear();
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Bad configuration for %1").arg(amigaProgramName(kind)),
                          Dialogs::Icon::Critical, tr("Error"));
    return false;
}

void AmigaPlayerBase::playChosenEmulator()
{
    if (m_uaeOption->isChecked())
        play(AmigaEmulator::WinUAE);
    else if (m_fellowOption->isChecked())
        play(AmigaEmulator::WinFellow);
}

bool AmigaPlayerBase::writeAndStart(AmigaEmulator emulator, const AmigaDrives &drives, GameId game,
                                    const QStringList &moreDisks)
{
    AmigaStartRequest request;
    request.emulator = emulator;
    request.executable = executable(emulator);
    request.templatePath = m_templateList->selectedFilePath();
    request.drives = drives;
    request.moreDisks = moreDisks;
    request.hideGui = emulator == AmigaEmulator::WinUAE ? !m_ctx.settings.uaeShowsGui
                                                        : !m_ctx.settings.fellowShowsGui;
    request.tempDir = m_ctx.paths.tempDir;
    // A missing program or disk is named; the other failures keep the fixed message.
    if (const Outcome checked = checkAmigaStart(request); !checked) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(checked.error(), Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    const Result<Command> command = writeAmigaStart(request);
    const Outcome started =
        command ? PlayCountingLauncher(m_ctx.launcher, m_ctx.db(), game).start(*command)
                : Outcome(command.failure());
    if (!started)
        reportStartFailure(started.error());
    return started.ok();
}

void AmigaPlayerBase::reportStartFailure(const QString &reason)
{
    // The fixed message cannot say why; the reason goes to the log.
    qCWarning(lcLaunch) << "cannot start the Amiga emulator:" << reason;
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Select Emulator and Configuration"), Dialogs::Icon::Exclamation,
                          tr("Attention"));
}
