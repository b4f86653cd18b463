#include "windows.h"

#include <QEventLoop>

namespace
{

// Set on windows the registry has shown: once such a window is hidden again it has been
// closed and only waits for its deferred deletion.
constexpr char kShownProperty[] = "registryShown";

} // namespace

void Windows::addFactory(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool Windows::hasFactory(const QString &name) const
{
    return m_factories.contains(name);
}

QWidget *Windows::create(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    const auto it = m_factories.constFind(name);
    if (it == m_factories.constEnd())
        return nullptr;
    QWidget *w = (*it)();
    if (!w)
        return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(name, w);
    return w;
}

QWidget *Windows::show(const QString &name)
{
    QWidget *w = create(name);
    if (!w)
        return nullptr;
    w->setProperty(kShownProperty, true);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void Windows::showModal(const QString &name)
{
    QWidget *w = create(name);
    if (!w)
        return;
    QPointer<QWidget> guard(w);
    w->setProperty(kShownProperty, true);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (guard)
        loop.exec();
}

void Windows::adopt(const QString &name, QWidget *window)
{
    m_open.insert(name, window);
}

QWidget *Windows::find(const QString &name) const
{
    const auto it = m_open.constFind(name);
    QWidget *w = it == m_open.constEnd() ? nullptr : it->data();
    if (w && w->property(kShownProperty).toBool() && !w->isVisible())
        return nullptr;
    return w;
}

void Windows::closeAll()
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
