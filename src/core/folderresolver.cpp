#include "folderresolver.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace
{

// Only the names: a directory iterator reads them without a stat per entry, where QDir
// stats each one, and a folder of a whole collection holds tens of thousands.
QStringList entryNames(const QString &folder)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path path(folder.toStdWString());
#else
    const fs::path path(QFile::encodeName(folder).toStdString());
#endif
    QStringList names;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        const fs::path::string_type name = it->path().filename().native();
#ifdef Q_OS_WIN
        names << QString::fromStdWString(name);
#else
        names << QFile::decodeName(QByteArray::fromStdString(name));
#endif
    }
    return names;
}

} // namespace

const FolderResolver::Listing &FolderResolver::listing(const QString &folder)
{
    if (const auto it = m_listings.constFind(folder); it != m_listings.constEnd())
        return *it;
    Listing entries;
    const QStringList names = entryNames(folder);
    entries.reserve(names.size());
    for (const QString &name : names)
        entries[name.toCaseFolded()] << name;
    return *m_listings.insert(folder, std::move(entries));
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QStringList &components)
{
    if (root != m_root) {
        m_root = root;
        m_cleanRoot = QDir::cleanPath(root);
    }
    QString path = m_cleanRoot;
    for (const QString &component : components) {
        // Never above the folder the caller named.
        if (component == QLatin1String(".."))
            return {};
        if (component == QLatin1String("."))
            continue;
        const Listing &entries = listing(path);
        const auto found = entries.constFind(component.toCaseFolded());
        if (found == entries.constEnd())
            return {};
        // The exact name first; else the one name that matches case-blind.
        const QStringList &matches = *found;
        if (!matches.contains(component) && matches.size() > 1)
            return {QString(), true};
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += matches.contains(component) ? component : matches.first();
    }
    return {path, false};
}
