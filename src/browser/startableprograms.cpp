#include "startableprograms.h"

#include "cataloguestore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace browser
{
namespace
{

struct Kind {
    const char *caption;
    QList<Configuration::Path> paths;
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

QStringList startablePrograms(const QSqlDatabase &db, QString *error)
{
    using P = Configuration::Path;
    const Kind kinds[] = {
        {"C64", {P::Ccs64, P::Vice, P::C64s, P::Pc64}},
        {"Amiga", {P::Uae, P::Fellow}},
        {"Music", {P::Player1, P::Player2}},
    };
    const auto configuration = CatalogueStore(db).configuration();
    if (error)
        *error = configuration.error();
    QStringList lines;
    for (const Kind &kind : kinds) {
        QStringList names;
        for (const Configuration::Path path : kind.paths) {
            const QString program = configuration ? configuration->value(path) : QString();
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
