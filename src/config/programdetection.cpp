#include "programdetection.h"

#include <QStandardPaths>

namespace programdetection
{

namespace
{

struct Candidates {
    const char *column;
    const char *programs[2];
};

constexpr Candidates kCandidates[] = {
    {"vice", {"x64sc", "x64"}},
    {"uae", {"fs-uae", "amiberry"}},
    {"player1", {"sidplayfp", "sidplay2"}},
    {"player2", {"xmp", "openmpt123"}},
};

} // namespace

QString findOnPath(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

QList<Found> fillEmpty(configrecord::Values &values, const Finder &find)
{
    QList<Found> found;
    for (const Candidates &c : kCandidates) {
        const QString column = QLatin1String(c.column);
        if (!values.value(column).isEmpty())
            continue;
        for (const char *program : c.programs) {
            const QString path = find(QLatin1String(program));
            if (!path.isEmpty()) {
                values.insert(column, path);
                found.append({column, path});
                break;
            }
        }
    }
    return found;
}

bool detectInto(const QSqlDatabase &db, QString *error, const Finder &find)
{
    QString why;
    configrecord::Values values = configrecord::load(db, &why);
    const QList<Found> found = why.isEmpty() ? fillEmpty(values, find) : QList<Found>();
    // Only the filled paths are written: the others stay as they are stored.
    configrecord::Values filled;
    for (const Found &f : found)
        filled.insert(f.column, f.path);
    if (why.isEmpty() && !filled.isEmpty())
        configrecord::store(db, filled, &why);
    if (error)
        *error = why;
    return why.isEmpty();
}

} // namespace programdetection
