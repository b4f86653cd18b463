#include "menuwindow.h"

#include "appcontext.h"
#include "logo.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace merrow
{

Form3::Form3(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Merrow"));

    QAction *imp = menuBar()->addAction(QStringLiteral("Import Data"));
    imp->setObjectName(QStringLiteral("imp"));
    QAction *exp = menuBar()->addAction(QStringLiteral("Export Data"));
    exp->setObjectName(QStringLiteral("exp"));
    QAction *abo = menuBar()->addAction(QStringLiteral("About"));
    abo->setObjectName(QStringLiteral("abo"));
    connect(imp, &QAction::triggered, this, &Form3::Imp_Click);
    connect(exp, &QAction::triggered, this, &Form3::exp_Click);
    connect(abo, &QAction::triggered, this, &Form3::abo_Click);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto addLabel = [&](const char *name, const QString &text) {
        auto *label = new QLabel(text, central);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
        return label;
    };
    QLabel *image = addLabel("Image1", {});
    image->setPixmap(logoPixmap(96));
    QLabel *title = addLabel("Label3", QStringLiteral("Database Utility Program"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    addLabel("Label4", QStringLiteral("Version ") + QStringLiteral(VANTREL_VERSION));
    QLabel *notice = addLabel(
        "Label2", QStringLiteral("Export your own games for others, import the games others "
                                 "sent you. Export compacts and backs up the catalogue."));
    notice->setWordWrap(true);
    m_loading = addLabel("Label1", QStringLiteral("Loading Database from Floppy"));
    layout->addStretch();
    setCentralWidget(central);
    resize(480, 340);

    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    centreOnScreen(this);
}

void Form3::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form3::Form_Activate()
{
    m_loading->hide();
}

void Form3::Imp_Click()
{
    m_ctx.cosa = QStringLiteral("imp");
    m_ctx.windows.show(QStringLiteral("sfoglia"));
}

void Form3::exp_Click()
{
    m_ctx.cosa = QStringLiteral("exp");
    m_ctx.windows.show(QStringLiteral("sfoglia"));
}

void Form3::abo_Click()
{
    m_ctx.windows.show(QStringLiteral("Form4"));
}

} // namespace merrow
