#include "startableprograms.h"

#include "database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlRecord>
#include <QStandardPaths>

namespace browser
{
namespace
{

struct Kind {
    const char *caption;
    QStringList columns;
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
    const Kind kinds[] = {
        {"C64", {"ccs64", "vice", "c64s", "pc64"}},
        {"Amiga", {"uae", "fellow"}},
        {"Music", {"player1", "player2"}},
    };
    QStringList columns;
    for (const Kind &kind : kinds)
        columns << kind.columns;
    const auto record = catalogue::configRecord(db, columns, error);
    QStringList lines;
    for (const Kind &kind : kinds) {
        QStringList names;
        for (const QString &column : kind.columns) {
            const QString program = record ? record->value(column).toString() : QString();
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
