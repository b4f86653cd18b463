#include "editorrules.h"

#include "dialogs.h"

#include <QCoreApplication>

namespace editorrules
{

const QStringList &machineList()
{
    static const QStringList list = {QStringLiteral("Amiga 1.3"), QStringLiteral("Amiga 2.x"),
                                     QStringLiteral("Amiga 3.x"), QStringLiteral("Amiga"),
                                     QStringLiteral("C64"),       QStringLiteral("C128")};
    return list;
}

QString machineCode(const QString &text)
{
    const QString wanted = text.trimmed();
    for (const QString &code : machineList())
        if (code.compare(wanted, Qt::CaseInsensitive) == 0)
            return code;
    return {};
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

PickTarget pickTarget(PickButton button)
{
    using F = Game::Field;
    using P = Configuration::Path;
    switch (button) {
    case PickButton::Screenshot1:
        return {ChooserPurpose::Screenshot1, F::Screenshot1, P::C64Screenshots,
                P::AmigaScreenshots};
    case PickButton::Screenshot2:
        return {ChooserPurpose::Screenshot2, F::Screenshot2, P::C64Screenshots,
                P::AmigaScreenshots};
    case PickButton::Game:
        return {ChooserPurpose::GameFile, F::GameFile, P::C64Games, P::AmigaGames};
    case PickButton::Floppy1:
        return {ChooserPurpose::GameFile, F::SecondDrive, P::C64Games, P::AmigaGames};
    case PickButton::Floppy2:
        return {ChooserPurpose::GameFile, F::ThirdDrive, P::C64Games, P::AmigaGames};
    case PickButton::Floppy3:
        return {ChooserPurpose::GameFile, F::FourthDrive, P::C64Games, P::AmigaGames};
    case PickButton::Music:
        return {ChooserPurpose::MusicFile, F::MusicFile, P::C64Music, P::AmigaMusic};
    }
    return {};
}

Configuration::Path startFolder(PickButton button, const QString &machine)
{
    const PickTarget t = pickTarget(button);
    return isC64Family(machine) ? t.c64Folder : t.amigaFolder;
}

QString storedText(const QString &text)
{
    return text.isEmpty() ? QString() : text;
}

bool lacksTitleOrMachine(const QString &title, const QString &machine)
{
    return title.trimmed().isEmpty() || machine.trimmed().isEmpty();
}

void refuseUnreadGame(Dialogs &dialogs)
{
    dialogs.beep();
    dialogs.message(QCoreApplication::translate("EditorRules",
                                                "The game could not be read, so its fields "
                                                "were not shown. Nothing was written."),
                    Dialogs::Icon::Critical, QCoreApplication::translate("EditorRules", "Error"));
}

} // namespace editorrules
