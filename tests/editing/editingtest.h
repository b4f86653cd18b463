#pragma once

#include "appcontext.h"
#include "editingregistry.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A test context with the editing windows registered.
struct EditingContext : TestContext {
    EditingContext() { registerEditingWindows(*ctx); }
    AppContext &app() { return *ctx; }
};

// Runs pending deletions, so that a window closed by a handler is gone afterwards.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens a window by name as its callers do, after a window closed before is gone.
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
template <class T> T *control(QWidget *window, const char *name)
{
    T *w = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}
