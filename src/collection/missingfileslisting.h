#pragma once

#include "backgroundjob.h"
#include "missingfiles.h"

#include <QObject>

// Lists the catalogue's missing files on a worker: every stored path is looked for on disk,
// which takes a while on a slow or lost mount. A load asked for while one runs is done
// again once it ends, so the list shown is never older than the last request.
class MissingFilesListing : public QObject
{
    Q_OBJECT
public:
    explicit MissingFilesListing(QString catalogue, QObject *parent = nullptr);

    void load();
    const Result<QList<MissingFile>> &result() const { return m_job.result(); }

Q_SIGNALS:
    void listed();

private:
    void jobFinished();

    QString m_catalogue;
    BackgroundJob<Result<QList<MissingFile>>> m_job;
    bool m_loadAgain = false;
};
