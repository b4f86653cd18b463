#pragma once

#include <QString>

namespace browser
{

// What the start-up does with a catalogue of the older Windows program (a legacy Jet file).
struct LegacyPlan {
    enum class Action { None, Convert, Open } action = Action::None;
    QString target; // the catalogue to write (Convert) or to open instead (Open)
};

// What the choice depends on, as found on disk by legacyFacts().
struct LegacyFacts {
    QString converted; // <folder>/<base>-converted.mdb beside the Jet file
    bool convertedExists = false;
    bool convertedIsCatalogue = false;
    bool folderWritable = false;
    QString userCatalogue; // commodore.mdb in the per-user data folder
    bool userCatalogueExists = false;
    bool userCatalogueIsCatalogue = false;
};

LegacyFacts legacyFacts(const QString &jetFile, const QString &dataDir);

// A converted catalogue beside the Jet file is opened; else one is written beside it when
// the folder takes it, else into the data folder when that has no catalogue yet. A data
// folder catalogue that is there (converted at an earlier start, when the Jet file's folder
// was read-only) is offered for opening.
LegacyPlan planLegacyStart(const LegacyFacts &facts);

} // namespace browser
