#include "optionswindow.h"

#include "appcontext.h"
#include "c64roms.h"
#include "cataloguestore.h"
#include "configfields.h"
#include "dialogs.h"
#include "musicsettings.h"
#include "musicsourcesbox.h"
#include "namedwidget.h"
#include "placement.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

OptionsWindow::OptionsWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_creditsCheck(
          namedWidget<QCheckBox>(QStringLiteral("creditsCheck"), tr("Show Game Credits"), this)),
      m_screenshotsCheck(
          namedWidget<QCheckBox>(QStringLiteral("screenshotsCheck"), tr("Show Screenshots"), this)),
      m_fellowGuiCheck(namedWidget<QCheckBox>(QStringLiteral("fellowGuiCheck"), this)),
      m_uaeGuiCheck(namedWidget<QCheckBox>(QStringLiteral("uaeGuiCheck"), this)),
      m_musicBox(new MusicSourcesBox(ctx.dialogs, this)),
      m_okButton(namedWidget<QPushButton>(QStringLiteral("okButton"), tr("OK"), this)),
      m_exitButton(namedWidget<QPushButton>(QStringLiteral("exitButton"), tr("Exit"), this))
{
    setObjectName(QStringLiteral("OptionsWindow"));
    closeOnEscape(this);
    setWindowTitle(tr("Vantrel Configuration"));
    auto *outer = new QVBoxLayout(this);
    for (QCheckBox *check : {m_creditsCheck, m_screenshotsCheck, m_fellowGuiCheck, m_uaeGuiCheck})
        outer->addWidget(check);
    outer->addWidget(m_musicBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_exitButton);
    outer->addLayout(buttons);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsWindow::onOkClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_ctx.windows.events(), &WindowEvents::configurationSaved, this,
            &OptionsWindow::nameEmulators);

    nameEmulators();
    adjustSize();
    centreOnScreen(this);
    showSettings();
}

// The options name the programs configured in the emulator slots.
void OptionsWindow::nameEmulators()
{
    // A configuration that cannot be read leaves the slots' own names.
    const Configuration paths = CatalogueStore(m_ctx.db()).configuration().valueOr({});
    const auto option = [this](const QString &path, const char *slot) {
        return tr("Show %1 GUI").arg(configfields::programName(path, QLatin1String(slot)));
    };
    m_uaeGuiCheck->setText(option(paths.uae, "WinUAE"));
    m_fellowGuiCheck->setText(option(paths.fellow, "WinFellow"));
}

void OptionsWindow::showSettings()
{
    const ProgramSettings &settings = m_ctx.settings;
    m_creditsCheck->setChecked(settings.showCredits);
    m_screenshotsCheck->setChecked(settings.showScreenshots);
    m_fellowGuiCheck->setChecked(settings.fellowShowsGui);
    m_uaeGuiCheck->setChecked(settings.uaeShowsGui);
    m_musicBox->showSources(music::savedSources());
}

void OptionsWindow::onOkClicked()
{
    // A ROM file that is no ROM is named now rather than when a tune needs it.
    const MusicSources sources = m_musicBox->sources();
    if (const auto roms = music::readC64Roms(sources); !roms) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(roms.error(), Dialogs::Icon::Exclamation, tr("Music"));
        return;
    }
    music::saveSources(sources);
    ProgramSettings &settings = m_ctx.settings;
    settings.showCredits = m_creditsCheck->isChecked();
    settings.showScreenshots = m_screenshotsCheck->isChecked();
    settings.fellowShowsGui = m_fellowGuiCheck->isChecked();
    settings.uaeShowsGui = m_uaeGuiCheck->isChecked();
    Q_EMIT m_ctx.windows.events().settingsChanged();
    close();
}
