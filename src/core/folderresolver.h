#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Finds a path's components below a folder as a case-sensitive file system holds them: at
// each level the exact name comes first, else the one entry whose name matches it
// case-blind. Each folder is listed once, however many paths pass through it.
class FolderResolver
{
public:
    struct Found {
        QString path;           // empty when not found
        bool ambiguous = false; // several entries matched one component case-blind
    };

    Found resolve(const QString &root, const QStringList &components);

private:
    // Folded name -> the names that fold to it.
    using Listing = QHash<QString, QStringList>;
    const Listing &listing(const QString &folder);

    QHash<QString, Listing> m_listings;
    QString m_root, m_cleanRoot; // the last root asked for, cleaned once
};
