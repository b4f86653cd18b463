#include "c64registry.h"

#include "appcontext.h"
#include "c64freeplayer.h"
#include "c64gameplayer.h"
#include "windowregistry.h"

void registerC64Windows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::C64FreePlayer, [&ctx] { return new C64FreePlayer(ctx); });
    ctx.windows.addFactory(WindowKey::C64GamePlayer, [&ctx] { return new C64GamePlayer(ctx); });
}
