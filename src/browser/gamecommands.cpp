#include "gamecommands.h"

#include "database.h"

#include <QDir>

namespace browser
{

PlayTarget playTarget(const QString &formato)
{
    // Case-blind, as the list's machine filter compares them.
    const auto is = [&](const char *code) {
        return formato.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
    };
    if (is("C64") || is("C128"))
        return PlayTarget::C64;
    if (is("Amiga") || is("Amiga 1.3") || is("Amiga 2.x") || is("Amiga 3.x"))
        return PlayTarget::Amiga;
    return PlayTarget::None;
}

bool usesC64Folders(const QString &formato)
{
    return formato.startsWith(QLatin1Char('C'), Qt::CaseInsensitive);
}

bool deleteGame(const QSqlDatabase &db, int id, QString *error)
{
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen()) {
        if (error)
            *error = transaction.error();
        return false;
    }
    const auto query = catalogue::run(db, QStringLiteral("delete from tabella1 where id=?"), {id});
    if (!query) {
        if (error)
            *error = query.error();
        return false;
    }
    if (query->numRowsAffected() != 1) {
        if (error)
            *error = QStringLiteral("the game is no longer in the catalogue");
        return false;
    }
    if (!transaction.commit()) {
        if (error)
            *error = transaction.error();
        return false;
    }
    return true;
}

Command merrowCommand(const QString &programDir, const QString &catalogue)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("merrow.exe");
#else
    const QString name = QStringLiteral("merrow");
#endif
    return Command{QDir::toNativeSeparators(QDir(programDir).filePath(name)),
                   {QStringLiteral("--catalogue"), catalogue},
                   WindowStyle::NormalFocus};
}

QString newsFile(const QString &sharedFolder)
{
    return QDir::toNativeSeparators(QDir(sharedFolder).filePath(QStringLiteral("readme.txt")));
}

} // namespace browser
