#include "merrowregistry.h"

#include "appcontext.h"
#include "exportwindow.h"
#include "folderchooser.h"
#include "importwindow.h"
#include "menuwindow.h"
#include "utilityaboutwindow.h"
#include "windowregistry.h"

void registerMerrowWindows(AppContext &ctx)
{
    WindowRegistry &windows = ctx.windows;
    windows.addFactory(WindowKey::UtilityMenu, [&ctx] { return new merrow::MenuWindow(ctx); });
    windows.addFactory(WindowKey::FolderChooser, [&ctx] { return new merrow::FolderChooser(ctx); });
    windows.addFactory(WindowKey::ImportWindow, [&ctx] { return new merrow::ImportWindow(ctx); });
    windows.addFactory(WindowKey::ExportWindow, [&ctx] { return new merrow::ExportWindow(ctx); });
    windows.addFactory(WindowKey::UtilityAbout,
                       [&ctx] { return new merrow::UtilityAboutWindow(ctx); });
}
