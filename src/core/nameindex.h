#pragma once

#include "progress.h"

#include <QHash>
#include <QList>
#include <QString>

// Every file and folder below a folder by name, case-blind: made in one walk, so that any
// number of lost files are looked up without walking the tree again. Links are not
// followed, so a loop of links cannot hold the walk.
class NameIndex
{
public:
    struct Found {
        QString path;           // empty unless exactly one entry has the name
        bool ambiguous = false; // several entries have it
    };

    // Stops early, with what it has, when the progress is cancelled.
    static NameIndex build(const QString &folder, Progress &progress);

    Found find(const QString &name, bool folder) const;
    qsizetype size() const { return m_count; }

private:
    struct Entry {
        QString path;
        bool folder = false;
    };
    QHash<QString, QList<Entry>> m_entries;
    qsizetype m_count = 0;
};
