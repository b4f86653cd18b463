#include "programdetection.h"

#include "cataloguestore.h"

#include <QStandardPaths>

namespace programdetection
{

namespace
{

struct Candidates {
    Configuration::Path path;
    const char *programs[2];
};

constexpr Candidates kCandidates[] = {
    {Configuration::Path::Vice, {"x64sc", "x64"}},
    {Configuration::Path::Uae, {"fs-uae", "amiberry"}},
    {Configuration::Path::Player1, {"sidplayfp", "sidplay2"}},
    {Configuration::Path::Player2, {"xmp", "openmpt123"}},
};

} // namespace

QString findOnPath(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

QList<Found> fillEmpty(Configuration &configuration, const Finder &find)
{
    QList<Found> found;
    for (const Candidates &c : kCandidates) {
        QString &value = configuration.value(c.path);
        if (!value.isEmpty())
            continue;
        for (const char *program : c.programs) {
            const QString path = find(QLatin1String(program));
            if (!path.isEmpty()) {
                value = path;
                found.append({c.path, path});
                break;
            }
        }
    }
    return found;
}

Outcome detectInto(const QSqlDatabase &db, const Finder &find)
{
    CatalogueStore store(db);
    Result<Configuration> configuration = store.configuration();
    if (!configuration)
        return configuration.failure();
    QList<Configuration::Path> filled;
    for (const Found &f : fillEmpty(*configuration, find))
        filled << f.path;
    // Only the filled paths are written: the others stay as they are stored.
    if (filled.isEmpty())
        return {};
    return store.saveConfiguration(*configuration, filled);
}

} // namespace programdetection
