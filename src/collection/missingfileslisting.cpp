#include "missingfileslisting.h"

#include <utility>

MissingFilesListing::MissingFilesListing(QString catalogue, QObject *parent)
    : QObject(parent), m_catalogue(std::move(catalogue))
{
    connect(&m_job, &Job::finished, this, &MissingFilesListing::jobFinished);
}

void MissingFilesListing::load()
{
    if (m_job.isRunning()) {
        m_loadAgain = true;
        return;
    }
    m_job.start([catalogue = m_catalogue](Progress &) { return MissingFiles::find(catalogue); });
}

void MissingFilesListing::jobFinished()
{
    if (std::exchange(m_loadAgain, false))
        load();
    else
        Q_EMIT listed();
}
