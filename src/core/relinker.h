#pragma once

#include "pathchange.h"
#include "progress.h"
#include "result.h"

#include <QList>

#include <functional>

class CatalogueStore;
class PrefixMapping;

struct RelinkReport {
    QList<PathChange> changes;
    qint64 relinked = 0;
    qint64 missing = 0;     // still missing
    qint64 ambiguous = 0;   // several files could be the one
    bool cancelled = false; // then nothing was written
};

// Makes a moved collection whole: every stored path that names no existing file (a game's
// files and pictures, the configuration's folders; never the programs) is looked for in
// its new place, and what is found is written in one transaction, so a cancel or a
// failure changes nothing. A path that exists is never touched.
class Relinker
{
public:
    explicit Relinker(CatalogueStore &store);

    // Paths starting with the mapping's old beginning, found below its new folder.
    Result<RelinkReport> mapPrefix(const PrefixMapping &mapping, bool dryRun, Progress &progress);
    // Lost files found by name anywhere below folder; a name found twice is ambiguous.
    Result<RelinkReport> searchFolder(const QString &folder, bool dryRun, Progress &progress);

private:
    struct Found {
        QString path;
        bool ambiguous = false;
    };
    using Finder = std::function<Found(const QString &path, bool folder)>;

    Result<RelinkReport> run(const Finder &find, bool dryRun, Progress &progress);

    CatalogueStore &m_store;
};
