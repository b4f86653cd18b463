#include "editorrules.h"

#include "dialogs.h"

namespace editorrules
{

const QStringList &machineList()
{
    static const QStringList list = {QStringLiteral("Amiga 1.3"), QStringLiteral("Amiga 2.x"),
                                     QStringLiteral("Amiga 3.x"), QStringLiteral("C64"),
                                     QStringLiteral("C128")};
    return list;
}

bool isC64Family(const QString &machine)
{
    return machine.startsWith(QLatin1Char('C'));
}

bool showsDiskButton(const QString &machine)
{
    return machine.startsWith(QLatin1String("Amiga"));
}

bool asksOtherDrives(const QString &machine)
{
    return machine == QLatin1String("Amiga");
}

PickRequest pickRequest(PickButton button)
{
    const QString game = QStringLiteral("game");
    switch (button) {
    case PickButton::Screen1:
        return {QStringLiteral("screen1"), -1, QStringLiteral("screen64"),
                QStringLiteral("screenamiga")};
    case PickButton::Screen2:
        return {QStringLiteral("screen2"), -1, QStringLiteral("screen64"),
                QStringLiteral("screenamiga")};
    case PickButton::Game:
        return {game, 0, QStringLiteral("game64"), QStringLiteral("gameamiga")};
    case PickButton::DF1:
        return {game, 1, QStringLiteral("game64"), QStringLiteral("gameamiga")};
    case PickButton::DF2:
        return {game, 2, QStringLiteral("game64"), QStringLiteral("gameamiga")};
    case PickButton::DF3:
        return {game, 3, QStringLiteral("game64"), QStringLiteral("gameamiga")};
    case PickButton::Music:
        return {QStringLiteral("music"), -1, QStringLiteral("music64"),
                QStringLiteral("musicamiga")};
    }
    return {};
}

QString startColumn(PickButton button, const QString &machine)
{
    const PickRequest r = pickRequest(button);
    return isC64Family(machine) ? r.c64Column : r.amigaColumn;
}

const QStringList &editorColumns()
{
    static const QStringList columns = {
        QStringLiteral("titolo"),      QStringLiteral("sh"),
        QStringLiteral("tipo"),        QStringLiteral("team"),
        QStringLiteral("year"),        QStringLiteral("formato"),
        QStringLiteral("design"),      QStringLiteral("programming"),
        QStringLiteral("graphics"),    QStringLiteral("music"),
        QStringLiteral("adddesign"),   QStringLiteral("addprogramming"),
        QStringLiteral("addgraphics"), QStringLiteral("addmusic"),
        QStringLiteral("others"),      QStringLiteral("note"),
        QStringLiteral("emul1"),       QStringLiteral("song"),
        QStringLiteral("screen1"),     QStringLiteral("screen2"),
        QStringLiteral("df1"),         QStringLiteral("df2"),
        QStringLiteral("df3")};
    return columns;
}

bool lacksTitleOrMachine(const QString &title, const QString &machine)
{
    return title.trimmed().isEmpty() || machine.trimmed().isEmpty();
}

void refuseUnreadGame(Dialogs &dialogs)
{
    dialogs.beep();
    dialogs.message(QStringLiteral("The game could not be read, so its fields were not shown. "
                                   "Nothing was written."),
                    Dialogs::Icon::Critical, QStringLiteral("Error"));
}

} // namespace editorrules
