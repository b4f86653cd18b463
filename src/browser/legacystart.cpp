#include "legacystart.h"

#include "database.h"
#include "paths.h"

#include <QDir>
#include <QFileInfo>

namespace browser
{

LegacyFacts legacyFacts(const QString &jetFile, const QString &dataDir)
{
    const QFileInfo jet(jetFile);
    LegacyFacts f;
    f.converted =
        jet.dir().absoluteFilePath(jet.completeBaseName() + QStringLiteral("-converted.mdb"));
    f.convertedExists = QFileInfo::exists(f.converted);
    f.convertedIsCatalogue = f.convertedExists && catalogue::checkCatalogue(f.converted).ok();
    f.folderWritable = QFileInfo(jet.absolutePath()).isWritable();
    f.userCatalogue = QDir(dataDir).absoluteFilePath(QLatin1String(kCatalogueName));
    f.userCatalogueExists = QFileInfo::exists(f.userCatalogue);
    f.userCatalogueIsCatalogue =
        f.userCatalogueExists && catalogue::checkCatalogue(f.userCatalogue).ok();
    return f;
}

LegacyPlan planLegacyStart(const LegacyFacts &f)
{
    using Action = LegacyPlan::Action;
    if (f.convertedIsCatalogue)
        return {Action::Open, f.converted};
    if (!f.convertedExists && f.folderWritable)
        return {Action::Convert, f.converted};
    if (!f.userCatalogueExists)
        return {Action::Convert, f.userCatalogue};
    if (f.userCatalogueIsCatalogue)
        return {Action::Open, f.userCatalogue};
    return {};
}

} // namespace browser
