#include "folderresolver.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace
{

// Enough for a set's games, pictures and tunes; a folder much larger than that is rather
// the user's whole disk, where only the folders the paths pass through are worth listing.
constexpr qsizetype kAheadNames = 200000;
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
FolderResolver::Folder *FolderResolver::list(const QString &path)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path native(path.toStdWString());
#else
    const fs::path native(QFile::encodeName(path).toStdString());
#endif
    Folder folder;
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
    const qsizetype count = qsizetype(folder.entries.size());
    folder.firstByFolded.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        Entry &entry = folder.entries[size_t(i)];
        const auto first = folder.firstByFolded.find(entry.folded);
        if (first == folder.firstByFolded.end()) {
            folder.firstByFolded.insert(entry.folded, i);
        } else {
            entry.nextAlike = *first;
            *first = i;
        }
    }
    folder.children = std::make_unique<std::atomic<Folder *>[]>(size_t(count));
    const std::lock_guard lock(*m_adding);
    return &m_folders.emplace_back(std::move(folder));
}

FolderResolver::Folder *FolderResolver::listed(Folder &parent, qsizetype entry, const QString &path)
{
    std::atomic<Folder *> &slot = parent.children[size_t(entry)];
    if (Folder *known = slot.load(std::memory_order_acquire))
        return known;
    // Two threads may list it at once; the first one's listing is kept.
    Folder *made = list(path);
    Folder *known = nullptr;
    return slot.compare_exchange_strong(known, made, std::memory_order_acq_rel) ? made : known;
}

FolderResolver::Root FolderResolver::root(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    Folder *&listing = m_roots[clean];
    if (!listing)
        listing = list(clean);
    return {clean, listing};
}

bool FolderResolver::step(Walk &walk, QStringView name, QStringView key)
{
    // Never above the folder the caller named.
    if (name == u"..")
        return false;
    if (name == u".")
        return true;
    if (walk.next >= 0) {
        walk.folder = listed(*walk.folder, walk.next, walk.path);
        walk.next = -1;
    }
    const std::vector<Entry> &entries = walk.folder->entries;
    const auto first = walk.folder->firstByFolded.constFind(key);
    if (first == walk.folder->firstByFolded.constEnd())
        return false;
    // The one name that matches case-blind; of several, only the exact one.
    qsizetype match = *first;
    if (entries[size_t(match)].nextAlike >= 0) {
        while (match >= 0 && entries[size_t(match)].name != name)
            match = entries[size_t(match)].nextAlike;
        walk.ambiguous = match < 0;
        if (match < 0)
            return false;
    }
    if (!walk.path.endsWith(u'/'))
        walk.path += u'/';
    walk.path += entries[size_t(match)].name;
    walk.next = match;
    return true;
}

const FolderResolver::Root &FolderResolver::lastRoot(const QString &root)
{
    if (!m_last.folder || root != m_lastRoot) {
        m_lastRoot = root;
        m_last = this->root(root);
    }
    return m_last;
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QStringList &components)
{
    return resolve(lastRoot(root), components);
}

FolderResolver::Found FolderResolver::resolve(const Root &root, const QStringList &components)
{
    Walk walk{root.folder, -1, {}};
    walk.path.reserve(root.path.size() + components.join(u'/').size() + 1);
    walk.path.append(root.path);
    for (const QString &component : components)
        if (!step(walk, component, folded(component)))
            return {QString(), walk.ambiguous};
    return {walk.path, false};
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QString &relative)
{
    return resolve(lastRoot(root), relative);
}

FolderResolver::Found FolderResolver::resolve(const Root &root, const QString &relative)
{
    const QString keys = folded(relative);
    // Qt folds letter for letter, so each name keeps its place in the folded path; were a
    // folding ever longer than its letter, the names are folded one by one.
    if (keys.size() != relative.size())
        return resolve(root, relative.split(u'/', Qt::SkipEmptyParts));
    Walk walk{root.folder, -1, {}};
    walk.path.reserve(root.path.size() + relative.size() + 1);
    walk.path.append(root.path);
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
    const Root top = this->root(root);
    std::deque<Pending> pending{{top.folder, top.path, 0}};
    qsizetype names = 0;
    while (!pending.empty() && names < kAheadNames && !stop.stop_requested()) {
        const Pending at = std::move(pending.front());
        pending.pop_front();
        const qsizetype count = qsizetype(at.folder->entries.size());
        names += count;
        for (qsizetype i = 0; i < count && at.depth < kAheadDepth; ++i) {
            if (!at.folder->entries[size_t(i)].isFolder)
                continue;
            const QString path = joined(at.path, at.folder->entries[size_t(i)].name);
            pending.push_back({listed(*at.folder, i, path), path, at.depth + 1});
        }
    }
}
