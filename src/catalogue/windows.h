#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// The single-instance window registry. Windows are known by their documented class name
// ("Form5", "emu64", ...). show() brings an open window to the front or creates it from
// its factory; a closed window is deleted and the next show() loads it afresh.
class Windows
{
public:
    using Factory = std::function<QWidget *()>;

    void addFactory(const QString &name, Factory factory);
    bool hasFactory(const QString &name) const;

    // Modeless show-or-raise; nullptr when nothing is registered under name.
    QWidget *show(const QString &name);
    // Creates (or reuses) the window and runs it application-modal until it closes.
    void showModal(const QString &name);

    // Registers a window created elsewhere (the main window) under its name.
    void adopt(const QString &name, QWidget *window);

    QWidget *find(const QString &name) const;
    template <class T> T *find(const QString &name) const { return qobject_cast<T *>(find(name)); }

    // Closes every open window (end of a test, end of the program).
    void closeAll();

private:
    QWidget *create(const QString &name);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_open;
};
