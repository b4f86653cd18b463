#pragma once

class AppContext;

// Registers the browser's windows: the main window and the About window.
void registerBrowserWindows(AppContext &ctx);
