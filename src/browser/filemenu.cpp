#include "filemenu.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "namedwidget.h"
#include "windowregistry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace browser
{

FileMenu::FileMenu(AppContext &ctx, QMainWindow *window)
    : QObject(window), m_ctx(ctx), m_window(window),
      m_menu(namedWidget<QMenu>(QStringLiteral("fileMenu"), tr("Fil&e"), window))
{
    QMenuBar *bar = window->menuBar();
    bar->insertMenu(bar->actions().value(0), m_menu);
    const auto item = [this](const char *name, const QString &text, auto slot) {
        QAction *action = m_menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    item("openCatalogueAction", tr("&Open Catalogue…"), &FileMenu::openCatalogue)
        ->setShortcut(QKeySequence::Open);
    item("newCatalogueAction", tr("&New Catalogue…"), &FileMenu::newCatalogue);
    m_menu->addSeparator();
    m_recentEnd = m_menu->addSeparator();
    item("quitAction", tr("&Quit"), &FileMenu::quit)->setShortcut(QKeySequence::Quit);
    showRecent();
}

void FileMenu::opened(const QString &path)
{
    m_recent.add(path);
    showRecent();
}

void FileMenu::showRecent()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    int n = 0;
    for (const QString &path : m_recent.paths()) {
        // The number is the mnemonic; a path's own "&" stays text.
        auto *action = new QAction(
            QStringLiteral("&%1 %2").arg(++n).arg(
                QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"))),
            m_menu);
        action->setObjectName(QStringLiteral("recentCatalogueAction%1").arg(n));
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT catalogueChosen(path); });
        m_menu->insertAction(m_recentEnd, action);
        m_recentActions << action;
    }
}

void FileMenu::openCatalogue()
{
    const QString path = m_ctx.dialogs.chooseCatalogueFile(
        tr("Open Catalogue"), m_ctx.paths.catalogueDir(), Dialogs::FileUse::Open);
    if (!path.isEmpty())
        Q_EMIT catalogueChosen(path);
}

void FileMenu::newCatalogue()
{
    QString path = m_ctx.dialogs.chooseCatalogueFile(
        tr("New Catalogue"), m_ctx.paths.catalogueDir(), Dialogs::FileUse::Create);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".mdb");
    if (const Outcome made = catalogue::createCatalogue(path); !made) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The catalogue could not be made: ") + made.error(),
                              Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    Q_EMIT catalogueChosen(path);
}

void FileMenu::quit()
{
    // Every other window may still refuse, as a running transfer does.
    if (m_ctx.windows.closeOthers(m_window))
        m_window->close();
}

} // namespace browser
