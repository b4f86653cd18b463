#include "editingregistry.h"

#include "additionalinfo.h"
#include "appcontext.h"
#include "associationeditor.h"
#include "fieldeditor.h"
#include "filechooser.h"
#include "recordeditor.h"

void registerEditingWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Credits"), [&ctx] { return new Credits(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form6"), [&ctx] { return new Form6(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form2"), [&ctx] { return new Form2(ctx); });
    ctx.windows.addFactory(QStringLiteral("sfoglia"), [&ctx] { return new sfoglia(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form3"), [&ctx] { return new Form3(ctx); });
}
