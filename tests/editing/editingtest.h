#pragma once

#include "cataloguestore.h"
#include "database.h"
#include "editingregistry.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

// A test context with the editing windows registered, and short ways to read the catalogue.
struct EditingContext : TestContext {
    EditingContext() { registerEditingWindows(*ctx); }
    template <class Window, class Request> Window *open(const Request &request)
    {
        flushDeletes();
        return qobject_cast<Window *>(windows.open(request));
    }
    bool isOpen(WindowKey key) { return ::isOpen(*ctx, key); }
    WindowEvents &events() { return windows.events(); }
    QString text(int id, const char *column) { return catalogue.value(id, column).toString(); }
    bool null(int id, const char *column) { return catalogue.value(id, column).isNull(); }
    void remove(int id) { ASSERT_TRUE(CatalogueStore(catalogue.db()).deleteGame(id).ok()); }
    // Hides or restores the game table, so that a read in between fails.
    void hideGames(bool hide)
    {
        const QString games = CatalogueStore::gameTable();
        const QString hidden = QStringLiteral("hidden");
        catalogue::run(catalogue.db(), QStringLiteral("alter table %1 rename to %2")
                                           .arg(hide ? games : hidden, hide ? hidden : games));
    }
    QString lastMessage() const { return dialogs.messages().value(dialogs.messages().size() - 1); }
};

inline QLineEdit *edit(QWidget *w, const QString &name)
{
    return control<QLineEdit>(w, name);
}

inline bool shown(QWidget *w, const char *name)
{
    return !control<QWidget>(w, name)->isHidden();
}
