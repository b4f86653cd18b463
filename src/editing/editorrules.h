#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

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

enum class PickButton { Screen1, Screen2, Game, DF1, DF2, DF3, Music };

struct PickRequest {
    QString mode;        // the chooser's browsemode
    int slot = -1;       // disk slot of a game pick (0 = "File Game"), -1 for other picks
    QString c64Column;   // configuration column for C64/C128 games
    QString amigaColumn; // configuration column for every other machine
};

PickRequest pickRequest(PickButton button);
// The configuration column that holds the start directory for this machine.
QString startColumn(PickButton button, const QString &machine);

// The columns the editor shows and saves, besides id and dbver (which it keeps hidden).
const QStringList &editorColumns();

// Nothing may be saved without a title and a machine text; blanks alone do not count.
bool lacksTitleOrMachine(const QString &title, const QString &machine);

// Both editors refuse to store a game they could not read (its boxes are empty, not its
// fields) and say so the same way.
void refuseUnreadGame(Dialogs &dialogs);

} // namespace editorrules
