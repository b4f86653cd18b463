#include "musicregistry.h"

#include "appcontext.h"
#include "freemusicplayer.h"
#include "gamemusicplayer.h"
#include "windowregistry.h"

void registerMusicWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::GameMusicPlayer, [&ctx] { return new GameMusicPlayer(ctx); });
    ctx.windows.addFactory(WindowKey::FreeMusicPlayer, [&ctx] { return new FreeMusicPlayer(ctx); });
}
