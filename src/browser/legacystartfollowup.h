#pragma once

#include "backgroundjob.h"
#include "missingfiles.h"

#include <QObject>
#include <QSqlDatabase>

#include <functional>

class AppContext;

// After the start has converted a catalogue of the older Windows program: its paths name
// the files where the Windows computer had them. Offers Relink Files for the lost files,
// then Detect for the emulators and players, which are Windows programs.
class LegacyStartFollowUp : public QObject
{
    Q_OBJECT
public:
    // Fills the empty program paths of the stored configuration with what it finds here.
    using Detector = std::function<Outcome(const QSqlDatabase &db)>;

    LegacyStartFollowUp(AppContext &ctx, Detector detect);

    // Lists the lost files on a worker, then asks.
    void start();

private:
    void offerRelink();
    void offerDetect();

    AppContext &m_ctx;
    Detector m_detect;
    BackgroundJob<Result<QList<MissingFile>>> m_job;
};
