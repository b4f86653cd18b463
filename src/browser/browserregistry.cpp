#include "browserregistry.h"

#include "aboutwindow.h"
#include "appcontext.h"
#include "mainwindow.h"

void registerBrowserWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Form1"), [&ctx] { return new Form1(ctx); });
    ctx.windows.addFactory(QStringLiteral("About"), [&ctx] { return new About(ctx); });
}
