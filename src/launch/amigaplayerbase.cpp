#include "amigaplayerbase.h"

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

// Shows the emulator's templates and selects the first. A folder that is missing,
// unreadable or holds no template beeps, shows "Bad configuration for <emulator>" and
// leaves the list empty.
bool AmigaPlayerBase::showTemplates(AmigaEmulator emulator)
{
    const QVariant executable = m_emulators.executable(emulator);
    const QString folder = catalogue::isEmptyValue(executable)
                               ? QString()
                               : amigaTemplateFolder(emulator, executable.toString());
    // setPath before setPattern: the list never shows another emulator's templates.
    if (!folder.isEmpty() && m_templateList->setPath(folder)) {
        m_templateList->setPattern(amigaTemplatePattern(emulator));
        if (m_templateList->count() > 0) {
            m_templateList->setListIndex(0);
            return true;
        }
    }
    m_templateList->clear();
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("Bad configuration for %1").arg(amigaEmulatorName(emulator)),
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
    const QVariant executable = m_emulators.executable(emulator);
    AmigaConfigRequest request;
    request.emulator = emulator;
    request.templatePath = m_templateList->selectedFilePath();
    request.drives = drives;
    request.hideGui = emulator == AmigaEmulator::WinUAE ? !m_ctx.settings.uaeShowsGui
                                                        : !m_ctx.settings.fellowShowsGui;
    request.outputPath = m_ctx.paths.temp(amigaOutputName(emulator));

    bool started = false;
    QString error =
        QStringLiteral("no %1 executable is configured").arg(amigaEmulatorName(emulator));
    if (!catalogue::isEmptyValue(executable)) {
        const AmigaConfigResult written = writeAmigaConfig(request);
        error = written.error;
        if (written.ok())
            started = m_ctx.launcher.start(amigaCommand(executable.toString(), request.outputPath),
                                           &error);
    }
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
