#include "windowkeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace
{

bool isEnter(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

bool canPress(const QPushButton *button)
{
    return button && button->isVisible() && button->isEnabled();
}

} // namespace

WindowKeys::WindowKeys(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

WindowKeys *WindowKeys::of(QWidget *window)
{
    if (auto *keys = window->findChild<WindowKeys *>(QString(), Qt::FindDirectChildrenOnly))
        return keys;
    return new WindowKeys(window);
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (m_escapeCloses && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        m_window->close();
        return true;
    }
    return isEnter(key) && pressDefaultButton();
}

bool WindowKeys::pressDefaultButton()
{
    // A button the user has moved to is the one Enter means.
    auto *focused = qobject_cast<QPushButton *>(m_window->focusWidget());
    if (canPress(focused)) {
        focused->click();
        return true;
    }
    const QList<QPushButton *> buttons = m_window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        if (button->isDefault() && canPress(button) && button->window() == m_window) {
            button->click();
            return true;
        }
    return false;
}
