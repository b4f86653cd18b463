#include "musicregistry.h"

#include "appcontext.h"
#include "freemusicplayer.h"
#include "gamemusicplayer.h"
#include "musicservice.h"
#include "playerstart.h"
#include "windowregistry.h"

void registerMusicWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::GameMusicPlayer, [&ctx] { return new GameMusicPlayer(ctx); });
    ctx.windows.addFactory(WindowKey::FreeMusicPlayer, [&ctx] { return new FreeMusicPlayer(ctx); });
    // The window that started it may be gone by then: the program says why.
    if (ctx.music)
        QObject::connect(&ctx.music->external(), &ExternalPlayer::failed, ctx.music,
                         [&ctx](const QString &message) { reportPlayerFailure(ctx, message); });
}
