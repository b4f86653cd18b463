#pragma once

namespace browser
{

// What the panel's buttons and the list's keys ask for, on the game in the panel (New on
// none).
enum class GameCommand { Play, PlayMusic, Info, New, Modify, Delete, ToggleFavourite };

// The pop-up menus of the panel and the list.
enum class PopupMenu { GameFields, Screenshots, GameFiles, Programming, Design, Graphics, Music };

} // namespace browser
