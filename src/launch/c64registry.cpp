#include "c64registry.h"

#include "appcontext.h"
#include "c64freeplayer.h"
#include "c64player.h"

void registerC64Windows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Form5"), [&ctx] { return new Form5(ctx); });
    ctx.windows.addFactory(QStringLiteral("emu64"), [&ctx] { return new emu64(ctx); });
}
