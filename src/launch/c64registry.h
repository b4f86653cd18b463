#pragma once

class AppContext;

// Adds the C64 player windows "Form5" and "emu64" to the window registry.
void registerC64Windows(AppContext &ctx);
