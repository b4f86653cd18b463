#pragma once

class AppContext;

// Adds the C64 game player and the C64 free player to the window registry.
void registerC64Windows(AppContext &ctx);
