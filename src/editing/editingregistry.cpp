#include "editingregistry.h"

#include "appcontext.h"
#include "associationeditor.h"
#include "fieldeditor.h"
#include "filechooser.h"
#include "gameinfowindow.h"
#include "recordeditor.h"
#include "windowregistry.h"

void registerEditingWindows(AppContext &ctx)
{
    WindowRegistry &windows = ctx.windows;
    windows.addFactory(WindowKey::RecordEditor, [&ctx] { return new RecordEditor(ctx); });
    windows.addFactory(WindowKey::FieldEditor, [&ctx] { return new FieldEditor(ctx); });
    windows.addFactory(WindowKey::GameInfo, [&ctx] { return new GameInfoWindow(ctx); });
    windows.addFactory(WindowKey::FileChooser, [&ctx] { return new FileChooser(ctx); });
    windows.addFactory(WindowKey::AssociationEditor, [&ctx] { return new AssociationEditor(ctx); });
}
