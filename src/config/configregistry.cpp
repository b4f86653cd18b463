#include "configregistry.h"

#include "appcontext.h"
#include "greetingswindow.h"
#include "optionswindow.h"
#include "systemconfigwindow.h"
#include "windowregistry.h"

void registerConfigWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::SystemConfig, [&ctx] { return new SystemConfigWindow(ctx); });
    ctx.windows.addFactory(WindowKey::ProgramOptions, [&ctx] { return new OptionsWindow(ctx); });
    ctx.windows.addFactory(WindowKey::Greetings, [&ctx] { return new GreetingsWindow(ctx); });
}
