#include "merrowregistry.h"

#include "aboutwindow.h"
#include "appcontext.h"
#include "exportwindow.h"
#include "importwindow.h"
#include "menuwindow.h"
#include "pathchooser.h"

void registerMerrowWindows(AppContext &ctx)
{
    ctx.windows.addFactory(QStringLiteral("Form3"), [&ctx] { return new merrow::Form3(ctx); });
    ctx.windows.addFactory(QStringLiteral("sfoglia"), [&ctx] { return new merrow::sfoglia(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form1"), [&ctx] { return new merrow::Form1(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form2"), [&ctx] { return new merrow::Form2(ctx); });
    ctx.windows.addFactory(QStringLiteral("Form4"), [&ctx] { return new merrow::Form4(ctx); });
}
