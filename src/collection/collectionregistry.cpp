#include "collectionregistry.h"

#include "appcontext.h"
#include "missingfileswindow.h"
#include "relinkwindow.h"
#include "scanwindow.h"
#include "windowregistry.h"

void registerCollectionWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::FolderScan, [&ctx] { return new ScanWindow(ctx); });
    ctx.windows.addFactory(WindowKey::Relink, [&ctx] { return new RelinkWindow(ctx); });
    ctx.windows.addFactory(WindowKey::MissingFiles, [&ctx] { return new MissingFilesWindow(ctx); });
}
