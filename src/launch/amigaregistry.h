#pragma once

class AppContext;

// Adds the Amiga game player and the Amiga free player to the window registry.
void registerAmigaWindows(AppContext &ctx);
