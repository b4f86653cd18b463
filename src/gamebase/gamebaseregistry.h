#pragma once

class AppContext;

// The GameBase import's window, for merrow's registry.
void registerGameBaseWindows(AppContext &ctx);
