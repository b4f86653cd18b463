#include "screenshotregistry.h"

#include "appcontext.h"
#include "screenshotviewer.h"
#include "windowregistry.h"

void registerScreenshotViewer(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::ScreenshotViewer,
                           [&ctx] { return new ScreenshotViewer(ctx); });
}
