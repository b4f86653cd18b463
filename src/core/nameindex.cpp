#include "nameindex.h"

#include <QDirIterator>
#include <QFileInfo>

NameIndex NameIndex::build(const QString &folder, Progress &progress)
{
    NameIndex index;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        index.m_entries[info.fileName().toCaseFolded()].append({info.filePath(), info.isDir()});
        if (++index.m_count % 4096 == 0) {
            progress.setDone(index.m_count);
            if (progress.isCancelled())
                break;
        }
    }
    return index;
}

NameIndex::Found NameIndex::find(const QString &name, bool folder) const
{
    QString path;
    for (const Entry &entry : m_entries.value(name.toCaseFolded())) {
        if (entry.folder != folder)
            continue;
        if (!path.isEmpty())
            return {QString(), true};
        path = entry.path;
    }
    return {path, false};
}
