#include "amigaregistry.h"

#include "amigafreeplayer.h"
#include "amigaplayer.h"
#include "appcontext.h"

void registerAmigaWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Form9"), [&ctx] { return new Form9(ctx); });
    ctx.windows.addFactory(QStringLiteral("amiplayer"), [&ctx] { return new amiplayer(ctx); });
}
