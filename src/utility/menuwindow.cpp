#include "menuwindow.h"

#include "appcontext.h"
#include "opentest.h"
#include "placement.h"

namespace merrow {

Form3::Form3(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Merrow"));
    resize(480, 320);
    apridatabase(m_ctx.dialogs, m_ctx.paths.catalogue);
    centraform(this);
}

} // namespace merrow
