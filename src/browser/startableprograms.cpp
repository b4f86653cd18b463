#include "startableprograms.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace browser
{
namespace
{

struct Kind {
    const char *caption;
    QList<Configuration::Path> programs;
};

// As the launcher starts it: a bare name from PATH, a path as it stands.
bool canStart(const QString &program)
{
    if (!QDir::fromNativeSeparators(program).contains(QLatin1Char('/')))
        return !QStandardPaths::findExecutable(program).isEmpty();
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

} // namespace

QStringList startablePrograms(const Configuration &configuration)
{
    using Path = Configuration::Path;
    const Kind kinds[] = {
        {"C64", {Path::Ccs64, Path::Vice, Path::C64s, Path::Pc64}},
        {"Amiga", {Path::Uae, Path::Fellow}},
        {"Music", {Path::Player1, Path::Player2}},
    };
    QStringList lines;
    for (const Kind &kind : kinds) {
        QStringList names;
        for (const Path path : kind.programs) {
            const QString &program = configuration.value(path);
            if (!program.isEmpty() && canStart(program))
                names << QFileInfo(program).fileName();
        }
        if (!names.isEmpty())
            lines << QLatin1String(kind.caption) + QStringLiteral(": ") +
                         names.join(QStringLiteral(", "));
    }
    return lines;
}

} // namespace browser
