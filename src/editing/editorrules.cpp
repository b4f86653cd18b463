#include "editorrules.h"

#include "dialogs.h"
#include "editconflict.h"
#include "gamerecords.h"

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
    const QString games64 = QStringLiteral("game64");
    const QString gamesAmiga = QStringLiteral("gameamiga");
    const QString shots64 = QStringLiteral("screen64");
    const QString shotsAmiga = QStringLiteral("screenamiga");
    switch (button) {
    case PickButton::Screenshot1:
        return {ChooserPurpose::Screenshot1, -1, shots64, shotsAmiga};
    case PickButton::Screenshot2:
        return {ChooserPurpose::Screenshot2, -1, shots64, shotsAmiga};
    case PickButton::Game:
        return {ChooserPurpose::GameFile, 0, games64, gamesAmiga};
    case PickButton::Floppy1:
        return {ChooserPurpose::GameFile, 1, games64, gamesAmiga};
    case PickButton::Floppy2:
        return {ChooserPurpose::GameFile, 2, games64, gamesAmiga};
    case PickButton::Floppy3:
        return {ChooserPurpose::GameFile, 3, games64, gamesAmiga};
    case PickButton::Music:
        return {ChooserPurpose::MusicFile, -1, QStringLiteral("music64"),
                QStringLiteral("musicamiga")};
    }
    return {};
}

QString startColumn(PickButton button, const QString &machine)
{
    const PickTarget t = pickTarget(button);
    return isC64Family(machine) ? t.c64Column : t.amigaColumn;
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

namespace
{

// The texts' context: lupdate files a free function's tr() under its namespace, which the
// program never asks for.
class EditorRules
{
    Q_DECLARE_TR_FUNCTIONS(EditorRules)
};

enum class Answer { Overwrite, Reload, Cancel };

Answer askAboutOtherChanges(Dialogs &dialogs, const QString &title, const QStringList &columns)
{
    QStringList fields;
    for (const QString &column : columns)
        fields << editconflict::fieldCaption(column);
    dialogs.beep();
    const int answer = dialogs.choose(
        EditorRules::tr(
            "Another program changed %1 while it was open here: %2.\n\nOverwrite those "
            "changes with what this window shows, reload the game as it is stored now, or "
            "cancel and go on editing?")
            .arg(title.isEmpty() ? EditorRules::tr("this game") : title,
                 fields.join(QStringLiteral(", "))),
        Dialogs::Icon::Exclamation, EditorRules::tr("Changed Elsewhere"),
        {EditorRules::tr("&Overwrite"), EditorRules::tr("&Reload"), EditorRules::tr("Cancel")}, 2,
        2);
    return static_cast<Answer>(qBound(0, answer, 2));
}

} // namespace

Save saveOverLoaded(const QSqlDatabase &db, Dialogs &dialogs, int id, const QVariantMap &fields,
                    const QVariantMap &loaded)
{
    QVariantMap baseline = loaded;
    for (;;) {
        const gamerecords::GuardedUpdate update =
            gamerecords::updateGameUnlessChanged(db, id, fields, baseline);
        if (update.written)
            return {Save::Saved, {}, {}};
        if (update.lostColumns.isEmpty())
            return {Save::Failed, {}, update.error};
        const QString title = update.stored.value(QStringLiteral("titolo")).toString();
        switch (askAboutOtherChanges(dialogs, title, update.lostColumns)) {
        case Answer::Overwrite:
            for (auto it = baseline.begin(); it != baseline.end(); ++it)
                it.value() = update.stored.value(it.key());
            break;
        case Answer::Reload:
            return {Save::Reload, update.stored, {}};
        case Answer::Cancel:
            return {Save::Cancelled, {}, {}};
        }
    }
}

} // namespace editorrules
