#include "legacystartfollowup.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "windowregistry.h"

#include <QFileInfo>

#include <algorithm>

LegacyStartFollowUp::LegacyStartFollowUp(AppContext &ctx, Detector detect)
    : m_ctx(ctx), m_detect(std::move(detect))
{
    connect(&m_job, &Job::finished, this, &LegacyStartFollowUp::offerRelink);
}

void LegacyStartFollowUp::start()
{
    m_job.start(
        [catalogue = m_ctx.paths.catalogue](Progress &) { return MissingFiles::find(catalogue); });
}

void LegacyStartFollowUp::offerRelink()
{
    const qsizetype lost = m_job.result().valueOr({}).size();
    const QString question =
        lost == 1 ? tr("1 file of the converted catalogue is not found on this computer. "
                       "Relink it now?")
                  : tr("%1 files of the converted catalogue are not found on this computer. "
                       "Relink them now?")
                        .arg(lost);
    QWidget *relink =
        lost > 0 && m_ctx.dialogs.ask(question, Dialogs::Icon::Question, tr("Relink Files"))
            ? m_ctx.windows.show(WindowKey::Relink)
            : nullptr;
    if (!relink) {
        offerDetect();
        return;
    }
    // Detect comes once the relink is done with; queued, so that the window is gone by then.
    connect(relink, &QObject::destroyed, this, &LegacyStartFollowUp::offerDetect,
            Qt::QueuedConnection);
}

// Program paths that name nothing here are emptied, so that Detect, which fills empty
// paths only, puts this computer's programs in their place.
void LegacyStartFollowUp::offerDetect()
{
    CatalogueStore store(m_ctx.db());
    Configuration configuration = store.configuration().valueOr({});
    QList<Configuration::Path> lost;
    for (const Configuration::Path path : Configuration::paths())
        if (!Configuration::isFolder(path) && !configuration.value(path).isEmpty() &&
            !QFileInfo::exists(configuration.value(path)))
            lost << path;
    if (lost.isEmpty() ||
        !m_ctx.dialogs.ask(tr("The emulator and player paths of the converted catalogue point "
                              "at programs of the Windows computer. Detect the programs of "
                              "this computer instead?"),
                           Dialogs::Icon::Question, tr("Detect")))
        return;
    for (const Configuration::Path path : lost)
        configuration.value(path).clear();
    Outcome done = store.saveConfiguration(configuration, lost);
    if (done)
        done = m_detect(m_ctx.db());
    Q_EMIT m_ctx.windows.events().configurationSaved();
    if (!done) {
        m_ctx.dialogs.message(done.error(), Dialogs::Icon::Critical, tr("Detect"));
        return;
    }
    const Configuration now = store.configuration().valueOr({});
    const auto found = std::count_if(lost.begin(), lost.end(), [&now](Configuration::Path path) {
        return !now.value(path).isEmpty();
    });
    m_ctx.dialogs.message(found == lost.size()
                              ? tr("Detect found all %1 programs.").arg(found)
                              : tr("Detect found %1 of the %2 programs; set the others in "
                                   "Configuration > System.")
                                    .arg(found)
                                    .arg(lost.size()),
                          Dialogs::Icon::Information, tr("Detect"));
}
