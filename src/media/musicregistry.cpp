#include "musicregistry.h"

#include "appcontext.h"
#include "musicbrowser.h"
#include "musicplayer.h"

void registerMusicWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Form7"), [&ctx] { return new Form7(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form8"), [&ctx] { return new Form8(ctx); });
}
