#include "menuwindow.h"

#include "appcontext.h"
#include "logo.h"
#include "opentest.h"
#include "placement.h"
#include "windowregistry.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace merrow
{

MenuWindow::MenuWindow(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("menuWindow"));
    setWindowTitle(tr("Merrow"));
    buildMenu();
    buildNotices();
    resize(480, 340);
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    centreOnScreen(this);
}

void MenuWindow::buildMenu()
{
    m_importAction = menuBar()->addAction(tr("&Import Data"));
    m_importAction->setObjectName(QStringLiteral("importAction"));
    QAction *gameBase = menuBar()->addAction(tr("Import &GameBase…"));
    gameBase->setObjectName(QStringLiteral("importGameBaseAction"));
    connect(gameBase, &QAction::triggered, this,
            [this] { m_ctx.windows.show(WindowKey::GameBaseImport); });
    m_exportAction = menuBar()->addAction(tr("&Export Data"));
    m_exportAction->setObjectName(QStringLiteral("exportAction"));
    m_aboutAction = menuBar()->addAction(tr("&About"));
    m_aboutAction->setObjectName(QStringLiteral("aboutAction"));
    connect(m_importAction, &QAction::triggered, this, &MenuWindow::onImportTriggered);
    connect(m_exportAction, &QAction::triggered, this, &MenuWindow::onExportTriggered);
    connect(m_aboutAction, &QAction::triggered, this, &MenuWindow::onAboutTriggered);
}

QLabel *MenuWindow::addNotice(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, centralWidget());
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    centralWidget()->layout()->addWidget(label);
    return label;
}

void MenuWindow::buildNotices()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    setCentralWidget(central);
    m_logoLabel = addNotice(QStringLiteral("logoLabel"), {});
    m_logoLabel->setPixmap(logoPixmap(96));
    m_titleLabel = addNotice(QStringLiteral("titleLabel"), tr("Database Utility Program"));
    QFont big = m_titleLabel->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_titleLabel->setFont(big);
    m_versionLabel =
        addNotice(QStringLiteral("versionLabel"), tr("Version ") + QStringLiteral(VANTREL_VERSION));
    m_noticeLabel = addNotice(QStringLiteral("noticeLabel"),
                              tr("Export your own games for others, import the games others "
                                 "sent you. Export compacts and backs up the catalogue."));
    m_noticeLabel->setWordWrap(true);
    m_loadingLabel = addNotice(QStringLiteral("loadingLabel"), tr("Loading Database from Floppy"));
    layout->addStretch();
}

void MenuWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The notice stands until the window first comes to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_loadingLabel->hide();
}

void MenuWindow::onImportTriggered()
{
    m_ctx.windows.open(FolderChooserRequest{FolderPurpose::Import});
}

void MenuWindow::onExportTriggered()
{
    m_ctx.windows.open(FolderChooserRequest{FolderPurpose::Export});
}

void MenuWindow::onAboutTriggered()
{
    m_ctx.windows.show(WindowKey::UtilityAbout);
}

} // namespace merrow
