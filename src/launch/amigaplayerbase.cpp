#include "amigaplayerbase.h"

#include "amigastart.h"
#include "amigatemplates.h"
#include "appcontext.h"
#include "browselists.h"
#include "database.h"
#include "dialogs.h"
#include "launcher.h"
#include "opentest.h"

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
    m_emulators = {};
    bool readable = checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    if (readable) {
        QString error;
        m_emulators = readAmigaEmulators(m_ctx.db(), &error);
        readable = error.isEmpty();
        if (!readable)
            reportReadFailure(m_ctx.dialogs, error);
    }
    // The WinUAE slot may hold FS-UAE or Amiberry: the option names what is configured.
    m_uaeOption->setText(programName(AmigaEmulator::WinUAE));
    m_fellowOption->setEnabled(!catalogue::isEmptyValue(m_emulators.fellow));
    m_uaeOption->setEnabled(!catalogue::isEmptyValue(m_emulators.uae));
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

QString AmigaPlayerBase::programName(AmigaEmulator emulator) const
{
    return amigaProgramName(amigaProgram(emulator, m_emulators.executable(emulator).toString()));
}

// Shows the emulator's templates from the first folder that holds any, and selects the
// first. When no folder holds a template: beeps, shows "Bad configuration for
// <emulator>" and leaves the list empty.
bool AmigaPlayerBase::showTemplates(AmigaEmulator emulator)
{
    const QVariant executable = m_emulators.executable(emulator);
    const AmigaProgram program = amigaProgram(emulator, executable.toString());
    const QString folder =
        catalogue::isEmptyValue(executable)
            ? QString()
            : findAmigaTemplateFolder(program, executable.toString(),
                                      defaultTemplatePlaces(m_ctx.paths.programDir));
    // setPath before setPattern: the list never shows another emulator's templates.
    if (!folder.isEmpty() && m_templateList->setPath(folder)) {
        m_templateList->setPattern(amigaTemplatePattern(amigaFormat(program)));
        if (m_templateList->count() > 0) {
            m_templateList->setListIndex(0);
            return true;
        }
    }
    m_templateList->clear();
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Bad configuration for %1").arg(amigaProgramName(program)),
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

bool AmigaPlayerBase::writeAndStart(AmigaEmulator emulator, const AmigaDrives &drives)
{
    AmigaStartRequest request;
    request.emulator = emulator;
    request.executable = m_emulators.executable(emulator).toString();
    request.templatePath = m_templateList->selectedFilePath();
    request.drives = drives;
    request.hideGui = emulator == AmigaEmulator::WinUAE ? !m_ctx.settings.uaeShowsGui
                                                        : !m_ctx.settings.fellowShowsGui;
    request.tempDir = m_ctx.paths.tempDir;
    const AmigaStartPlan plan = prepareAmigaStart(request);
    using Status = AmigaStartPlan::Status;
    // A missing program or disk is named; the other failures keep the fixed message.
    if (plan.status == Status::BadProgram || plan.status == Status::BadDisk) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(plan.error, Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    QString error = plan.error;
    const bool started = plan.ok() && m_ctx.launcher.start(plan.command, &error);
    if (!started)
        reportStartFailure(error);
    return started;
}

void AmigaPlayerBase::reportStartFailure(const QString &reason)
{
    // The fixed message cannot say why; the reason goes to the diagnostic output.
    qWarning("%s", qPrintable(reason));
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Select Emulator and Configuration"), Dialogs::Icon::Exclamation,
                          tr("Attention"));
}
