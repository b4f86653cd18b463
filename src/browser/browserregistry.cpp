#include "browserregistry.h"

#include "aboutwindow.h"
#include "appcontext.h"
#include "mainwindow.h"
#include "windowregistry.h"

void registerBrowserWindows(AppContext &ctx)
{
    ctx.windows.addFactory(WindowKey::MainWindow, [&ctx] { return new MainWindow(ctx); });
    ctx.windows.addFactory(WindowKey::About, [&ctx] { return new AboutWindow(ctx); });
}
