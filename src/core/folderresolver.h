#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

// Finds a path's components below a folder as a case-sensitive file system holds them: at
// each level the exact name comes first, else the one entry whose name matches it
// case-blind. Each folder is listed once, however many paths pass through it: the listed
// folders form a tree, each name folded once when its folder is listed.
class FolderResolver
{
    struct Folder;

public:
    struct Found {
        QString path;           // empty when not found
        bool ambiguous = false; // several entries matched one component case-blind
    };
    // A folder that paths are resolved under, listed.
    struct Root {
        QString path; // cleaned
        Folder *folder = nullptr;
    };

    // The tree links its own folders: moved, never copied.
    FolderResolver() = default;
    FolderResolver(FolderResolver &&) = default;
    FolderResolver &operator=(FolderResolver &&) = default;

    Found resolve(const QString &root, const QStringList &components);
    // relative: the components joined by '/', folded in one go.
    Found resolve(const QString &root, const QString &relative);

    // Once the roots are taken, resolve(Root, ...) may run on several threads at once; the
    // other calls are for one thread at a time.
    Root root(const QString &folder);
    Found resolve(const Root &root, const QString &relative);

    // Lists root and the folders below it before they are asked for, so that the listing can
    // run on another thread while the paths are still being read. Symbolic links, the
    // deepest levels and whatever lies beyond a generous number of names are left to be
    // listed on demand, as is everything once stop is requested.
    void listAhead(const QString &root, const std::stop_token &stop = {});

private:
    struct Entry {
        QString name;
        QString folded;
        qsizetype nextAlike = -1; // the next entry of the folder whose name folds alike
        bool isFolder = false;    // a folder itself, not a link to one
    };
    struct Folder {
        std::vector<Entry> entries;
        QHash<QStringView, qsizetype> firstByFolded;       // views into the entries' folded names
        std::unique_ptr<std::atomic<Folder *>[]> children; // each entry's own listing, once made
    };
    struct Walk {
        Folder *folder;      // where the next name is looked up
        qsizetype next = -1; // the entry last found, its own folder not yet needed
        QString path;
        bool ambiguous = false;
    };

    // root() for callers on one thread, which mostly ask under the same root again.
    const Root &lastRoot(const QString &root);
    Found resolve(const Root &root, const QStringList &components);
    Folder *list(const QString &path);
    Folder *listed(Folder &parent, qsizetype entry, const QString &path);
    // One name further down; false when the name is not there or would leave the root.
    bool step(Walk &walk, QStringView name, QStringView key);

    std::deque<Folder> m_folders; // stable addresses for the tree's links
    std::unique_ptr<std::mutex> m_adding = std::make_unique<std::mutex>(); // to m_folders
    QHash<QString, Folder *> m_roots;
    QString m_lastRoot;
    Root m_last; // the last root asked for by name
};
