#pragma once

#include "windowrequests.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

class Dialogs;
class QSqlDatabase;

// The rules of the record editor that do not depend on its widgets: the machine list,
// what each pick button asks the chooser for, and the checks before saving.
namespace editorrules
{

// The machine list in the order the editor offers it.
const QStringList &machineList();

// A game counts as C64 or C128 when its machine text begins with "C".
bool isC64Family(const QString &machine);
// "DFx" is offered for every Amiga machine text.
bool showsDiskButton(const QString &machine);
// Only the bare "Amiga" asks for the other drives after a game pick.
bool asksOtherDrives(const QString &machine);

enum class PickButton { Screenshot1, Screenshot2, Game, Floppy1, Floppy2, Floppy3, Music };

struct PickTarget {
    ChooserPurpose purpose = ChooserPurpose::GameFile;
    int diskSlot = -1;   // disk slot of a game pick (0 = "File Game"), -1 for other picks
    QString c64Column;   // configuration column of the start folder for C64/C128 games
    QString amigaColumn; // the same for every other machine
};

PickTarget pickTarget(PickButton button);
// The configuration column that holds the start directory for this machine.
QString startColumn(PickButton button, const QString &machine);

// Nothing may be saved without a title and a machine text; blanks alone do not count.
bool lacksTitleOrMachine(const QString &title, const QString &machine);

// The stored spelling of one of the six machine codes the list filters know, matched
// case-blind and without surrounding blanks; empty for any other text. A game stored with
// another code would be listed under neither machine.
QString machineCode(const QString &text);

// Both editors refuse to store a game they could not read (its boxes are empty, not its
// fields) and say so the same way.
void refuseUnreadGame(Dialogs &dialogs);

struct Save {
    enum Outcome { Saved, Reload, Cancelled, Failed } outcome = Failed;
    QVariantMap stored; // Reload: the game as stored now, to be shown
    QString error;      // Failed: why
};

// Both editors store a game this way: the fields go over the game unless that would undo
// a change another program made since `loaded` (the editor's columns as read) was read.
// Then the user is told which fields changed and chooses: Overwrite (over the row as it
// is now; asked again should it change once more), Reload, or Cancel to go on editing.
Save saveOverLoaded(const QSqlDatabase &db, Dialogs &dialogs, int id, const QVariantMap &fields,
                    const QVariantMap &loaded);

} // namespace editorrules
