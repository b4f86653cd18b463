#pragma once

#include <QString>
#include <QtGlobal>

// How long work tells how far it got and learns that it should stop. Engines take one;
// a BackgroundJob hands its own, a terminal command or a test may pass Progress::none().
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setTotal(qint64 total) = 0;
    virtual void setDone(qint64 done) = 0;
    // A line for the log of the window that follows the work.
    virtual void note(const QString &line) = 0;
    virtual bool isCancelled() const = 0;

    // Reports nowhere and is never cancelled.
    static Progress &none();
};
