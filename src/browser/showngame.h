#pragma once

#include "game.h"

#include <optional>

namespace browser
{

// The game the commands act on: the one in the main window's panel.
class ShownGame
{
public:
    // 0 when no game is shown.
    virtual GameId shownGameId() const = 0;
    // The shown game read again, as another window may have changed it, and shown afresh.
    // Nothing when no game is shown, the list is empty or the game is gone.
    virtual std::optional<Game> rereadShownGame() = 0;

protected:
    ~ShownGame() = default;
};

} // namespace browser
