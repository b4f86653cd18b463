#pragma once

#include "c64imagefixtures.h"
#include "testcatalogue.h"

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

// A test context with a few images on disk and helpers shared by the player tests.
class C64PlayerTest : public testing::Test
{
protected:
    C64PlayerTest();

    // Writes the four emulator paths (empty text means "not configured": Null stays Null).
    void configure(const QVariant &ccs64, const QVariant &vice, const QVariant &c64s,
                   const QVariant &pc64);
    QString image(const QString &name, const QByteArray &bytes);

    // Names of the emulator buttons that are not hidden, in layout order.
    static QStringList shownButtons(QWidget *window);
    static QPushButton *button(QWidget *window, int n);
    static QListWidget *list(QWidget *window);
    static QString text(QWidget *window, const char *name);
    static bool enabled(QWidget *window, const char *name);

    TestContext tc;
    AppContext &ctx;
    QString d64;    // three programs
    QString t64;    // two programs
    QString broken; // an 18th directory sector that links on
};
