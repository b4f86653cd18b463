#include "folderresolver.h"

#include <QDir>

const FolderResolver::Listing &FolderResolver::listing(const QString &folder)
{
    auto it = m_listings.find(folder);
    if (it != m_listings.end())
        return *it;
    Listing entries;
    // Unsorted: a folder of a whole collection holds tens of thousands of names.
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    entries.exact.reserve(names.size());
    for (const QString &name : names) {
        entries.exact.insert(name);
        entries.folded[name.toCaseFolded()] << name;
    }
    return *m_listings.insert(folder, std::move(entries));
}

FolderResolver::Found FolderResolver::resolve(const QString &root, const QStringList &components)
{
    QString path = QDir::cleanPath(root);
    for (const QString &component : components) {
        // Never above the folder the caller named.
        if (component == QLatin1String(".."))
            return {};
        if (component == QLatin1String("."))
            continue;
        const Listing &entries = listing(path);
        QString name = component;
        if (!entries.exact.contains(component)) {
            const QStringList matches = entries.folded.value(component.toCaseFolded());
            if (matches.size() > 1)
                return {QString(), true};
            if (matches.isEmpty())
                return {};
            name = matches.first();
        }
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += name;
    }
    return {path, false};
}
