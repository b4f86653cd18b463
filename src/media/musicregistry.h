#pragma once

class AppContext;

// Registers the game music player and the free music player under their WindowKeys, and
// reports an external player that fails after its start.
void registerMusicWindows(AppContext &ctx);
