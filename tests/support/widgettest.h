#pragma once

#include "appcontext.h"
#include "windowregistry.h"

#include <QByteArray>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Runs pending deletions, so that a window closed by a handler is gone afterwards.
void flushDeletes();

// Whether the registry has the window open (after pending deletions).
bool isOpen(AppContext &ctx, WindowKey key);

// A control of a window by its objectName; fails the test when it is missing.
template <class T> T *control(QWidget *window, const QString &name)
{
    T *w = window ? window->findChild<T *>(name) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}

// Clicks the named push button.
void click(QWidget *window, const QString &name);

// Writes a file (creating its folder); executable adds the owner's execute bit. Returns
// its native path.
QString writeFile(const QString &path, const QByteArray &bytes = "data", bool executable = false);
// The bytes of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);
// The rows of a table of the catalogue at path; -1 when it cannot be read.
int rowCount(const QString &path, const QString &table = QStringLiteral("tabella1"));

// Whether the window, frame included, lies inside the available area of its screen.
bool fitsScreen(QWidget *window);
// Whether the named control of a shown window can be seen whole: inside the window and the
// screen's available area.
bool inSight(QWidget *window, const QString &name);

// Runs the tests matching filter again in a child process, on an offscreen screen of that
// size and scale; returns what the child printed when it fails, empty when it passes.
QString failuresOnScreen(const char *filter, QSize screen, double scale);
