#include "legacystartoffer.h"

#include "backgroundjob.h"
#include "database.h"
#include "dialogs.h"
#include "legacyconversion.h"
#include "legacystart.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>

using browser::LegacyPlan;

LegacyStartOffer::LegacyStartOffer(Dialogs &dialogs, QString dataDir)
    : m_dialogs(dialogs), m_dataDir(std::move(dataDir))
{
}

Paths LegacyStartOffer::run(const Paths &paths)
{
    if (!catalogue::isJetFile(paths.catalogue))
        return paths;
    const LegacyPlan plan =
        browser::planLegacyStart(browser::legacyFacts(paths.catalogue, m_dataDir));
    if (plan.action == LegacyPlan::Action::None)
        return paths;
    const QString target = QDir::toNativeSeparators(plan.target);
    const QString question =
        tr("%1 is a catalogue of the older Windows program, which this version cannot open as "
           "it is.")
            .arg(QDir::toNativeSeparators(paths.catalogue)) +
        QStringLiteral("\n\n") +
        (plan.action == LegacyPlan::Action::Open
             ? tr("A catalogue of this version is at %1. Open it instead?").arg(target)
             : tr("Convert it into a new catalogue at %1? The old file is left unchanged.")
                   .arg(target));
    if (!m_dialogs.ask(question, Dialogs::Icon::Question, tr("Older Catalogue")))
        return paths;
    if (plan.action == LegacyPlan::Action::Convert) {
        if (!convert(paths.catalogue, plan.target, paths.tempDir))
            return paths;
        m_converted = true;
        m_dialogs.message(tr("The converted catalogue is at %1.").arg(target),
                          Dialogs::Icon::Information, tr("Catalogue Converted"));
    }
    Paths converted = paths;
    converted.useCatalogue(plan.target);
    return converted;
}

// The conversion runs on the thread pool; the progress window follows it while a local
// event loop waits for its end.
QString LegacyStartOffer::runConversion(const QString &jetFile, const QString &target,
                                        const QString &tempDir)
{
    QProgressDialog progress(tr("Converting %1 ...").arg(QFileInfo(jetFile).fileName()),
                             tr("Cancel"), 0, 0);
    progress.setObjectName(QStringLiteral("conversionProgress"));
    progress.setWindowTitle(tr("Converting the Catalogue"));
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    // Room for the title.
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(QString(60, u'x')));
    progress.show();
    BackgroundJob<QString> job;
    QObject::connect(&job, &Job::progressed, &progress, [&progress](qint64 done, qint64 total) {
        progress.setMaximum(int(total));
        progress.setValue(int(done));
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &job, &Job::cancel);
    QEventLoop loop;
    QObject::connect(&job, &Job::finished, &loop, &QEventLoop::quit);
    job.start([jetFile, target, tempDir](Progress &work) {
        legacy::ReaderRun run;
        run.progress = [&work, known = qint64(-1)](qint64 done, qint64 total) mutable {
            if (total != known)
                work.setTotal(known = total);
            work.setDone(done);
        };
        run.cancelled = [&work] { return work.isCancelled(); };
        return legacy::convertCatalogue(jetFile, target, tempDir, run).error();
    });
    loop.exec();
    return job.result();
}

bool LegacyStartOffer::convert(const QString &jetFile, const QString &target,
                               const QString &tempDir)
{
    // The data folder may not be there yet.
    const QString folder = QFileInfo(target).absolutePath();
    const QString why = QDir().mkpath(folder)
                            ? runConversion(jetFile, target, tempDir)
                            : tr("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
    if (why.isEmpty())
        return true;
    if (why.endsWith(legacy::cancelledReason()))
        return false; // the user knows: the start goes on as if declined
    m_dialogs.beep();
    m_dialogs.message(
        tr("%1 could not be converted:\n%2").arg(QDir::toNativeSeparators(jetFile), why),
        Dialogs::Icon::Critical, tr("Database Open Error"));
    return false;
}
