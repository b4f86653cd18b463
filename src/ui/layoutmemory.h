#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QWidget;

// Remembers, per user, each window's geometry and the state of its named splitters and of
// the headers of its named item views, through QSettings keyed by the window's object name (or
// class). A watched window gets its layout back when it is first shown and keeps it when it is
// hidden. The programs name the file (setFile); without one nothing is kept, as in tests.
class LayoutMemory : public QObject
{
    Q_OBJECT
public:
    static void setFile(const QString &path);
    // layout.ini in the user's configuration folder for this program.
    static QString defaultFile();

    static void watch(QWidget *window);
    static void restore(QWidget *window);
    static void save(const QWidget *window);
    // A single value kept beside the layouts (a view toggle, say); fallback when none.
    static QVariant value(const QString &key, const QVariant &fallback = {});
    static void setValue(const QString &key, const QVariant &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LayoutMemory(QWidget *window);

    bool m_restored = false;
};
