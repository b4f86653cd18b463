#include "collectionregistry.h"

#include "appcontext.h"
#include "scanwindow.h"
#include "windowregistry.h"

void registerCollectionWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::FolderScan, [&ctx] { return new ScanWindow(ctx); });
}
