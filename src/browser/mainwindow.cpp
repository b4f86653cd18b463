#include "mainwindow.h"

#include "appcontext.h"
#include "opentest.h"
#include "placement.h"

MainWindow::MainWindow(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Vantrel"));
    resize(800, 600);
    apridatabase(m_ctx.dialogs, m_ctx.paths.catalogue);
    m_ctx.windows.adopt(QStringLiteral("main"), this);
    m_ctx.currentform = this;
    centraform(this);
}
