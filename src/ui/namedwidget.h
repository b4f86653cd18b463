#pragma once

#include <QString>

#include <utility>

// A widget made with its object name, by which tests and the state file find it.
template <class Widget, class... Args> Widget *namedWidget(const QString &name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}
