#include "windowregistry.h"

#include "layoutmemory.h"
#include "screenfit.h"
#include "windowkeys.h"

#include <QEventLoop>

namespace
{

// Set on windows the registry has shown: once such a window is hidden again it has been
// closed and only waits for its deferred deletion.
constexpr char kShownProperty[] = "registryShown";

} // namespace

void WindowRegistry::addFactory(WindowKey key, Factory factory)
{
    m_factories.insert(key, std::move(factory));
}

QWidget *WindowRegistry::create(WindowKey key)
{
    if (QWidget *w = find(key))
        return w;
    const auto it = m_factories.constFind(key);
    if (it == m_factories.constEnd())
        return nullptr;
    QWidget *w = (*it)();
    if (!w)
        return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    ScreenFit::watch(w);
    LayoutMemory::watch(w);
    WindowKeys::of(w);
    m_open.insert(key, w);
    return w;
}

void WindowRegistry::discard(QWidget *w)
{
    // A window that was on screen keeps its place; a new one goes away unseen.
    if (!w->isVisible())
        w->close();
}

QWidget *WindowRegistry::show(WindowKey key)
{
    QWidget *w = create(key);
    if (w)
        present(w);
    return w;
}

void WindowRegistry::present(QWidget *w)
{
    w->setProperty(kShownProperty, true);
    w->show();
    w->raise();
    w->activateWindow();
}

void WindowRegistry::runModal(QWidget *w)
{
    QPointer<QWidget> guard(w);
    w->setWindowModality(Qt::ApplicationModal);
    present(w);
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (guard)
        loop.exec();
}

void WindowRegistry::adopt(WindowKey key, QWidget *window)
{
    ScreenFit::watch(window);
    LayoutMemory::watch(window);
    m_open.insert(key, window);
}

QWidget *WindowRegistry::find(WindowKey key) const
{
    const auto it = m_open.constFind(key);
    QWidget *w = it == m_open.constEnd() ? nullptr : it->data();
    if (w && w->property(kShownProperty).toBool() && !w->isVisible())
        return nullptr;
    return w;
}

bool WindowRegistry::closeOthers(const QWidget *keep)
{
    const auto open = m_open;
    for (auto it = open.cbegin(); it != open.cend(); ++it) {
        const QPointer<QWidget> w = it.value();
        if (!w || w == keep)
            continue;
        if (!w->close())
            return false;
        m_open.remove(it.key());
        // Gone at once, so that nothing of the old catalogue outlives the switch.
        delete w.data();
    }
    return true;
}

void WindowRegistry::closeAll()
{
    const auto open = m_open;
    m_open.clear();
    // Deleted at once, not later: the windows may refer to a context that is going away.
    for (const QPointer<QWidget> &w : open)
        if (w) {
            w->close();
            delete w.data();
        }
}
