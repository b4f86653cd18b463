#include "browselists.h"

#include "dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSet>
#include <QStorageInfo>

namespace
{

QString nativeDir(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

bool readableDir(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isDir() && info.isReadable() && QDir(path).isReadable();
}

} // namespace

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QDir::separator() + name;
}

void reportUnreadable(Dialogs &dialogs, const QString &path)
{
    dialogs.beep();
    dialogs.message(path.isEmpty()
                        ? QStringLiteral("No drive or folder is chosen.")
                        : QStringLiteral("%1 cannot be read.").arg(QDir::toNativeSeparators(path)),
                    Dialogs::Icon::Critical, QStringLiteral("Error"));
}

void reportUnreadable(Dialogs &dialogs, DriveListBox *drive, DirListBox *dir)
{
    const auto report = [&dialogs](const QString &path) { reportUnreadable(dialogs, path); };
    QObject::connect(drive, &DriveListBox::unreadable, drive, report);
    QObject::connect(dir, &DirListBox::unreadable, dir, report);
}

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    reload();
    connect(this, &QComboBox::activated, this, &DriveListBox::onActivated);
}

void DriveListBox::reload()
{
    const QSignalBlocker blocker(this);
    const QString keep = drive();
    clear();
    QStringList roots;
    for (const QFileInfo &d : QDir::drives())
        roots << QDir::toNativeSeparators(d.absoluteFilePath());
    static const QSet<QByteArray> pseudo = {
        "proc",       "sysfs",   "devtmpfs",    "devpts", "cgroup",    "cgroup2",
        "securityfs", "debugfs", "tracefs",     "mqueue", "pstore",    "bpf",
        "configfs",   "fusectl", "binfmt_misc", "autofs", "hugetlbfs", "nsfs"};
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !pseudo.contains(v.fileSystemType()))
            roots << QDir::toNativeSeparators(v.rootPath());
    roots.removeDuplicates();
    addItems(roots);
    m_current = keep.isEmpty() ? (count() ? 0 : -1) : findText(keep);
    if (m_current < 0 && count())
        m_current = 0;
    setCurrentIndex(m_current);
}

QString DriveListBox::drive() const
{
    return currentText();
}

bool DriveListBox::setDrive(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    const QStorageInfo volume(path);
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QString root = QDir::toNativeSeparators(volume.rootPath());
    int index = findText(root);
    if (index < 0) {
        const QSignalBlocker blocker(this);
        addItem(root);
        index = count() - 1;
    }
    const bool moved = index != m_current;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    m_current = index;
    if (moved)
        Q_EMIT changed(root);
    return true;
}

void DriveListBox::onActivated(int index)
{
    const QString root = itemText(index);
    if (!readableDir(root)) {
        {
            const QSignalBlocker blocker(this);
            setCurrentIndex(m_current);
        }
        Q_EMIT unreadable(root);
        return;
    }
    if (index == m_current)
        return;
    m_current = index;
    Q_EMIT changed(root);
}

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, &DirListBox::onActivated);
}

bool DirListBox::setPath(const QString &path)
{
    if (path.isEmpty() || !readableDir(path))
        return false;
    const QString clean = nativeDir(path);
    const bool moved = clean != m_path;
    m_path = clean;
    refresh();
    if (moved)
        Q_EMIT changed(m_path);
    return true;
}

void DirListBox::refresh()
{
    const QSignalBlocker blocker(this);
    clear();
    if (m_path.isEmpty())
        return;
    QStringList chain;
    for (QDir d(m_path);;) {
        chain.prepend(QDir::toNativeSeparators(d.absolutePath()));
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, p);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir here(m_path);
    const QStringList subdirs =
        here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &s : subdirs) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + s, this);
        item->setData(Qt::UserRole, QDir::toNativeSeparators(here.filePath(s)));
    }
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QListWidget::keyPressEvent(event);
        return;
    }
    QListWidgetItem *item = currentItem();
    if (item && item->data(Qt::UserRole).toString() != m_path)
        onActivated(item);
    else
        event->ignore();
}

void DirListBox::onActivated(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString target = item->data(Qt::UserRole).toString();
    if (!setPath(target)) {
        refresh();
        Q_EMIT unreadable(target);
    }
}

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Q_EMIT clicked();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT doubleClicked(); });
}

bool FileListBox::setPath(const QString &path)
{
    if (path.isEmpty() || !readableDir(path))
        return false;
    m_path = nativeDir(path);
    refresh();
    return true;
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern.isEmpty() ? QStringLiteral("*.*") : pattern;
    refresh();
}

void FileListBox::setExecutablesOnly(bool on)
{
    m_executablesOnly = on;
    refresh();
}

void FileListBox::refresh()
{
    const QSignalBlocker blocker(this);
    clear();
    if (m_path.isEmpty())
        return;
    QStringList filters = m_pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &f : filters)
        if (f.trimmed() == QLatin1String("*.*"))
            f = QStringLiteral("*");
    // Hidden files stay hidden, as in the desktop's own file windows.
    QDir::Filters kinds = QDir::Files | QDir::System;
    if (m_executablesOnly)
        kinds |= QDir::Executable;
    addItems(QDir(m_path).entryList(filters, kinds, QDir::Name | QDir::IgnoreCase));
}

void FileListBox::setListIndex(int index)
{
    setCurrentRow(index);
}

bool FileListBox::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    setCurrentItem(found.first());
    return true;
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item && currentRow() >= 0 ? item->text() : QString();
}

QString FileListBox::selectedFilePath() const
{
    const QString name = fileName();
    return name.isEmpty() ? QString() : joinPath(m_path, name);
}
