#include "screenshotregistry.h"

#include "appcontext.h"
#include "screenshotviewer.h"

void registerScreenshotViewer(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("scrshots"), [&ctx] { return new scrshots(ctx); });
}
