#pragma once

#include "cataloguestore.h"
#include "editingregistry.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>

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
    // Runs a statement as another program would, past the store.
    void elsewhere(const QString &sql, const QVariantList &params = {})
    {
        QSqlQuery q(catalogue.db());
        q.prepare(sql);
        for (const QVariant &p : params)
            q.addBindValue(p);
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
    // Hides or restores the game table, so that a read in between fails.
    void hideGames(bool hide)
    {
        elsewhere(hide ? "alter table tabella1 rename to hidden"
                       : "alter table hidden rename to tabella1");
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
