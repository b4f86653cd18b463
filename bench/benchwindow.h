// What the window benches share: a context that shows nothing and starts nothing.
#pragma once

#include "appcontext.h"
#include "dialogs.h"
#include "launcher.h"
#include "windowregistry.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// Counts what a user would have seen instead of showing it.
class QuietDialogs : public Dialogs
{
public:
    void beep() override {}
    void message(const QString &, Icon, const QString &) override { ++messages; }
    bool ask(const QString &, Icon, const QString &, Button) override { return true; }
    int messages = 0;
};

class NoLauncher : public Launcher
{
public:
    Outcome start(const Command &) override { return Failure{QStringLiteral("not in a bench")}; }
    Outcome openDocument(const QString &) override
    {
        return Failure{QStringLiteral("not in a bench")};
    }
};

// What a window bench keeps for its whole run: its folder, its catalogue and a quiet context.
struct Bench {
    QTemporaryDir dir;
    QString catalogue;
    QuietDialogs dialogs;
    NoLauncher launcher;
    WindowRegistry windows;
    std::unique_ptr<AppContext> ctx;
};

// This process's resident memory, from the kernel's own count.
inline double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
