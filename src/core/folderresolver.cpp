#include "folderresolver.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace
{

// Enough for a set's games, pictures and tunes; a folder much larger than that is rather
// the user's whole disk, where only the folders the paths pass through are worth listing.
constexpr qsizetype kAheadNames = 400000;
constexpr int kAheadDepth = 4;

// Qt folds one letter at a time through its tables; most names are ASCII, where folding is
// lowering A to Z, and many are lower case already.
QString folded(const QString &name)
{
    bool upper = false;
    for (const QChar letter : name) {
        if (letter.unicode() >= 0x80)
            return name.toCaseFolded();
        upper = upper || (letter >= u'A' && letter <= u'Z');
    }
    if (!upper)
        return name;
    QString lower(name.size(), Qt::Uninitialized);
    QChar *out = lower.data();
    for (const QChar letter : name)
        *out++ = letter >= u'A' && letter <= u'Z' ? QChar(letter.unicode() + 32) : letter;
    return lower;
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

} // namespace

// Only the names and their kind: a directory iterator reads them without a stat per entry,
// where QDir stats each one, and a folder of a whole collection holds tens of thousands.
FolderResolver::Folder &FolderResolver::list(const QString &path)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path native(path.toStdWString());
#else
    const fs::path native(QFile::encodeName(path).toStdString());
#endif
    Folder &folder = m_folders.emplace_back();
    std::error_code error;
    for (fs::directory_iterator it(native, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
#ifdef Q_OS_WIN
        QString entry = QString::fromStdWString(name.native());
#else
        QString entry = QFile::decodeName(name.c_str());
#endif
        // The kind comes with the name, where the system gives it.
        std::error_code typeError;
        const bool isFolder = !it->is_symlink(typeError) && it->is_directory(typeError);
        QString key = folded(entry);
        folder.entries.push_back({std::move(entry), std::move(key), -1, isFolder});
    }
    // The views are taken once the entries stay where they are.
    folder.firstByFolded.reserve(qsizetype(folder.entries.size()));
    for (qsizetype i = 0; i < qsizetype(folder.entries.size()); ++i) {
        Entry &entry = folder.entries[size_t(i)];
        const auto first = folder.firstByFolded.find(entry.folded);
        if (first == folder.firstByFolded.end()) {
            folder.firstByFolded.insert(entry.folded, i);
        } else {
            entry.nextAlike = *first;
            *first = i;
        }
    }
    return folder;
}

FolderResolver::Folder &FolderResolver::rootFolder(const QString &root)
{
    if (m_rootFolder && root == m_root)
        return *m_rootFolder;
    m_root = root;
    m_cleanRoot = QDir::cleanPath(root);
    Folder *&folder = m_roots[m_cleanRoot];
    if (!folder)
        folder = &list(m_cleanRoot);
    m_rootFolder = folder;
    return *folder;
}

FolderResolver::Walk FolderResolver::start(const QString &root, qsizetype reserve)
{
    Walk walk{&rootFolder(root), nullptr, {}};
    walk.path.reserve(m_cleanRoot.size() + reserve + 1);
    walk.path = m_cleanRoot;
    return walk;
}

bool FolderResolver::step(Walk &walk, QStringView name, QStringView key)
{
    // Never above the folder the caller named.
    if (name == u"..")
        return false;
    if (name == u".")
        return true;
    if (walk.next) {
        if (!walk.next->folder)
            walk.next->folder = &list(walk.path);
        walk.folder = walk.next->folder;
    }
    std::vector<Entry> &entries = walk.folder->entries;
    const auto first = walk.folder->firstByFolded.constFind(key);
    if (first == walk.folder->firstByFolded.constEnd())
        return false;
    // The one name that matches case-blind; of several, only the exact one.
    Entry *match = &entries[size_t(*first)];
    if (match->nextAlike >= 0) {
        match = nullptr;
        for (qsizetype i = *first; i >= 0 && !match; i = entries[size_t(i)].nextAlike)
            match = entries[size_t(i)].name == name ? &entries[size_t(i)] : nullptr;
        walk.ambiguous = !match;
        if (!match)
            return false;
    }
    if (!walk.path.endsWith(u'/'))
        walk.path += u'/';
    walk.path += match->name;
    walk.next = match;
    return true;
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QStringList &components)
{
    Walk walk = start(root, components.join(u'/').size());
    for (const QString &component : components)
        if (!step(walk, component, folded(component)))
            return {QString(), walk.ambiguous};
    return {walk.path, false};
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QString &relative)
{
    const QString keys = folded(relative);
    // A letter whose folding is longer than itself: the names are folded one by one.
    if (keys.size() != relative.size())
        return resolve(root, relative.split(u'/', Qt::SkipEmptyParts));
    Walk walk = start(root, relative.size());
    for (qsizetype from = 0; from < relative.size();) {
        qsizetype to = relative.indexOf(u'/', from);
        if (to < 0)
            to = relative.size();
        const QStringView name = QStringView(relative).sliced(from, to - from);
        if (!name.isEmpty() && !step(walk, name, QStringView(keys).sliced(from, to - from)))
            return {QString(), walk.ambiguous};
        from = to + 1;
    }
    return {walk.path, false};
}

void FolderResolver::listAhead(const QString &root, const std::stop_token &stop)
{
    struct Pending {
        Folder *folder;
        QString path;
        int depth;
    };
    // Breadth first, so that the limits leave the deepest folders to be listed on demand.
    std::deque<Pending> pending{{&rootFolder(root), m_cleanRoot, 0}};
    qsizetype names = 0;
    while (!pending.empty() && names < kAheadNames && !stop.stop_requested()) {
        const Pending at = std::move(pending.front());
        pending.pop_front();
        names += qsizetype(at.folder->entries.size());
        for (Entry &entry : at.folder->entries) {
            if (at.depth == kAheadDepth || !entry.isFolder || entry.folder)
                continue;
            const QString path = joined(at.path, entry.name);
            entry.folder = &list(path);
            pending.push_back({entry.folder, path, at.depth + 1});
        }
    }
}
