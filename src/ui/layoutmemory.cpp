#include "layoutmemory.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

namespace
{

QString &settingsFile()
{
    static QString path;
    return path;
}

QHeaderView *headerOf(QAbstractItemView *view)
{
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->header();
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->horizontalHeader();
    return nullptr;
}

// A header's state holds its sort indicator, which a sorting view follows only when told.
void restoreHeader(QHeaderView *header, const QByteArray &state)
{
    header->restoreState(state);
    if (auto *tree = qobject_cast<QTreeView *>(header->parentWidget());
        tree && tree->isSortingEnabled())
        tree->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
    else if (auto *table = qobject_cast<QTableView *>(header->parentWidget());
             table && table->isSortingEnabled())
        table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

// A window without a name of its own is known by its class: one instance of each is open.
QString windowKey(const QWidget *window)
{
    return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                          : window->objectName();
}

// Runs f(key, part) for the window's geometry and each named splitter and view header.
template <typename Visit> void visitParts(QWidget *window, Visit visit)
{
    const QString prefix = windowKey(window) + QLatin1Char('/');
    visit(prefix + QStringLiteral("geometry"), window);
    for (QSplitter *splitter : window->findChildren<QSplitter *>())
        if (!splitter->objectName().isEmpty())
            visit(prefix + splitter->objectName(), splitter);
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>())
        if (QHeaderView *header = headerOf(view); header && !view->objectName().isEmpty())
            visit(prefix + view->objectName() + QStringLiteral("/header"), header);
}

} // namespace

void LayoutMemory::setFile(const QString &path)
{
    settingsFile() = path;
}

QString LayoutMemory::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/layout.ini");
}

LayoutMemory::LayoutMemory(QWidget *window) : QObject(window) {}

void LayoutMemory::watch(QWidget *window)
{
    if (window->findChild<LayoutMemory *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new LayoutMemory(window));
}

void LayoutMemory::restore(QWidget *window)
{
    if (settingsFile().isEmpty())
        return;
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    visitParts(window, [&settings, window](const QString &key, QWidget *part) {
        const QByteArray state = settings.value(key).toByteArray();
        if (state.isEmpty())
            return;
        if (part == window)
            window->restoreGeometry(state);
        else if (auto *splitter = qobject_cast<QSplitter *>(part))
            splitter->restoreState(state);
        else if (auto *header = qobject_cast<QHeaderView *>(part))
            restoreHeader(header, state);
    });
}

void LayoutMemory::save(const QWidget *window)
{
    if (settingsFile().isEmpty())
        return;
    QSettings settings(settingsFile(), QSettings::IniFormat);
    visitParts(const_cast<QWidget *>(window),
               [&settings, window](const QString &key, QWidget *part) {
                   if (part == window)
                       settings.setValue(key, window->saveGeometry());
                   else if (auto *splitter = qobject_cast<QSplitter *>(part))
                       settings.setValue(key, splitter->saveState());
                   else if (auto *header = qobject_cast<QHeaderView *>(part))
                       settings.setValue(key, header->saveState());
               });
}

QVariant LayoutMemory::value(const QString &key, const QVariant &fallback)
{
    if (settingsFile().isEmpty())
        return fallback;
    return QSettings(settingsFile(), QSettings::IniFormat).value(key, fallback);
}

void LayoutMemory::setValue(const QString &key, const QVariant &value)
{
    if (!settingsFile().isEmpty())
        QSettings(settingsFile(), QSettings::IniFormat).setValue(key, value);
}

bool LayoutMemory::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = static_cast<QWidget *>(watched);
    // Restored before the screen fit sees the Show (the later filter runs first), so a
    // remembered place on a screen that is gone is still brought back into sight.
    if (event->type() == QEvent::Show && !m_restored) {
        m_restored = true;
        restore(window);
    } else if (event->type() == QEvent::Hide && m_restored) {
        save(window);
    }
    return false;
}
