#pragma once

class AppContext;

// Registers the Amiga player windows "Form9" and "amiplayer".
void registerAmigaWindows(AppContext &ctx);
