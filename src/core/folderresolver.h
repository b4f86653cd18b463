#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <stop_token>
#include <vector>

// Finds a path's components below a folder as a case-sensitive file system holds them: at
// each level the exact name comes first, else the one entry whose name matches it
// case-blind. Each folder is listed once, however many paths pass through it: the listed
// folders form a tree, each name folded once when its folder is listed.
class FolderResolver
{
public:
    struct Found {
        QString path;           // empty when not found
        bool ambiguous = false; // several entries matched one component case-blind
    };

    FolderResolver() = default;
    // The tree links its own folders: moved, never copied.
    FolderResolver(const FolderResolver &) = delete;
    FolderResolver &operator=(const FolderResolver &) = delete;
    FolderResolver(FolderResolver &&) = default;
    FolderResolver &operator=(FolderResolver &&) = default;

    Found resolve(const QString &root, const QStringList &components);
    // relative: the components joined by '/', folded in one go.
    Found resolve(const QString &root, const QString &relative);

    // Lists root and the folders below it before they are asked for, so that the listing can
    // run on another thread while the paths are still being read. Symbolic links, the
    // deepest levels and whatever lies beyond a generous number of names are left to be
    // listed on demand, as is everything once stop is requested.
    void listAhead(const QString &root, const std::stop_token &stop = {});

private:
    struct Folder;
    struct Entry {
        QString name;
        QString folded;
        qsizetype nextAlike = -1; // the next entry of the folder whose name folds alike
        bool isFolder = false;    // a folder itself, not a link to one
        Folder *folder = nullptr; // its own listing, once made
    };
    struct Folder {
        std::vector<Entry> entries;
        QHash<QStringView, qsizetype> firstByFolded; // views into the entries' folded names
    };
    struct Walk {
        Folder *folder;        // where the next name is looked up
        Entry *next = nullptr; // the last name found, its folder not yet listed
        QString path;
        bool ambiguous = false;
    };

    Folder &list(const QString &path);
    Folder &rootFolder(const QString &root);
    Walk start(const QString &root, qsizetype reserve);
    // One name further down; false when the name is not there or would leave the root.
    bool step(Walk &walk, QStringView name, QStringView key);

    std::deque<Folder> m_folders; // stable addresses for the tree's links
    QHash<QString, Folder *> m_roots;
    QString m_root, m_cleanRoot; // the last root asked for, cleaned once
    Folder *m_rootFolder = nullptr;
};
