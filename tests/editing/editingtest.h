#pragma once

#include "appcontext.h"
#include "database.h"
#include "editingregistry.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A test context with the editing windows registered, and short ways to read the catalogue.
struct EditingContext : TestContext {
    EditingContext() { registerEditingWindows(*ctx); }
    AppContext &app() { return *ctx; }
    QString text(int id, const char *column) { return catalogue.value(id, column).toString(); }
    bool null(int id, const char *column) { return catalogue.value(id, column).isNull(); }
    void remove(int id) { catalogue::run(catalogue.db(), "delete from tabella1 where id=?", {id}); }
    // Hides or restores the game table, so that a read in between fails.
    void hideGames(bool hide)
    {
        ASSERT_TRUE(catalogue::run(catalogue.db(), hide ? "alter table tabella1 rename to hidden"
                                                        : "alter table hidden rename to tabella1")
                        .isActive());
    }
};

// Runs pending deletions, so that a window closed by a handler is gone afterwards.
inline void flushDeletes()
{
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
inline QWidget *showWindow(AppContext &ctx, const QString &name)
{
    flushDeletes();
    return ctx.windows.show(name);
}
inline bool isOpen(AppContext &ctx, const QString &name)
{
    flushDeletes();
    return ctx.windows.find(name) != nullptr;
}

// A control of a window by its objectName; fails the test when it is missing.
template <class T> T *control(QWidget *window, const QString &name)
{
    T *w = window ? window->findChild<T *>(name) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}
inline QLineEdit *box(QWidget *w, const QString &name)
{
    return control<QLineEdit>(w, name);
}
inline void click(QWidget *w, const QString &name)
{
    control<QPushButton>(w, name)->click();
}
