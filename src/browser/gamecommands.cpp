#include "gamecommands.h"

#include <QDir>

namespace browser
{

PlayTarget playTarget(const QString &machine)
{
    // Case-blind, as the list's machine filter compares them.
    const auto is = [&](const char *code) {
        return machine.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
    };
    if (is("C64") || is("C128"))
        return PlayTarget::C64;
    if (is("Amiga") || is("Amiga 1.3") || is("Amiga 2.x") || is("Amiga 3.x"))
        return PlayTarget::Amiga;
    return PlayTarget::None;
}

bool usesC64Folders(const QString &machine)
{
    return machine.startsWith(QLatin1Char('C'), Qt::CaseInsensitive);
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
