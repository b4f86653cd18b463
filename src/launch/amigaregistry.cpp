#include "amigaregistry.h"

#include "amigafreeplayer.h"
#include "amigagameplayer.h"
#include "appcontext.h"
#include "windowregistry.h"

void registerAmigaWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::AmigaGamePlayer, [&ctx] { return new AmigaGamePlayer(ctx); });
    ctx.windows.addFactory(WindowKey::AmigaFreePlayer, [&ctx] { return new AmigaFreePlayer(ctx); });
}
