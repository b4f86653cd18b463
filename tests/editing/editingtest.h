#pragma once

#include "appcontext.h"
#include "editingregistry.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

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
