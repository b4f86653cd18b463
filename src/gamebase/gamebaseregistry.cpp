#include "gamebaseregistry.h"

#include "appcontext.h"
#include "gamebasewindow.h"
#include "windowregistry.h"

void registerGameBaseWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::GameBaseImport, [&ctx] { return new GameBaseWindow(ctx); });
}
