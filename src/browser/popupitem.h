#pragma once

#include "configuration.h"
#include "gamecommand.h"
#include "windowrequests.h"

#include <span>
#include <variant>

namespace browser
{

// One pop-up item and what it opens: the field editor on a field, or the file chooser
// that stores a file into the game, starting in the machine's folder of the configuration.
struct PopupItem {
    const char *name;
    const char *text; // translated in the main window's context
    PopupMenu menu;
    std::variant<GameField, ChooserPurpose> task;
    Configuration::Path c64Folder = Configuration::Path::C64Games;
    Configuration::Path amigaFolder = Configuration::Path::AmigaGames;
};

std::span<const PopupItem> popupItems();

} // namespace browser
