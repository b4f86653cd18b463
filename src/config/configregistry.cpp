#include "configregistry.h"

#include "appcontext.h"
#include "configwindow.h"
#include "greetingswindow.h"
#include "optionswindow.h"

void registerConfigWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Config"), [&ctx] { return new Config(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form4"), [&ctx] { return new Form4(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form10"), [&ctx] { return new Form10(ctx); });
}
