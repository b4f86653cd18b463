#pragma once

#include "pathchange.h"
#include "progress.h"
#include "result.h"

#include <QList>

#include <functional>

#include "prefixmapping.h"

class CatalogueStore;

// Where lost files may be now: old beginnings with their new folders, tried in order, then a
// folder searched by name.
struct RelinkPlan {
    QList<PrefixMapping> mappings;
    QString searchFolder; // empty: no search
};

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

    // A path starting with a mapping's old beginning is looked for below its new folder;
    // one no mapping finds, by name anywhere below the search folder, where a name found
    // twice is ambiguous. A dry run only counts.
    Result<RelinkReport> relink(const RelinkPlan &plan, bool dryRun, Progress &progress);

    // The folders the missing paths share, most common first, for the user to map: for a
    // converted catalogue "C:\Giochi\" and the like.
    struct SharedPrefix {
        QString prefix;
        qint64 count = 0;
    };
    static QList<SharedPrefix> sharedPrefixes(const QStringList &missingPaths);

private:
    struct Found {
        QString path;
        bool ambiguous = false;
    };
    using Finder = std::function<Found(const QString &path, bool folder)>;

    Result<RelinkReport> run(const Finder &find, bool dryRun, Progress &progress);

    CatalogueStore &m_store;
};
