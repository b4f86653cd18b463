#pragma once

class AppContext;

// Registers the game music player and the free music player under their WindowKeys.
void registerMusicWindows(AppContext &ctx);
