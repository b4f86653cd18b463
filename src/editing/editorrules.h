#pragma once

#include "configuration.h"
#include "game.h"
#include "windowrequests.h"

#include <QString>
#include <QStringList>

class Dialogs;

// The rules of the record editor that do not depend on its widgets: the machine list and
// what each pick button asks the chooser for.
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
    Game::Field field = Game::Field::GameFile;                         // the field the pick goes to
    Configuration::Path c64Folder = Configuration::Path::C64Games;     // start folder for C64/C128
    Configuration::Path amigaFolder = Configuration::Path::AmigaGames; // for every other machine
};

PickTarget pickTarget(PickButton button);
// The configured folder a pick starts in for this machine.
Configuration::Path startFolder(PickButton button, const QString &machine);

// Nothing may be saved without a title and a machine text; blanks alone do not count.
bool lacksTitleOrMachine(const QString &title, const QString &machine);

// The stored spelling of one of the six machine codes the list filters know, matched
// case-blind and without surrounding blanks; empty for any other text. A game stored with
// another code would be listed under neither machine.
QString machineCode(const QString &text);

// What an edit box stores: its text, or Null when it is empty.
QString storedText(const QString &text);

// Both editors refuse to store a game they could not read (its boxes are empty, not its
// fields) and say so the same way.
void refuseUnreadGame(Dialogs &dialogs);

} // namespace editorrules
