#pragma once

#include "windowevents.h"
#include "windowrequests.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

// The single-instance window registry. open() brings an open window to the front or
// creates it from its factory, then hands it the request; a closed window is deleted and
// the next open() loads it afresh. Every window it holds is kept on its screen
// (ScreenFit), and those it makes take Enter for their default button (WindowKeys).
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *()>;

    void addFactory(WindowKey key, Factory factory);

    // Modeless show-or-raise of a window that takes no request.
    QWidget *show(WindowKey key);

    template <class Request> QWidget *open(const Request &request)
    {
        QWidget *w = prepare(Request::key, request);
        if (w)
            present(w);
        return w;
    }
    // Runs the window application-modal until it closes.
    template <class Request> void openModal(const Request &request)
    {
        if (QWidget *w = prepare(Request::key, request))
            runModal(w);
    }

    // Registers a window created elsewhere (the main window).
    void adopt(WindowKey key, QWidget *window);

    QWidget *find(WindowKey key) const;
    template <class T> T *find(WindowKey key) const { return qobject_cast<T *>(find(key)); }

    // Closes every open window (end of a test, end of the program).
    void closeAll();
    // Asks every open window but keep to close, as the user would; false, and the rest left
    // open, when one refuses (it has said why).
    bool closeOthers(const QWidget *keep);

    WindowEvents &events() { return m_events; }

private:
    template <class Request> QWidget *prepare(WindowKey key, const Request &request)
    {
        QWidget *w = create(key);
        auto *taker = dynamic_cast<RequestTaker<Request> *>(w);
        if (taker && !taker->takeRequest(request)) {
            discard(w);
            return nullptr;
        }
        return w;
    }
    QWidget *create(WindowKey key);
    void discard(QWidget *w);
    void present(QWidget *w);
    void runModal(QWidget *w);

    QHash<WindowKey, Factory> m_factories;
    QHash<WindowKey, QPointer<QWidget>> m_open;
    WindowEvents m_events;
};
